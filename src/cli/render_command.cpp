#include "render_command.h"

#include "a4_printer.h"
#include "cli_errors.h"
#include "cli_output.h"
#include "headless_prompter.h"
#include "opened_slip.h"
#include "ops_json.h"
#include "page_files.h"

#include "common/program_dir.h"
#include "common/text_file.h"
#include "preview/preview_commands.h"
#include "print/page_blocks.h"
#include "print/slip_layouts.h"
#include "settings/print_ini.h"
#include "slip/slip_print_job.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#include <optional>

namespace {

void chooseKinds(SlipHeader &header, const QString &kinds)
{
    bool *boxes[] = {&header.NOUHIN, &header.SEIKYUU, &header.JURYOU,
                     &header.HIKAE,  &header.HATYUU,  &header.IRAI};
    for (int kind = 0; kind < 6; ++kind)
        *boxes[kind] = kinds.contains(QChar(u'1' + kind));
}

SlipKindCaptions renamedCaptions()
{
    // The captions of the last two kinds can be renamed ("注文書"); the design ones stay
    // otherwise.
    SlipKindCaptions captions;
    const QString hatyuu = PrintIni::purchaseOrderTitle.value();
    if (!hatyuu.isEmpty())
        captions.hatyuu = hatyuu;
    const QString irai = PrintIni::quotationRequestTitle.value();
    if (!irai.isEmpty())
        captions.irai = irai;
    return captions;
}

// The layout choice PRN_S of the rows per slip image.
int layoutChoice(int rows)
{
    switch (rows) {
    case 7:
        return 1;
    case 24:
        return 2;
    case 36:
        return 3;
    default:
        return 0;
    }
}

SlipPrintJob printJob(const OpenedSlip &opened, const RenderOptions &options)
{
    SlipPrintJob job = headlessPrintJob(opened);
    job.header.PRN_S = layoutChoice(options.layout);
    chooseKinds(job.header, options.kinds);
    job.header.A5 = options.a5;
    job.header.DATE_CHECK = options.dateNone;
    return job;
}

} // namespace

SlipPrintJob headlessPrintJob(const OpenedSlip &opened)
{
    // A logo that is missing or cannot be loaded is left out, as the window does.
    return slipPrintJob(opened.slip, loadLogoPicture(), renamedCaptions());
}

namespace {

// The preview command without its window: the recorded pages go to files instead of the
// preview window. A slip render reaches neither statements nor the preview's own print
// button, so those steps are refused rather than left silently empty.
class RenderHost final : public PreviewHost
{
public:
    RenderHost(OpenedSlip &opened, SlipPrintJob &job, PrinterDevice &printer,
               TPrintPreview &preview, PrintRunState &state)
        : m_opened(opened)
        , m_job(job)
        , m_printer(printer)
        , m_preview(preview)
        , m_state(state)
    {}

    bool pagesReady() const { return m_pagesReady; }

    QString honorific() const override { return m_job.header.KEISYOU; }
    void recalculate() override { m_opened.window.showCalculation(m_opened.slip.recalculate()); }
    void printReceipt(bool) override { refuse(); }
    void forgetReceiptProviso() override { refuse(); }
    void printEnvelope(bool) override { refuse(); }
    bool printStatement(bool) override { refuse(); }
    void advanceSlipNumber() override { refuse(); }
    void processPendingEvents() override {}
    void printSlip() override { refuse(); }
    bool statementShown() const override { return false; }
    void previewStatement(bool) override { refuse(); }
    void previewSlip() override { ::previewSlip(m_job, m_printer, m_preview, m_state); }
    void openPreviewWindow() override { m_pagesReady = true; }
    void previewReceipt(bool) override { refuse(); }
    void previewEnvelope(bool) override { refuse(); }
    void openPreviewWindowFor(PreviewMode) override { refuse(); }

private:
    [[noreturn]] void refuse() const
    {
        throw InputError(m_opened.path, QStringLiteral("only the slip can be rendered"));
    }

    OpenedSlip &m_opened;
    SlipPrintJob &m_job;
    PrinterDevice &m_printer;
    TPrintPreview &m_preview;
    PrintRunState &m_state;
    bool m_pagesReady = false;
};

} // namespace

int runRender(const QString &file, const RenderOptions &options)
{
    HeadlessPrompter messages;
    OpenedSlip slip(file, messages);
    SlipPrintJob job = printJob(slip, options);

    A4Printer printer;
    TPrintPreview preview;
    PrintRunState state;
    messages.messages.clear();
    RenderHost host(slip, job, printer, preview, state);
    runSlipPreview(state.previewCancelled, host);
    return writeRenderedPages(file, preview, host.pagesReady(), options, messages);
}

int writeRenderedPages(const QString &file, const TPrintPreview &preview, bool drawn,
                       const RenderOptions &options, const HeadlessPrompter &messages)
{
    if (!drawn || preview.PageCount() == 0) {
        const QString reason = messages.first(HeadlessPrompter::Kind::Information);
        throw InputError(file, reason.isEmpty() ? QStringLiteral("nothing to draw") : reason);
    }
    // The layouts only remind (a missing honorific, the paper to load): the pages are drawn.
    for (const HeadlessPrompter::Message &message : messages.messages)
        printNote(file, message.text);

    const QString baseName = QFileInfo(file).completeBaseName();
    const QStringList written = writePageFiles(preview, options, baseName);
    if (!options.opsFile.isEmpty())
        writeWholeFile(options.opsFile,
                       QJsonDocument(pagesJson(preview)).toJson(QJsonDocument::Compact));
    for (const QString &path : written)
        printLine(QDir::toNativeSeparators(path));
    return 0;
}
