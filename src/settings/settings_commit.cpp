#include "settings_commit.h"

#include "common/miravo_error.h"
#include "common/program_dir.h"
#include "common/prompter.h"
#include "common/text_file.h"
#include "print_ini.h"
#include "registration_number.h"

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

// The registration number as it is written: half-width, or refused with a word to the user.
// The per-rate block needs one; without the block an empty number may stay empty.
bool takeRegistrationNumber(Values &values)
{
    const QString key = PrintIni::registrationNumber.name();
    const QString typed = values.text(key);
    if (typed.trimmed().isEmpty() && !values.on(PrintIni::qualifiedInvoice.name())) {
        values.setText(key, QString());
        return true;
    }
    const std::optional<QString> number = normalizedRegistrationNumber(typed);
    if (!number) {
        prompter().warning(registrationNumberMessage());
        return false;
    }
    values.setText(key, *number);
    return true;
}

} // namespace

CommitOutcome TOUROKU(CommitHost &host)
{
    Values checked = host.values();
    if (!takeRegistrationNumber(checked))
        return CommitOutcome::Cancelled;
    const QString name = checked.text(PrintIni::settingName.name());
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
    Values values = host.values();
    // Checked by TOUROKU; here only brought to the form it is written in.
    if (const auto number =
            normalizedRegistrationNumber(values.text(PrintIni::registrationNumber.name())))
        values.setText(PrintIni::registrationNumber.name(), *number);
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
