#include "cli_run.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

// Three slips and an estimate, oldest first in the file list's order.
class SearchCommand : public ::testing::Test
{
protected:
    SearchCommand()
    {
        QDir().mkpath(folder);
        add("令和7年04月01日【1】山田.419", {"山田商店", "", "", "", "45748", "", "", "", "", "0",
                                             "0", "", "1", "1,,ボルト,,,10,本,25,,,,"});
        add("令和7年04月02日【2】塔屋.419", {"塔屋工事", "", "", "", "45749", "", "", "", "", "0",
                                             "0", "", "2", "1,,ナット,,,1,個,9,,,,"});
        add("令和7年04月03日【3】山田.419", {"山田商店", "", "", "", "45750"});
        QStringList estimate = {"見積先", "", "", "件名"};
        for (int line = 5; line <= 20; ++line)
            estimate << (line == 15 ? "1" : "");
        add("令和7年04月04日【4】棚.MRV",
            estimate + QStringList{"9,A,f2,f3,f4,f5,f6,ラック,,,2,台,1000,800"});
    }

    void add(const QString &name, const QStringList &lines)
    {
        paths << writeSlip(folder, name, lines);
    }
    QString expected(std::initializer_list<int> indexes) const
    {
        QString out;
        for (const int index : indexes)
            out += paths.at(index) + u'\n';
        return out;
    }

    TempProgramDir home;
    QString folder = home.path() + QStringLiteral("slips");
    QStringList paths;
};

TEST_F(SearchCommand, PrintsTheMatchingSlipsNewestFirst)
{
    struct Case
    {
        const char *name;
        QStringList arguments;
        QString out;
    };
    const Case cases[] = {
        {"one term", {"山田"}, expected({2, 0})},
        {"terms on different lines", {"山田", "ボルト"}, expected({0})},
        {"a term only across two characters", {"ラ"}, expected({3})},
        {"the file name", {"--name", "山田"}, expected({2, 0})},
        {"the folder path", {"--name=slips"}, expected({3, 2, 1, 0})},
        {"no match", {"無い"}, ""},
        {"empty terms only", {"", ""}, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = runCli(home, QStringList{"search", folder} + c.arguments);
        EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
        EXPECT_EQ(run.outText(), c.out);
        EXPECT_TRUE(run.err.isEmpty()) << run.errText().toStdString();
    }
}

TEST_F(SearchCommand, RefusesWhatItCannotSearch)
{
    struct Case
    {
        QStringList arguments;
        int exitCode;
        QString error;
    };
    const Case cases[] = {
        {{"search"}, 1, "search takes a folder"},
        {{"search", folder}, 1, "search needs at least one term or --name TEXT"},
        {{"search", folder, "1", "2", "3", "4", "5", "6"}, 1, "search takes at most 5 terms"},
        {{"search", folder, "a", "--name", "b"}, 1, "search takes terms or --name TEXT, not both"},
        {{"search", folder, "--layout", "5"}, 1, "search takes no option --layout"},
        {{"search", home.path() + "none", "a"}, 2, home.path() + "none: not a folder"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CliRun run = runCli(home, c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.errText().startsWith("miravo-cli: " + c.error))
            << run.errText().toStdString();
    }
}

TEST_F(SearchCommand, CalcImportsAnEstimateAndNotesItsOtherTaxMode)
{
    const CliRun run = runCli(home, {"calc", paths.at(3)});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    const QJsonObject slip = run.json().object();
    EXPECT_EQ(slip["header"]["NAME1"].toString(), "見積先");
    EXPECT_EQ(slip["header"]["TITLE"].toString(), "棚");
    EXPECT_EQ(slip["header"]["taxMode"].toInt(), 0);
    EXPECT_EQ(slip["rows"][0][2].toString(), "ラック");
    EXPECT_EQ(slip["rows"][0][9].toString(), "2000");
    EXPECT_EQ(run.errText(),
              "miravo-cli: note: " + paths.at(3) +
                  ": 読み込んだ「見積データ」の処理方法が現在の処理方法と異なります。 "
                  "※読み込んだ「見積データ」の処理方法は 消費税処理 [ 内税 ] です。\n");
}

} // namespace
