#include "cli_run.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

TEST(DocumentCommands, ReceiptDrawsTheProvisoTheDateAndThePattern)
{
    TempProgramDir home;
    home.writeLines(QStringLiteral("PRINT.INI"), {"[社名]=株式会社ミラボ", "[クロス模様]=1"});
    const QString ops = home.file(QStringLiteral("ops.json"));
    const CliRun run = runCli(home, {"receipt", fixtureSlip(), "--for", "お品代として", "--png",
                                     home.file("out"), "--ops", ops});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_TRUE(run.outText().trimmed().endsWith(QStringLiteral("山田商店-1.png")));
    const RecordedTexts texts = readOps(ops);
    ASSERT_EQ(texts.pages.size(), 1);
    EXPECT_EQ(texts.pages[0].count(QStringLiteral("お品代として")), 2);
    EXPECT_EQ(texts.pages[0].count(QStringLiteral("(控)")), 1);
    EXPECT_TRUE(texts.pages[0].contains(QStringLiteral("2025")));
    EXPECT_TRUE(texts.brushStyles.contains(QStringLiteral("diagonalCross")));
    // A4 portrait at 150 dpi.
    const QImage page(home.file(QStringLiteral("out/令和7年04月01日【10023】山田商店-1.png")));
    EXPECT_EQ(page.size(), QSize(1240, 1754));

    const CliRun small = runCli(home, {"receipt", fixtureSlip(), "--small", "--date-none", "--pdf",
                                       home.file("r.pdf"), "--ops", ops});
    ASSERT_EQ(small.exitCode, 0) << small.errText().toStdString();
    const RecordedTexts smallTexts = readOps(ops);
    EXPECT_TRUE(smallTexts.pages[0].contains(QStringLiteral("領　収　証(控)")));
    EXPECT_FALSE(smallTexts.pages[0].contains(QStringLiteral("2025")));
}

TEST(DocumentCommands, EnvelopeAnswersTheWindowQuestionAsTold)
{
    TempProgramDir home;
    home.writeLines(QStringLiteral("PRINT.INI"), {"[社名]=株式会社ミラボ"});
    // The fixture without its customer name and address lines.
    QStringList lines = fixtureLines();
    lines[0].clear();
    lines[1].clear();
    const QString slip = writeSlip(home.path(), QStringLiteral("窓.419"), lines);
    const QString ops = home.file(QStringLiteral("ops.json"));
    const auto envelope = [&](const QStringList &options) {
        const CliRun run =
            runCli(home, QStringList{"envelope", slip, "--pdf", home.file("e.pdf"), "--ops", ops} +
                             options);
        EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
        return readOps(ops).pages.value(0);
    };
    EXPECT_TRUE(envelope({}).contains(QStringLiteral("〒100-0001")));
    EXPECT_EQ(envelope({"--window"}), (QStringList{"株式会社ミラボ"}));
    EXPECT_EQ(envelope({"--window", "--long"}), (QStringList{"株式会社ミラボ"}));
    // The long envelope reminds of the paper; a headless run remembers no printer.
    const CliRun run =
        runCli(home, {"envelope", fixtureSlip(), "--long", "--pdf", home.file("l.pdf")});
    EXPECT_TRUE(run.errText().contains(QStringLiteral("封筒長形３号")));
    EXPECT_FALSE(home.exists(QStringLiteral("PRINTF.INI")));
}

} // namespace
