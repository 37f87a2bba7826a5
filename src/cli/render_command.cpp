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

// The print preparation remembers the printer it used in the program directory's printer
// choice files. The virtual printer of a headless run is no choice of the user's: the files
// are put back as they were, so a script never changes what the desktop prints on.
class PrinterChoiceGuard
{
public:
    PrinterChoiceGuard()
    {
        for (const bool a5Mode : {false, true}) {
            const QString path = programFile(printerChoiceFile(a5Mode));
            QFile file(path);
            std::optional<QByteArray> bytes;
            if (file.open(QIODevice::ReadOnly))
                bytes = file.readAll();
            m_files.append({path, bytes});
        }
    }

    ~PrinterChoiceGuard()
    {
        for (const auto &[path, bytes] : m_files) {
            try {
                if (bytes)
                    TextFile::writeBytes(path, *bytes);
                else
                    QFile::remove(path);
            } catch (const MiravoError &error) {
                printError(error.message());
            }
        }
    }

    PrinterChoiceGuard(const PrinterChoiceGuard &) = delete;
    PrinterChoiceGuard &operator=(const PrinterChoiceGuard &) = delete;

private:
    QList<std::pair<QString, std::optional<QByteArray>>> m_files;
};

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

SlipPrintJob printJob(const OpenedSlip &opened, const RenderOptions &options)
{
    // A logo that is missing or cannot be loaded is left out, as the window does.
    SlipPrintJob job = slipPrintJob(opened.slip, loadLogoPicture(), renamedCaptions());
    job.header.PRN_S = options.layout == 7 ? 1 : 0;
    chooseKinds(job.header, options.kinds);
    job.header.A5 = options.a5;
    job.header.DATE_CHECK = options.dateNone;
    return job;
}

} // namespace

int runRender(const QString &file, const RenderOptions &options)
{
    HeadlessPrompter messages;
    const OpenedSlip slip(file, messages);
    SlipPrintJob job = printJob(slip, options);

    A4Printer printer;
    TPrintPreview preview;
    PrintRunState state;
    messages.messages.clear();
    bool drawn = false;
    {
        const PrinterChoiceGuard keepChoices;
        drawn = previewSlip(job, printer, preview, state);
    }
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
