// Printing the slip, statements, receipts and envelopes, their previews and the export of
// previewed pages.
#include "miravo_window.h"

#include "files/numbering.h"
#include "master/choice_list_box.h"
#include "preview/mail_attachment.h"
#include "preview/page_export.h"
#include "preview/preview_commands.h"
#include "preview/preview_window.h"
#include "print/envelope_layouts.h"
#include "print/nk_printer.h"
#include "print/receipt_layouts.h"
#include "print/slip_layouts.h"
#include "print/statement_layouts.h"
#include "slip/slip_print_job.h"
#include "slip/string_grid.h"
#include "statement/statement_receipt_values.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QToolButton>

PrinterDevice &TMIRAVO::printer()
{
    if (!m_printer) {
        m_ownPrinter = std::make_unique<TNkPrinter>(this);
        m_printer = m_ownPrinter.get();
    }
    return *m_printer;
}

void TMIRAVO::setPrinter(PrinterDevice *device)
{
    m_printer = device;
}

SlipPrintJob TMIRAVO::printJob()
{
    return slipPrintJob(slip, logo, SlipKindCaptions{HATYUU->text(), IRAI->text()});
}

void TMIRAVO::printSlipNow()
{
    SlipPrintJob job = printJob();
    ::printSlip(job, printer(), printRunState);
    // A5 mode of the print settings ticks the box.
    A5->setChecked(job.header.A5);
}

void TMIRAVO::SpeedButton6Click()
{
    if (slip.state.statementMode) {
        runStatementPrint(*this);
        return;
    }
    Keisan();
    printSlipNow();
}

void TMIRAVO::SpeedButton30Click()
{
    runSlipPreview(printRunState.previewCancelled, *this);
}

QString TMIRAVO::honorific() const
{
    return slip.header.KEISYOU;
}

void TMIRAVO::recalculate()
{
    Keisan();
}

SlipPrintJob TMIRAVO::documentJob()
{
    SlipPrintJob job = printJob();
    // While the statement grid is shown the receipt acknowledges the statement, not the slip.
    if (statementShown()) {
        job.statement = statementReceiptValues(statement);
        job.statementRows = &statement.grid();
    }
    return job;
}

void TMIRAVO::SpeedButton16Click()
{
    runReceiptPrint(*this);
}

void TMIRAVO::SpeedButton16RightClick()
{
    runReceiptPreview(printRunState.previewCancelled, *this);
}

void TMIRAVO::SpeedButton18Click()
{
    runEnvelopePrint(*this);
}

void TMIRAVO::SpeedButton18RightClick()
{
    runEnvelopePreview(printRunState.previewCancelled, *this);
}

void TMIRAVO::printReceipt(bool small)
{
    SlipPrintJob job = documentJob();
    if (small)
        PRINT_RYOSYUU_S(job, printer(), printRunState);
    else
        PRINT_RYOSYUU(job, printer(), printRunState);
    A5->setChecked(job.header.A5);
}

void TMIRAVO::forgetReceiptProviso()
{
    printRunState.receiptProviso.clear();
}

void TMIRAVO::printEnvelope(bool longNo3)
{
    SlipPrintJob job = documentJob();
    if (longNo3)
        FUUTOU3(job, printer(), printRunState);
    else
        FUUTOU(job, printer(), printRunState);
}

void TMIRAVO::previewReceipt(bool small)
{
    SlipPrintJob job = documentJob();
    if (small)
        PP_PRINT_RYOSYUU_S(job, printer(), PP1, printRunState);
    else
        PP_PRINT_RYOSYUU(job, printer(), PP1, printRunState);
    A5->setChecked(job.header.A5);
}

void TMIRAVO::previewEnvelope(bool longNo3)
{
    SlipPrintJob job = documentJob();
    if (longNo3)
        FUUTOU3_PP(job, printer(), PP1, printRunState);
    else
        FUUTOU_PP(job, printer(), PP1, printRunState);
}

void TMIRAVO::openPreviewWindowFor(PreviewMode mode)
{
    receiptPreviewMode = mode == PreviewMode::Receipt;
    envelopePreviewMode = mode == PreviewMode::Envelope;
    openPreviewWindow();
    receiptPreviewMode = false;
    envelopePreviewMode = false;
}

bool TMIRAVO::printStatement(bool formNo2)
{
    SlipPrintJob job = documentJob();
    const bool printed = formNo2 ? PRINT36_MEISAI_2(job, printer(), printRunState)
                                 : PRINT36_MEISAI(job, printer(), printRunState);
    takeStatementIssueDate(job);
    return printed;
}

void TMIRAVO::takeStatementIssueDate(const SlipPrintJob &job)
{
    // The issue date the run asked for is the slip date from now on.
    if (job.header.DTP1 != slip.header.DTP1)
        DTP1->setDateTime(job.header.DTP1);
}

void TMIRAVO::advanceSlipNumber()
{
    // A printed statement uses up its number whether or not it was just issued.
    BANGOU_KOUSIN(slip.header.Bangou);
}

void TMIRAVO::processPendingEvents()
{
    QCoreApplication::processEvents();
}

void TMIRAVO::printSlip()
{
    printSlipNow();
}

bool TMIRAVO::statementShown() const
{
    return slip.state.statementMode;
}

void TMIRAVO::previewStatement(bool formNo2)
{
    SlipPrintJob job = documentJob();
    if (formNo2)
        PP_PRINT36_MEISAI_2(job, printer(), PP1, printRunState);
    else
        PP_PRINT36_MEISAI(job, printer(), PP1, printRunState);
    takeStatementIssueDate(job);
}

void TMIRAVO::previewSlip()
{
    SlipPrintJob job = printJob();
    ::previewSlip(job, printer(), PP1, printRunState);
    A5->setChecked(job.header.A5);
}

void TMIRAVO::openPreviewWindow()
{
    // A fresh window for every preview; it hides this one while it shows.
    TPREV window(PP1, this);
    connect(&window, &TPREV::printRequested, this, [this] {
        printFromPreview(
            previewMode(receiptPreviewMode, envelopePreviewMode, slip.state.statementMode), *this);
    });
    connect(&window, &TPREV::wmfExportRequested, this,
            [this, &window] { exportPreviewPages(window, PageExportFormat::Wmf); });
    connect(&window, &TPREV::jpegExportRequested, this,
            [this, &window] { exportPreviewPages(window, PageExportFormat::Jpeg); });
    connect(&window, &TPREV::pdfExportRequested, this,
            [this, &window] { exportPreviewPages(window, PageExportFormat::Pdf); });
    connect(&window, &TPREV::mailRequested, this,
            [this, &window] { attachPreviewPages(TITLE->text(), PP1, window); });
    window.setExportEnabled(true);
    window.exec();
}

void TMIRAVO::exportPreviewPages(TPREV &window, PageExportFormat format)
{
    PageExportRequest request;
    request.format = format;
    request.receiptOrEnvelopePreview = receiptPreviewMode || envelopePreviewMode;
    request.fileTitle = TITLE->text();
    ::exportPreviewPages(request, PP1, window);
}
