#include "cli_run.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

TEST(Usage, HelpDocumentsEveryCommandAndVersionNamesTheProgram)
{
    TempProgramDir home;
    const CliRun help = runCli(home, {QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    for (const char *text : {"calc FILE",
                             "save FILE OUTDIR",
                             "render FILE",
                             "--layout",
                             "--kinds",
                             "--a5",
                             "--date-none",
                             "--pdf",
                             "--png",
                             "--dpi",
                             "--wmf",
                             "--jpeg",
                             "--ops",
                             "--home DIR",
                             "--version",
                             "receipt FILE",
                             "--small",
                             "--for TEXT",
                             "envelope FILE",
                             "--long",
                             "--window",
                             "--form 1|2",
                             "--issue-date D",
                             "--pay-date D",
                             "--previous N --received N"})
        EXPECT_TRUE(help.outText().contains(QLatin1String(text))) << text;

    const CliRun version = runCli(home, {QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.outText(), QStringLiteral("miravo-cli " MIRAVO_VERSION "\n"));
}

TEST(Usage, MistakesInTheCommandLineAreUsageErrors)
{
    struct Case
    {
        QStringList arguments;
        const char *message;
    };
    const QString slip = fixtureSlip();
    const QStringList render = {"render", slip};
    const Case cases[] = {
        {{}, "no command given"},
        {{"print", slip}, "unknown command 'print'"},
        {{"calc"}, "calc takes one slip file"},
        {{"calc", slip, "--pdf", "x.pdf"}, "calc takes no option --pdf"},
        {{"save", slip}, "save takes a slip file and a folder"},
        {render + QStringList{"--layout", "6", "--kinds", "1", "--pdf", "a.pdf"},
         "unknown layout '6'"},
        {render + QStringList{"--layout", "5", "--kinds", "17", "--pdf", "a.pdf"},
         "--kinds '17': slip kinds are digits 1 to 6"},
        {render + QStringList{"--layout", "5", "--kinds", "11", "--pdf", "a.pdf"},
         "--kinds '11': kind 1 given twice"},
        {render + QStringList{"--layout", "5", "--pdf", "a.pdf"}, "render needs --kinds"},
        {render + QStringList{"--layout", "5", "--kinds", "1"}, "render needs exactly one of"},
        {render + QStringList{"--layout", "5", "--kinds", "1", "--pdf", "a.pdf", "--png", "d"},
         "render needs exactly one of"},
        {render + QStringList{"--layout", "5", "--kinds", "1", "--pdf", "a.pdf", "--dpi", "300"},
         "--dpi applies to --png only"},
        {render + QStringList{"--layout", "5", "--kinds", "1", "--png", "d", "--dpi", "many"},
         "--dpi 'many'"},
        {render + QStringList{"--layout", "5", "--kinds", "1", "--pdf"},
         "option --pdf needs a value"},
        {render + QStringList{"--layout", "5", "--kinds", "1", "--pdf", "a.pdf", "--color"},
         "unknown option '--color'"},
        {render + QStringList{"--layout", "5", "--kinds", "1", "--pdf", "a.pdf", "--small"},
         "render takes no option --small"},
        {{"receipt", slip, "--wmf", "d"}, "receipt: receipts and envelopes are not written as WMF"},
        {{"receipt", slip, "--small"}, "receipt needs exactly one of --pdf, --png"},
        {{"receipt", slip, "--long", "--pdf", "a.pdf"}, "receipt takes no option --long"},
        {{"envelope", slip, "--for", "x", "--pdf", "a.pdf"}, "envelope takes no option --for"},
        {{"envelope", "--pdf", "a.pdf"}, "envelope takes one slip file"},
    };
    TempProgramDir home;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const CliRun run = runCli(home, c.arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(
            run.errText().startsWith(QStringLiteral("miravo-cli: ") + QString::fromUtf8(c.message)))
            << run.errText().toStdString();
    }
}

// --home may stand anywhere on the command line, as "--home DIR" or "--home=DIR".
TEST(Usage, HomeMayFollowTheCommand)
{
    TempProgramDir home;
    home.writeLines(QStringLiteral("PRINT.INI"), {QStringLiteral("[端数処理]=1")});
    for (const QStringList &homeArguments :
         {QStringList{"--home", home.path()}, QStringList{"--home=" + home.path()}}) {
        QProcess process;
        process.start(QStringLiteral(MIRAVO_CLI),
                      QStringList{QStringLiteral("calc"), fixtureSlip()} + homeArguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0);
        const QJsonObject slip = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
        // 3 × 33.3 rounded up by the directory's rounding mode.
        EXPECT_EQ(slip.value(u"rows").toArray().at(1).toArray().at(9).toString(),
                  QStringLiteral("100"));
    }
}

} // namespace
