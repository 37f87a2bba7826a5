#include "page_export.h"

#include "common/clock.h"
#include "common/file_name_check.h"
#include "common/miravo_error.h"
#include "common/program_dir.h"
#include "common/prompter.h"
#include "jpeg_export.h"
#include "wmf_writer.h"

#include <QDir>

namespace {

namespace Text {
const QString refused = QStringLiteral("このWMFは作成できません。\r\n\r\n");
const QString askWmf = QStringLiteral("メール添付用のメタファイルを出力します。");
const QString askJpeg = QStringLiteral("メール添付用のＪＰＧファイルを出力します。");
const QString askPdf = QStringLiteral("メール添付用のPDFファイルを出力します。");
const QString nameCaption = QStringLiteral("保存ファイル名指定");
const QString namePrompt = QStringLiteral(
    "ファイル名を入力して下さい。\r\nすでにあるファイル名と重複しないようにして下さい。");
const QString noName = QStringLiteral("ファイル名の指定がありません。\r\n\r\n中止しました。");
const QString finished = QStringLiteral("終了しました。");
} // namespace Text

const QString &question(PageExportFormat format)
{
    switch (format) {
    case PageExportFormat::Jpeg:
        return Text::askJpeg;
    case PageExportFormat::Pdf:
        return Text::askPdf;
    case PageExportFormat::Wmf:
        break;
    }
    return Text::askWmf;
}

// The input box of the name with today's proposal; nothing when the user stopped or the
// name was refused.
std::optional<QString> enterBaseName(const QString &fileTitle, PageExportView &view)
{
    const std::optional<QString> name =
        prompter().input(Text::nameCaption, Text::namePrompt, proposedExportBaseName(fileTitle));
    if (!name)
        return std::nullopt;
    view.repaintPicture();
    if (name->isEmpty()) {
        prompter().information(Text::noName);
        return std::nullopt;
    }
    if (FNAME_CHECK(*name))
        return std::nullopt;
    return name;
}

// Asks for the base name; nothing when the user stopped or the name was refused.
std::optional<QString> confirmBaseName(const PageExportRequest &request, PageExportView &view)
{
    // Receipts and envelopes are not for mail attachments as pictures; a PDF of them is.
    if (request.receiptOrEnvelopePreview && request.format != PageExportFormat::Pdf) {
        prompter().information(Text::refused);
        return std::nullopt;
    }
    if (!prompter().question(question(request.format)))
        return std::nullopt;
    return enterBaseName(request.fileTitle, view);
}

QStringList writePages(PageExportFormat format, const QString &baseName, const TPrintPreview &pages,
                       PageExportView &view)
{
    QStringList written;
    for (int index = 0; index < pages.PageCount(); ++index) {
        const RecordedPage &page = pages.page(index);
        view.clearPicture();
        const QImage picture = renderExportPicture(page);
        view.showPicture(picture);
        makeExportFolder();
        const QString path = exportFolder() + exportFileName(baseName, format, index + 1);
        if (format == PageExportFormat::Wmf)
            writePlaceableMetafile(path, page);
        else if (format == PageExportFormat::Jpeg)
            writeJpeg(path, picture);
        if (format != PageExportFormat::Pdf)
            written.append(path);
    }
    if (format == PageExportFormat::Pdf && pages.PageCount() > 0) {
        makeExportFolder();
        const QString path = exportFolder() + exportFileName(baseName, format, 0);
        writePagesPdf(path, pages, baseName);
        written.append(path);
    }
    return written;
}

// Brings page 1 back at the zoom the user had. A single page is redrawn by zooming in and
// out again, which at the largest zoom leaves it one step smaller: users know it that way.
void restoreDisplay(int pageCount, PageExportView &view)
{
    if (pageCount == 1) {
        view.zoomIn();
        view.zoomOut();
    }
    view.showLastPage();
    view.showFirstPage();
}

// Writes the pages and brings the display back, also when a write fails: the window must
// not stay on a half-exported page picture.
QStringList writePagesAndRestore(PageExportFormat format, const QString &baseName,
                                 const TPrintPreview &pages, PageExportView &view)
{
    QStringList written;
    try {
        written = writePages(format, baseName, pages, view);
    } catch (...) {
        restoreDisplay(pages.PageCount(), view);
        throw;
    }
    restoreDisplay(pages.PageCount(), view);
    return written;
}

} // namespace

QString exportFolder()
{
    return programFile(QStringLiteral("MetaFile/"));
}

void makeExportFolder()
{
    if (!QDir().mkpath(exportFolder()))
        throw IoError(exportFolder(), QStringLiteral("フォルダを作成できません。"));
}

QString proposedExportBaseName(const QString &fileTitle)
{
    // The title is appended after formatting, never passed to the formatter: letters in it
    // (d, m, y, h, s, ...) would otherwise turn into date parts.
    return Clock::now().date().toString(QStringLiteral("yyyy年MM月dd日")) + fileTitle;
}

QString exportFileName(const QString &baseName, PageExportFormat format, int pageNumber)
{
    switch (format) {
    case PageExportFormat::Jpeg:
        return baseName + QStringLiteral("-%1.jpg").arg(pageNumber);
    case PageExportFormat::Pdf:
        return baseName + QStringLiteral(".pdf");
    case PageExportFormat::Wmf:
        break;
    }
    return baseName + QStringLiteral("-%1.WMF").arg(pageNumber);
}

QStringList exportPreviewPages(const PageExportRequest &request, const TPrintPreview &pages,
                               PageExportView &view)
{
    const std::optional<QString> baseName = confirmBaseName(request, view);
    if (!baseName)
        return {};
    const QStringList written = writePagesAndRestore(request.format, *baseName, pages, view);
    view.processPendingEvents();
    prompter().information(Text::finished);
    return written;
}

std::optional<QString> writeAttachmentPdf(const QString &fileTitle, const TPrintPreview &pages,
                                          PageExportView &view)
{
    const std::optional<QString> baseName = enterBaseName(fileTitle, view);
    if (!baseName)
        return std::nullopt;
    const QStringList written = writePagesAndRestore(PageExportFormat::Pdf, *baseName, pages, view);
    if (written.isEmpty())
        return std::nullopt;
    return written.first();
}
