// Printing the slip, its preview and the export of previewed pages.
#include "miravo_window.h"

#include "common/prompter.h"
#include "master/choice_list_box.h"
#include "preview/page_export.h"
#include "preview/preview_commands.h"
#include "preview/preview_window.h"
#include "print/nk_printer.h"
#include "print/slip_layouts.h"
#include "slip/string_grid.h"

#include <QCheckBox>
#include <QComboBox>
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
    SlipPrintJob job;
    job.header = slipHeader();
    job.items = SG1Cells;
    job.logo = logo;
    job.captions.hatyuu = HATYUU->text();
    job.captions.irai = IRAI->text();
    job.roundingMode = int(calc.settings.rounding);
    job.zeroPrint = calc.settings.zeroPrint;
    return job;
}

void TMIRAVO::printSlipNow()
{
    SlipPrintJob job = printJob();
    printSlip(job, printer(), printRunState);
    // A5 mode of the print settings ticks the box.
    A5->setChecked(job.header.A5);
}

void TMIRAVO::SpeedButton6Click()
{
    // The statement prints in statement mode, once the statement is part of the program.
    if (slipState.statementMode)
        return;
    Keisan();
    printSlipNow();
}

void TMIRAVO::SpeedButton30Click()
{
    SlipPreviewSteps steps;
    steps.statementShown = [this] { return slipState.statementMode; };
    steps.recalculate = [this] { Keisan(); };
    steps.previewSlip = [this] {
        SlipPrintJob job = printJob();
        previewSlip(job, printer(), PP1, printRunState);
        A5->setChecked(job.header.A5);
    };
    steps.openPreviewWindow = [this] { openPreviewWindow(); };
    runSlipPreview(printRunState.previewCancelled, steps);
}

void TMIRAVO::openPreviewWindow()
{
    // A fresh window for every preview; it hides this one while it shows.
    TPREV window(PP1, this);
    connect(&window, &TPREV::printRequested, this, [this] {
        PreviewPrintSteps steps;
        steps.honorific = [this] { return KEISYOU->currentText(); };
        steps.recalculate = [this] { Keisan(); };
        steps.printSlip = [this] { printSlipNow(); };
        printFromPreview(previewMode(false, false, slipState.statementMode), steps);
    });
    connect(&window, &TPREV::wmfExportRequested, this,
            [this, &window] { exportPreviewPages(window, PageExportFormat::Wmf); });
    connect(&window, &TPREV::jpegExportRequested, this,
            [this, &window] { exportPreviewPages(window, PageExportFormat::Jpeg); });
    connect(&window, &TPREV::pdfExportRequested, this,
            [this, &window] { exportPreviewPages(window, PageExportFormat::Pdf); });
    window.setExportEnabled(true);
    window.exec();
}

void TMIRAVO::exportPreviewPages(TPREV &window, PageExportFormat format)
{
    PageExportRequest request;
    request.format = format;
    request.fileTitle = TITLE->text();
    ::exportPreviewPages(request, PP1, window);
}
