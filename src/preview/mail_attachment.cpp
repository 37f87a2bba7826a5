#include "mail_attachment.h"

#include "common/prompter.h"
#include "mail_client.h"
#include "page_export.h"
#include "print/print_preview.h"

#include <QDir>
#include <QFileInfo>

namespace {

namespace Text {
const QString caption = QStringLiteral("添付");
const QString allFiles = QStringLiteral("すべてのファイル (*)");
const QString noPages = QStringLiteral("添付するページがありません。");
const QString notReached = QStringLiteral("メールソフトを起動できませんでした。\r\n");
const QString noXdgEmail = QStringLiteral("xdg-email（xdg-utils）が見つかりません。\r\n");
const QString exitCode = QStringLiteral("xdg-email が終了コード %1 で終了しました。\r\n");
const QString crashed = QStringLiteral("xdg-email が異常終了しました。\r\n");
const QString folder = QStringLiteral("\r\n添付するファイルは次のフォルダにあります。\r\n");
} // namespace Text

// The PDF first, then what the user added, each file once.
QStringList attachmentList(const QString &pdf, const QStringList &chosen)
{
    QStringList files{pdf};
    const QString pdfPath = QFileInfo(pdf).absoluteFilePath();
    for (const QString &file : chosen)
        if (QFileInfo(file).absoluteFilePath() != pdfPath && !files.contains(file))
            files.append(file);
    return files;
}

QString failureText(const MailHandOff &handOff)
{
    QString reason = Text::noXdgEmail;
    if (handOff.outcome == MailHandOff::Outcome::Failed)
        reason = handOff.exitCode < 0 ? Text::crashed : Text::exitCode.arg(handOff.exitCode);
    return Text::notReached + reason + Text::folder +
           QDir::toNativeSeparators(QDir::cleanPath(exportFolder()));
}

} // namespace

QStringList attachPreviewPages(const QString &fileTitle, const TPrintPreview &pages,
                               PageExportView &view)
{
    if (pages.PageCount() == 0) {
        prompter().information(Text::noPages);
        return {};
    }
    const std::optional<QString> pdf = writeAttachmentPdf(fileTitle, pages, view);
    if (!pdf)
        return {};
    const std::optional<QStringList> chosen =
        prompter().chooseOpenFiles(Text::caption, exportFolder(), Text::allFiles, *pdf);
    if (!chosen)
        return {};
    const QStringList files = attachmentList(*pdf, *chosen);
    const MailHandOff handOff = [&] {
        const BusyCursor busy;
        return composeMail(files, fileTitle);
    }();
    if (handOff.outcome != MailHandOff::Outcome::HandedOff) {
        prompter().warning(failureText(handOff));
        return {};
    }
    return files;
}
