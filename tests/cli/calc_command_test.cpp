#include "cli_run.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList cells(const QJsonValue &row)
{
    QStringList texts;
    for (const QJsonValue &cell : row.toArray())
        texts << cell.toString();
    return texts;
}

TEST(CalcCommand, PrintsTheRecalculatedSlipAsJson)
{
    TempProgramDir home;
    const CliRun run = runCli(home, {QStringLiteral("calc"), fixtureSlip()});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    const QJsonObject slip = run.json().object();

    const QJsonObject header = slip.value(u"header").toObject();
    EXPECT_EQ(header.value(u"NAME1").toString(), QStringLiteral("山田商店"));
    EXPECT_EQ(header.value(u"ADD1").toString(), QStringLiteral("東京都千代田区1-1"));
    EXPECT_EQ(header.value(u"ADD_2").toString(), QStringLiteral("髙橋ビル３Ｆ"));
    EXPECT_EQ(header.value(u"YUBIN").toString(), QStringLiteral("100-0001"));
    EXPECT_EQ(header.value(u"DTP1").toString(), QStringLiteral("2025-04-01T12:00:00"));
    EXPECT_EQ(header.value(u"NAME2").toString(), QStringLiteral("営業部"));
    EXPECT_EQ(header.value(u"TITLE").toString(), QStringLiteral("山田商店"));
    EXPECT_EQ(header.value(u"KEISYOU").toString(), QStringLiteral("様"));
    EXPECT_EQ(header.value(u"taxMode").toInt(-1), 0);
    EXPECT_EQ(header.value(u"Tanto").toString(), QStringLiteral("鈴木"));
    EXPECT_EQ(header.value(u"Bangou").toString(), QStringLiteral("10023"));

    const QJsonArray rows = slip.value(u"rows").toArray();
    ASSERT_EQ(rows.size(), 30) << "a slip opens with at least the 30 rows of a blank slip";
    const QStringList row1 = {"1",  "A",   "ボルト M8", "",     "ｽﾃﾝﾚｽ", "10",
                              "本", "120", "80",        "1200", "800",   "66.6"};
    EXPECT_EQ(cells(rows.at(0)), row1);
    EXPECT_EQ(cells(rows.at(1)).mid(9), (QStringList{"99", "60", "60.6"}));
    EXPECT_EQ(cells(rows.at(2)).mid(9), (QStringList{"500", "", ""}));
    EXPECT_EQ(cells(rows.at(29)), (QStringList{"30", "", "", "", "", "", "", "", "", "", "", ""}));

    const QJsonObject totals = slip.value(u"totals").toObject();
    EXPECT_EQ(totals.value(u"item").toString(), QStringLiteral("1799"));
    EXPECT_EQ(totals.value(u"taxable").toString(), QStringLiteral("1299"));
    EXPECT_EQ(totals.value(u"cost").toString(), QStringLiteral("860"));
    EXPECT_EQ(slip.value(u"TOTALKIN").toString(), QStringLiteral("\\1,799.-"));

    const QJsonObject panels = slip.value(u"panels").toObject();
    EXPECT_EQ(panels.value(u"2").toString(), QStringLiteral("消費税 = 64"));
    EXPECT_EQ(panels.value(u"3").toString(), QStringLiteral("税込合計 = 1,863"));
    EXPECT_EQ(panels.value(u"4").toString(), QStringLiteral("原価計 = 860"));
    EXPECT_EQ(panels.value(u"5").toString(), QStringLiteral("粗利計 = 939"));
    EXPECT_EQ(panels.value(u"6").toString(), QStringLiteral("原価率 = 47.8%"));
}

