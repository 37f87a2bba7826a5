#include "cli_run.h"

#include "common/sjis.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A saved slip: its header lines with the tax mode and date given, then item lines with
// the amounts a recalculation stored.
QStringList slipLines(const QString &taxMode, const QStringList &amounts,
                      const QString &date = QStringLiteral("45748.5"))
{
    QStringList lines = {"山田商店", "東京都", "",      "100-0001", date,   "",     "見積",
                         "様",       "",       taxMode, "0",        "鈴木", "10023"};
    int row = 1;
    for (const QString &amount : amounts)
        lines << QStringLiteral("%1,,品%1,,,1,個,%2,,%2,,").arg(row++).arg(amount);
    lines << QString::number(row) + QStringLiteral(",,,,,,,,,,,");
    return lines;
}

QStringList rowNames(const QJsonArray &rows)
{
    QStringList names;
    for (const QJsonValue &row : rows)
        names << row.toArray().at(4).toString();
    return names;
}

class StatementCommand : public ::testing::Test
{
protected:
    QString slip(const QString &name, const QStringList &lines)
    {
        return writeSlip(folder.path(), name, lines);
    }

    TempProgramDir home;
    QTemporaryDir folder;
};

TEST_F(StatementCommand, PrintsTheCompiledStatementAsJson)
{
    home.writeLines("PRINT.INI", {"[端数処理]=2"});
    const QString a = slip("a.419", slipLines("0", {"1000", "999"}));
    const QString b = slip("b.419", slipLines("2", {"500"}));
    const QString c = slip("c.419", slipLines("1", {"10500"}));
    const CliRun run = runCli(home, {"statement", a, b, c, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    const QJsonObject statement = run.json().object();

    const QJsonArray rows = statement.value(u"rows").toArray();
    EXPECT_EQ(rowNames(rows), QStringList({"品1", "品2", "【消　費　税】", "品1", "品1",
                                           "【消　費　税】 (内税)　\\500"}));
    EXPECT_EQ(rows.at(2).toArray().at(10).toString(), "100"); // 99.95 rounded
    EXPECT_EQ(rows.at(3).toArray().at(0).toString(), "4");
    EXPECT_EQ(rows.at(3).toArray().at(1).toString(), "2025/04/01");

    const QJsonObject totals = statement.value(u"totals").toObject();
    EXPECT_EQ(totals.value(u"net").toString(), "12499");
    EXPECT_EQ(totals.value(u"tax").toString(), "600");
    EXPECT_EQ(totals.value(u"amountSum").toString(), "12999");
    EXPECT_EQ(totals.value(u"taxSum").toString(), "100");
    EXPECT_EQ(totals.value(u"costSum").toString(), "0");
    EXPECT_TRUE(totals.value(u"inclusive").toBool());
    EXPECT_EQ(statement.value(u"panels").toObject().value(u"3").toString(), "税込合計 = 13,099");
    EXPECT_EQ(statement.value(u"TOTALKIN").toString(), "\\12,999.-");
}

TEST_F(StatementCommand, LumpTaxAndItsRefusal)
{
    const QString a = slip("a.419", slipLines("2", {"1000"}));
    const QString b = slip("b.419", slipLines("2", {"1000"}));
    CliRun run = runCli(home, {"statement", a, b, "--lump-tax", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    const QJsonArray rows = run.json().object().value(u"rows").toArray();
    EXPECT_EQ(rowNames(rows), QStringList({"品1", "品1", "【消　費　税】"}));
    EXPECT_EQ(rows.at(2).toArray().at(10).toString(), "100");
    EXPECT_EQ(run.json().object().value(u"totals").toObject().value(u"tax").toString(), "100");

    const QString taxed = slip("c.419", slipLines("0", {"1000"}));
    run = runCli(home, {"statement", taxed, "--lump-tax", "--json"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.errText(),
              "miravo-cli: " + taxed + ": 消費税がすでに存在しますので中止します。\n");
}

TEST_F(StatementCommand, WritesTheTextExport)
{
    const QString a = slip("a.419", slipLines("0", {"1000"}));
    const QString out = QDir(folder.path()).filePath("meisai.txt");
    const CliRun run = runCli(home, {"statement", a, "--txt", out});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_EQ(run.outText(), out + "\n");
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = Sjis::decode(file.readAll()).split("\r\n");
    ASSERT_EQ(lines.size(), 9 + 31 + 1); // header block, title row and 30 rows, final CR LF
    EXPECT_EQ(lines.at(0), "ファイル名\t見積");
    EXPECT_EQ(lines.at(4), "敬称\t様");
    EXPECT_EQ(lines.at(8), "");
    EXPECT_EQ(lines.at(9),
              "№\t日付\t伝票№\t\t品名\t形状・寸法\t数量\t単位\t単価\t原単価\t金額\t原価"
              "計\t率\t");
    EXPECT_EQ(lines.at(11), "2\t2025/04/01\t10023\t\t【消　費　税】\t\t\t\t\t\t50\t\t\t");
}

TEST_F(StatementCommand, FilesThatCannotBeCompiled)
{
    const QString good = slip("a.419", slipLines("0", {"1000"}));
    const QString badDate = slip("b.419", slipLines("0", {"1000"}, "いつか"));
    const QString badAmount = slip("c.419", slipLines("0", {"1000", "1x"}));
    const QString missing = QDir(folder.path()).filePath("gone.419");
    struct Case
    {
        QStringList files;
        int exitCode;
        QString err;
    };
    const Case cases[] = {
        {{good, badDate}, 2, badDate + ": line 5: 日付の変換ができませんでした。"},
        {{badAmount}, 2, badAmount + ": line 15: '1x' は有効な数値ではありません。"},
        {{missing, good}, 0, "note: " + missing + "が見つかりません。"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.err.toStdString());
        const CliRun run = runCli(home, QStringList{"statement"} + c.files + QStringList{"--json"});
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.errText(), "miravo-cli: " + c.err + "\n");
    }
}

TEST_F(StatementCommand, DrawsTheStatementPagesAnsweringTheQuestionsFromTheOptions)
{
    const QString a = slip("a.419", slipLines("0", {"6000", "4000"}));
    const QString b = slip("b.419", slipLines("2", {"3000"}));
    const QString ops = home.file(QStringLiteral("ops.json"));
    const CliRun run =
        runCli(home, {"statement", a, b, "--form", "2", "--issue-date", "２０２６／１２／１１",
                      "--pay-date", "2026/12/25", "--previous", "10,000", "--received", "10,000",
                      "--png", home.file("out"), "--ops", ops});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_EQ(run.outText().count(QStringLiteral(".png\n")), 2);
    EXPECT_TRUE(QFileInfo::exists(home.file(QStringLiteral("out/a-2.png"))));
    const RecordedTexts texts = readOps(ops);
    ASSERT_EQ(texts.pages.size(), 2);
    for (const QStringList &page : texts.pages) {
        EXPECT_TRUE(page.contains(QStringLiteral("1/1")));
        EXPECT_TRUE(page.contains(QStringLiteral("2026/12/25")));
        // The period runs from the first slip's date to the last one's.
        EXPECT_TRUE(page.contains(QStringLiteral("2025/04/01～2025/04/01")));
        EXPECT_TRUE(page.contains(QStringLiteral("2026")));
        // Carried over: 10,000 - 10,000; this billing: 0 + 13,000 + 500.
        EXPECT_TRUE(page.contains(QStringLiteral("         0")));
        EXPECT_TRUE(page.contains(QStringLiteral("13,500")));
    }
    EXPECT_TRUE(texts.pages[1].contains(QStringLiteral("合計請求明細書(控)")));

    // Form 1 without the optional answers: the period as offered, no payment date.
    const CliRun form1 =
        runCli(home, {"statement", a, "--form", "1", "--issue-date", "令和8年12月11日", "--pdf",
                      home.file("s.pdf"), "--ops", ops});
    ASSERT_EQ(form1.exitCode, 0) << form1.errText().toStdString();
    EXPECT_TRUE(readOps(ops).pages[0].contains(QStringLiteral("10,500")));

    const CliRun wrong = runCli(
        home, {"statement", a, "--form", "1", "--issue-date", "12月", "--pdf", home.file("w.pdf")});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.errText(), "miravo-cli: " + a + ": 請求書発行日が不正です。\n");
    EXPECT_FALSE(QFileInfo::exists(home.file(QStringLiteral("w.pdf"))));
}

TEST_F(StatementCommand, UsageErrors)
{
    const QString a = slip("a.419", slipLines("0", {"1000"}));
    for (const QStringList &arguments :
         {QStringList{"statement", "--json"}, QStringList{"statement", a},
          QStringList{"statement", a, "--json", "--txt", "x.txt"},
          QStringList{"statement", a, "--pdf", "x.pdf"}, QStringList{"export", a},
          QStringList{"statement", a, "--issue-date", "2026/12/11", "--json"},
          QStringList{"statement", a, "--form", "3", "--issue-date", "2026/12/11", "--pdf", "x"},
          QStringList{"statement", a, "--form", "1", "--issue-date", "2026/12/11", "--json"},
          QStringList{"statement", a, "--form", "1", "--pdf", "x.pdf"},
          QStringList{"statement", a, "--form", "1", "--issue-date", "2026/12/11"},
          QStringList{"statement", a, "--form", "2", "--issue-date", "2026/12/11", "--previous",
                      "1", "--pdf", "x.pdf"},
          QStringList{"statement", a, "--form", "1", "--issue-date", "2026/12/11", "--previous",
                      "1", "--received", "1", "--pdf", "x.pdf"},
          QStringList{"render", a, "--json", "--layout", "5", "--kinds", "1"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        EXPECT_EQ(runCli(home, arguments).exitCode, 1);
    }
}

TEST(ExportCommand, WritesTheSlipWithItsHeaderBlock)
{
    TempProgramDir home;
    QTemporaryDir folder;
    const QString out = QDir(folder.path()).filePath("slip.txt");
    const CliRun run = runCli(home, {"export", fixtureSlip(), out});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = Sjis::decode(file.readAll()).split("\r\n");
    ASSERT_EQ(lines.size(), 13 + 31 + 1);
    EXPECT_EQ(lines.mid(8, 5), QStringList({"日付\t2025/04/01", "", "税区分\t外税", "消費税額\t64",
                                            "担当者\t鈴木"}));
    EXPECT_TRUE(lines.at(13).startsWith("№\t類\t品名\t\t"));
    EXPECT_EQ(lines.at(14), "1\tA\tボルト M8\t\tｽﾃﾝﾚｽ\t10\t本\t120\t80\t1200\t800\t66.6\t");
}

} // namespace
