#include "settings_commit.h"

#include "common/miravo_error.h"
#include "common/program_dir.h"
#include "common/prompter.h"
#include "common/text_file.h"
#include "print_ini.h"

#include <QFile>

namespace PrintSettings {

namespace {

QString backupPath()
{
    return programFile(QStringLiteral("PRINT.BAK"));
}

// Puts the copy of the previous file back and reloads it into the dialog. The copy
// replaces the settings file in one step, so a failing restore leaves the file as it was.
void restore(const QString &path, CommitHost &host)
{
    QFile backup(backupPath());
    QByteArray bytes;
    bool read = backup.open(QIODevice::ReadOnly);
    if (read) {
        bytes = backup.readAll();
        read = backup.error() == QFileDevice::NoError;
    }
    if (read) {
        try {
            TextFile::writeBytes(path, bytes);
        } catch (const IoError &) {
            read = false;
        }
    }
    if (!read) {
        prompter().information(QStringLiteral("復旧できませんでした。"));
        return;
    }
    Values values = host.values();
    ALL_CLEAR(values);
    YOMIKOMI(values);
    host.setValues(values);
    prompter().information(QStringLiteral("読込みました。"));
}

} // namespace

CommitOutcome TOUROKU(CommitHost &host)
{
    const QString name = host.values().text(PrintIni::settingName.name());
    if (!prompter().question(QStringLiteral("設定を登録します。\r\n\r\n設定名「 ") + name +
                             QStringLiteral(" 」") + QStringLiteral("\r\n\r\n")))
        return CommitOutcome::Cancelled;
    if (QFile::exists(backupPath()))
        QFile::remove(backupPath());
    // No copy for a first commit, when there is no PRINT.INI yet.
    if (!QFile::copy(programFile(QString::fromLatin1(PrintIni::fileName)), backupPath()))
        prompter().beep();
    return SET_TOUROKU(programFile(QString::fromLatin1(PrintIni::fileName)), host);
}

CommitOutcome SET_TOUROKU(const QString &path, CommitHost &host)
{
    const Values values = host.values();
    bool written = true;
    try {
        TextFile::writeLines(path, fileLines(values));
    } catch (const IoError &) {
        written = false;
    }
    if (written) {
        host.titlesCommitted(captionsAfterCommit(values));
        if (!QFile::remove(backupPath()))
            prompter().beep();
    }
    host.saveOpenCategoryList();

    if (!written) {
        if (prompter().question(QStringLiteral(
                "設定ファイルの登録に失敗した可能性があります。\r\n前回の設定を復旧します。\r\n\r\n"
                "但し、現在の入力中の設定はクリアされます。\r\n復旧を実行する")))
            restore(path, host);
        return CommitOutcome::Failed;
    }

    prompter().setBusy(false);
    // The file is complete: a backup that stays behind is only worth a word.
    if (QFile::exists(backupPath()))
        prompter().information(QStringLiteral("登録しました。\r\n\r\n前回の設定の控え（PRINT."
                                              "BAK）は削除できませんでした。"));
    else
        prompter().information(QStringLiteral("登録しました。"));
    for (const QString &retired : retiredCarryOverFiles())
        QFile::remove(programFile(retired));
    return CommitOutcome::Committed;
}

} // namespace PrintSettings
