#include "save_command.h"

#include "cli_errors.h"
#include "cli_output.h"
#include "headless_prompter.h"
#include "opened_slip.h"

#include "common/miravo_error.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int numberLine = 13;

// Why the save command wrote nothing, from the message it showed.
InputError refusal(const QString &file, const QString &folder, const SaveResult &result,
                   const HeadlessPrompter &messages)
{
    const QString warning = messages.first(HeadlessPrompter::Kind::Warning);
    // The one warning of saving is about the target's volume.
    if (!warning.isEmpty())
        return InputError(folder, warning);
    QString information = messages.first(HeadlessPrompter::Kind::Information);
    if (information.isEmpty())
        information = QStringLiteral("not saved");
    // The number comes from line 13; the title from the file's own name, which has no line.
    return InputError(file, information, result.focus == SlipField::Bangou ? numberLine : 0);
}

} // namespace

int runSave(const QString &file, const QString &outDir)
{
    const QFileInfo target(outDir);
    if (!target.isDir())
        throw InputError(outDir, QStringLiteral("no such folder"));
    const QString folder = target.absoluteFilePath();

    HeadlessPrompter messages;
    OpenedSlip slip(file, messages);

    slip.slip.setFolder(folder);
    messages.messages.clear();
    SaveResult result;
    try {
        result = slip.slip.save(slip.window);
    } catch (const IoError &error) {
        throw InputError(error.fileName(), ioReason(error));
    }
    if (!result.saved)
        throw refusal(file, folder, result, messages);
    printLine(QDir::toNativeSeparators(result.path));
    return 0;
}