// The program directory's PRINT.INI decides rounding, zero printing and the rate shown.
TEST(CalcCommand, UsesTheSettingsOfTheProgramDirectory)
{
    struct Case
    {
        const char *name;
        QStringList printIni;
        QStringList taxLine; // line 10 of the slip
        QString row2Amount;
        QString panel2;
        QString panel6;
    };
    const Case cases[] = {
        {"truncate", {}, {"0"}, "99", "消費税 = 64", "原価率 = 47.8%"},
        {"round up", {"[端数処理]=1"}, {"0"}, "100", "消費税 = 65", "原価率 = 47.7%"},
        {"half up", {"[端数処理]=2"}, {"0"}, "100", "消費税 = 65", "原価率 = 47.7%"},
        {"profit rate", {"[利益率]=1"}, {"0"}, "99", "消費税 = 64", "利益率 = 52.1%"},
        {"inclusive", {}, {"1"}, "99", "消費税 = 61", "原価率 = 49.4%"},
        {"exempt", {}, {"2"}, "99", "", "原価率 = 47.8%"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramDir home;
        home.writeLines(QStringLiteral("PRINT.INI"), c.printIni);
        QStringList lines = fixtureLines();
        lines[9] = c.taxLine.first();
        const QString slip =
            writeSlip(home.path(), QStringLiteral("令和7年04月01日【10023】山田商店.419"), lines);
        const CliRun run = runCli(home, {QStringLiteral("calc"), slip});
        ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
        const QJsonObject json = run.json().object();
        EXPECT_EQ(json.value(u"rows").toArray().at(1).toArray().at(9).toString(), c.row2Amount);
        const QJsonObject panels = json.value(u"panels").toObject();
        EXPECT_EQ(panels.value(u"2").toString(), c.panel2);
        EXPECT_EQ(panels.value(u"6").toString(), c.panel6);
    }
}

// The older layout gives only name, date, title, person and number; the honorific and tax
// mode stay as the program starts (remembered in SEIKYUU.INI).
TEST(CalcCommand, ReadsTheLegacyLayout)
{
    TempProgramDir home;
    home.writeLines(QStringLiteral("SEIKYUU.INI"), {QStringLiteral("[内税]=1")});
    const CliRun run = runCli(home, {QStringLiteral("calc"), fixtureLegacySlip()});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    const QJsonObject header = run.json().object().value(u"header").toObject();
    EXPECT_EQ(header.value(u"NAME1").toString(), QStringLiteral("古川工業"));
    EXPECT_EQ(header.value(u"ADD1").toString(), QString());
    EXPECT_EQ(header.value(u"DTP1").toString().left(10), QStringLiteral("2004-03-15"));
    EXPECT_EQ(header.value(u"TITLE").toString(), QStringLiteral("古い見積"));
    EXPECT_EQ(header.value(u"KEISYOU").toString(), QStringLiteral("様"));
    EXPECT_EQ(header.value(u"Bangou").toString(), QStringLiteral("00042"));
    EXPECT_EQ(header.value(u"taxMode").toInt(-1), 1);
    EXPECT_EQ(run.json().object().value(u"TOTALKIN").toString(), QStringLiteral("\\3,000.-"));
}

TEST(CalcCommand, ReportsFilesItCannotUseWithFileAndLine)
{
    TempProgramDir home;
    QStringList badDate = fixtureLines();
    badDate[4] = QStringLiteral("いつか");
    QStringList overflow = fixtureLines();
    overflow[14] = QStringLiteral("2,,ナット,,,99999999999,個,99999999999,20,,,");
    const QString folder = home.path();
    struct Case
    {
        const char *name;
        QString file;
        QString expected; // the error line after "miravo-cli: "
    };
    const Case cases[] = {
        {"missing", folder + "none.419", folder + "none.419: no such file"},
        {"not a slip", writeSlip(folder, "notes.txt", {"x"}),
         folder + "notes.txt: not a slip file"},
        {"bad date", writeSlip(folder, "令和7年04月01日【1】日付.419", badDate),
         folder + "令和7年04月01日【1】日付.419: line 5: 日付の変換ができませんでした。"},
        {"overflow", writeSlip(folder, "令和7年04月01日【1】桁.419", overflow),
         folder + "令和7年04月01日【1】桁.419: line 15: 桁オーバーです。"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = runCli(home, {QStringLiteral("calc"), c.file});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.errText().startsWith(QStringLiteral("miravo-cli: ") + c.expected))
            << run.errText().toStdString();
        EXPECT_EQ(run.errText().count(u'\n'), 1) << "one message, one line";
    }
}

} // namespace

TEST(CalcCommand, ReportsTheTaxOfEachRate)
{
    struct Case
    {
        const char *name;
        QStringList printIni;
        QString byRate; // rate:taxable:tax of each entry
        QString panel2;
    } const cases[] = {
        {"rates of today",
         {"[消費税率]=10", "[軽減税率]=8"},
         "10:12000:1200 8:8280:662",
         "消費税 = 1,862（10%：1,200　8%：662）"},
        {"rates left empty", {}, "5:12000:600 8:8280:662", "消費税 = 1,262（5%：600　8%：662）"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramDir home;
        if (!c.printIni.isEmpty())
            home.writeLines("PRINT.INI", c.printIni);
        const CliRun run = runCli(home, {QStringLiteral("calc"), fixtureReducedRateSlip()});
        ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
        const QJsonObject slip = run.json().object();
        QStringList entries;
        for (const QJsonValue &entry :
             slip.value(u"totals").toObject().value(u"byRate").toArray()) {
            const QJsonObject rate = entry.toObject();
            entries << QString::number(rate.value(u"rate").toInt()) + u':' +
                           rate.value(u"taxable").toString() + u':' + rate.value(u"tax").toString();
        }
        EXPECT_EQ(entries.join(u' '), c.byRate);
        EXPECT_EQ(slip.value(u"panels").toObject().value(u"2").toString(), c.panel2);
    }
}
