#include "cli_run.h"

#include "common/sjis.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

const QString savedName = QStringLiteral("令和7年04月01日【10023】山田商店.419");

// A file of the slip's name from an earlier save, holding "old".
void writeEarlierFile(const QString &path)
{
    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("old");
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SaveCommand, WritesTheRecalculatedSlipUnderItsNameAndReplacesAnEarlierFile)
{
    TempProgramDir home;
    home.writeLines(QStringLiteral("BANGO.INI"), {QStringLiteral("10050")});
    const QString outDir = home.path() + QStringLiteral("out");
    QDir().mkpath(outDir);
    const QString target = outDir + u'/' + savedName;
    writeEarlierFile(target);

    const CliRun run = runCli(home, {QStringLiteral("save"), fixtureSlip(), outDir});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_EQ(run.outText(), target + u'\n');
    EXPECT_TRUE(run.err.isEmpty());

    // The amounts, cost amounts, rates and line 11's tax are the recalculated ones.
    QStringList lines = {
        "山田商店",
        "東京都千代田区1-1",
        "髙橋ビル３Ｆ",
        "100-0001",
        "45748.5",
        "営業部",
        "山田商店",
        "様",
        "",
        "0",
        "64",
        "鈴木",
        "10023",
        "1,A,\"ボルト M8\",,ｽﾃﾝﾚｽ,10,本,120,80,1200,800,66.6",
        "2,,ナット,,,3,個,33.3,20,99,60,60.6",
        "3,,送料,1,,1,式,500,,500,,",
    };
    // The empty rows of the blank slip the file was opened into are written too.
    for (int row = 4; row <= 30; ++row)
        lines << QString::number(row) + QStringLiteral(",,,,,,,,,,,");
    EXPECT_EQ(readFile(target), Sjis::encode(lines.join(QStringLiteral("\r\n")) + "\r\n"));
    // A saved file that was opened keeps its number: the counter does not move.
    EXPECT_EQ(home.readLines(QStringLiteral("BANGO.INI")), QStringList{"10050"});
}

TEST(SaveCommand, RefusalsAreInputErrorsWithTheProgramsMessages)
{
    TempProgramDir home;
    const QString folder = home.path();
    const QString outDir = folder + QStringLiteral("out");
    QDir().mkpath(outDir);
    QStringList slashNumber = fixtureLines();
    slashNumber[12] = QStringLiteral("A/1");
    QStringList fullWidthNumber = fixtureLines();
    fullWidthNumber[12] = QStringLiteral("Ａ／１");

    const QString withSlash = writeSlip(folder, "令和7年04月01日【A】番号.419", slashNumber);
    const QString noTitle = writeSlip(folder, "令和7年04月01日【10023】.419", fixtureLines());
    struct Case
    {
        const char *name;
        QString file;
        QString outDir;
        QString expected;
    };
    const Case cases[] = {
        {"slash in the number", withSlash, outDir,
         withSlash + ": line 13: 登録ファイル名に使用できない文字が含まれています。 "
                     "\\ / : . ; * ? \" < > |"},
        {"empty title", noTitle, outDir, noTitle + ": 登録タイトル名が未入力です。"},
        {"missing folder", fixtureSlip(), folder + "nowhere", folder + "nowhere: no such folder"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = runCli(home, {QStringLiteral("save"), c.file, c.outDir});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.errText(), QStringLiteral("miravo-cli: ") + c.expected + u'\n');
    }
    EXPECT_TRUE(QDir(outDir).isEmpty());

    // The full-width forms are ordinary characters of a file name.
    const QString fullWidth = writeSlip(folder, "令和7年04月01日【Ａ】番号.419", fullWidthNumber);
    const CliRun run = runCli(home, {QStringLiteral("save"), fullWidth, outDir});
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_EQ(run.outText(), outDir + QStringLiteral("/令和7年04月01日【Ａ／１】番号.419\n"));
}

} // namespace

// A NUL would end the name on disk: the slip would be saved as "…【10" and never be listed.
TEST(SaveCommand, RefusesControlCharactersInTheNameAndWritesNothing)
{
    TempProgramDir home;
    const QString outDir = home.path() + QStringLiteral("out");
    QDir().mkpath(outDir);
    QStringList nulNumber = fixtureLines();
    nulNumber[12] = QStringLiteral("10") + QChar(0) + QStringLiteral("23");
    const QString file = writeSlip(home.path(), "令和7年04月01日【1023】t.419", nulNumber);

    const CliRun run = runCli(home, {QStringLiteral("save"), file, outDir});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.errText(), QStringLiteral("miravo-cli: ") + file +
                                 ": line 13: 登録ファイル名に使用できない文字が含まれています。 "
                                 "\\ / : . ; * ? \" < > |\n");
    EXPECT_TRUE(QDir(outDir).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

// An I/O error that the disk reports only at the sync: the save fails with the system's text
// and the earlier file stays. strace injects the error into the real program.
TEST(SaveCommand, FailedSyncIsReportedAndKeepsTheEarlierFile)
{
    if (!straceWorks())
        GTEST_SKIP() << "strace cannot trace here: no fault to inject into the program";

    TempProgramDir home;
    const QString outDir = home.path() + QStringLiteral("out");
    QDir().mkpath(outDir);
    const QString target = outDir + u'/' + savedName;
    writeEarlierFile(target);

    QProcess process;
    process.start(QStringLiteral("strace"),
                  {"-f", "-o", "/dev/null", "-e", "trace=fdatasync", "-e",
                   "inject=fdatasync:error=EIO", QStringLiteral(MIRAVO_CLI), "--home", home.path(),
                   "save", fixtureSlip(), outDir});
    ASSERT_TRUE(process.waitForFinished(300000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(err, QStringLiteral("miravo-cli: ") + target + ": Input/output error\n")
        << err.toStdString();
    EXPECT_EQ(readFile(target), QByteArray("old"));
    EXPECT_EQ(QDir(outDir).entryList(QDir::Files | QDir::Hidden), QStringList{savedName});
}

TEST(SaveCommand, SavesASlipFromAFolderNamedLikeAnEstimateFile)
{
    // Only a file's own extension makes it estimate data; the folder's name does not.
    TempProgramDir home;
    const QString outDir = home.path() + QStringLiteral("out");
    QDir().mkpath(outDir);
    QDir(home.path()).mkdir(QStringLiteral("古い.MRV"));
    const QString file = writeSlip(home.path() + QStringLiteral("古い.MRV"),
                                   "令和7年04月01日【1】x.419", fixtureLines());
    const CliRun run = runCli(home, {QStringLiteral("save"), file, outDir});
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    // The slip's own content is saved, not a blank slip.
    const QString written = run.outText().trimmed();
    EXPECT_TRUE(written.startsWith(outDir + u'/')) << written.toStdString();
    EXPECT_TRUE(readFile(written).startsWith(Sjis::encode(fixtureLines().first() + "\r\n")));
}
