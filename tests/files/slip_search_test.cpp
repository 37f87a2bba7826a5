#include "common/miravo_error.h"
#include "common/sjis.h"
#include "files/search_commands.h"
#include "files/slip_search.h"
#include "support/scripted_prompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using SlipSearch::Terms;

QByteArray sjisLines(const QStringList &lines)
{
    return Sjis::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

// The slip file list and the window around the search, recording what the commands do.
class FakeSearchHost final : public SearchHost
{
public:
    QStringList paths;
    int selected = -1;
    QStringList events; // "select N", "open N", "refresh"
    QString fileText;
    QString label29;
    bool cancel = false;

    QStringList slipFilePaths() const override { return paths; }
    int selectedSlipFile() const override { return selected; }
    void selectSlipFile(int index) override
    {
        selected = index;
        events << QStringLiteral("select %1").arg(index);
    }
    void refreshSlipFiles() override { events << QStringLiteral("refresh"); }
    void openSlipFile(int index) override { events << QStringLiteral("open %1").arg(index); }
    void setFileText(const QString &text) override { fileText = text; }
    void setLabel29(const QString &text) override { label29 = text; }
    void processPendingEvents() override {}
    bool cancelRequested() const override { return cancel; }
    void setCancelRequested(bool requested) override { cancel = requested; }
};

// A folder of four slips, oldest first, as the file list shows them.
class SlipSearchTest : public ::testing::Test
{
protected:
    SlipSearchTest()
    {
        const QStringList contents[] = {
            {"山田商店", "ボルト,10,本"},
            {"佐藤工務店", "ドライバー,1,本"},
            {"株式会社山田商店", "塔屋工事", "ナット,20,個"},
            {"鈴木", "ワッシャー"},
        };
        for (int index = 0; index < 4; ++index) {
            const QString path =
                QDir(folder.path())
                    .filePath(QStringLiteral("令和7年04月0%1日【%1】slip.419").arg(index + 1));
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(sjisLines(contents[index]));
            host.paths << path;
        }
    }

    ScriptedPrompter prompts;
    QTemporaryDir folder;
    FakeSearchHost host;
};

TEST(SlipSearchTerms, MatchWholeCharactersAnywhereInTheText)
{
    struct Case
    {
        const char *name;
        QStringList terms;
        QStringList lines;
        bool hit;
    };
    const Case cases[] = {
        {"part of a longer word", {"山田"}, {"株式会社山田商店"}, true},
        {"terms on different lines", {"山田", "ボルト"}, {"山田商店", "x", "ボルト,10"}, true},
        {"four of five terms",
         {"山田", "ボルト", "10", "本", "ナット"},
         {"山田", "ボルト,10,本"},
         false},
        {"case-sensitive", {"abc"}, {"ABC"}, false},
        {"half-width is not full-width", {"10"}, {"１０"}, false},
        // 塔屋 is 93 83 89 AE in CP932; ラ is 83 89, the second byte of 塔 and the first of 屋.
        {"bytes across two characters", {"ラ"}, {"塔屋工事"}, false},
        {"the same bytes later on a boundary", {"ラ"}, {"塔屋工事 ドライバー"}, true},
        {"after half-width katakana", {"ｱ山"}, {"ｱ山田"}, true},
        {"a character CP932 cannot hold", {"山😀"}, {"山?"}, false},
        {"empty terms take no part", {"", "山田", "", "", ""}, {"山田"}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Terms(c.terms).foundInText(sjisLines(c.lines)), c.hit);
    }
    EXPECT_TRUE(Terms({"", "", "", "", ""}).isEmpty());
}

TEST(SlipSearchTerms, FindTermsInLargeFilesAcrossTheirPieces)
{
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath("large.419");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // A line of double-byte characters that runs over the first 64 KiB piece, the term
    // spanning the cut, and a second term only at the very end without a line end.
    QByteArray text = QByteArray("x") + Sjis::encode(QString(32767, QChar(u'塔'))) + "\r\n";
    text.insert(65535, Sjis::encode(QStringLiteral("ボルト")));
    text += Sjis::encode(QStringLiteral("最後"));
    file.write(text);
    file.close();
    EXPECT_TRUE(Terms({"ボルト", "最後"}).foundIn(path));
    EXPECT_FALSE(Terms({"ボルト", "最後", "無い"}).foundIn(path));
    EXPECT_THROW(Terms({"a"}).foundIn(path + ".none"), IoError);
}

TEST_F(SlipSearchTest, ContentSearchWalksInItsDirectionAndLoadsTheHit)
{
    struct Case
    {
        const char *name;
        SearchStart start;
        int selected;
        QStringList terms;
        QStringList events;
        QStringList messages;
        QString fileText;
    };
    const QString none = QStringLiteral("info: 該当するデータはありません。");
    const Case cases[] = {
        {"検索 from the newest",
         SearchStart::Search,
         0,
         {"山田商店"},
         {"select 3", "select 2", "open 2"},
         {"beep"},
         "現在ﾌｧｲﾙ№[ 3 ] / データ総数[ 4 ]件"},
        {"次検索 goes on towards the first",
         SearchStart::Next,
         2,
         {"山田商店"},
         {"select 1", "select 0", "open 0"},
         {"beep", "beep"},
         "現在ﾌｧｲﾙ№[ 1 ] / データ総数[ 4 ]件"},
        {"前検索 from the second-to-last tests the last",
         SearchStart::Previous,
         2,
         {"ワッシャー"},
         {"select 3", "open 3"},
         {"beep", "beep"},
         "現在ﾌｧｲﾙ№[ 4 ] / 見積総数[ 4 ]件"},
        {"次検索 without a hit",
         SearchStart::Next,
         2,
         {"無い"},
         {"select 1", "select 0"},
         {"beep", none},
         "現在ﾌｧｲﾙ№[ 1 ] / 見積総数[ 4 ]件"},
        {"前検索 without a hit",
         SearchStart::Previous,
         1,
         {"無い"},
         {"select 2", "select 3"},
         {"beep", "info: これ以上ありません。"},
         "現在ﾌｧｲﾙ№[ 4 ] / 見積総数[ 4 ]件"},
        {"次検索 on the first file searches nothing",
         SearchStart::Next,
         0,
         {"山田"},
         {},
         {"beep", "info: これ以上はありません。"},
         ""},
        {"前検索 on the last file searches nothing",
         SearchStart::Previous,
         3,
         {"山田"},
         {},
         {"beep", "info: これ以上はありません。"},
         ""},
        {"all five terms empty", SearchStart::Search, 1, {"", "", "", "", ""}, {}, {}, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        host.selected = c.selected;
        host.events.clear();
        host.fileText.clear();
        host.cancel = true; // left over from an earlier 閉じる: a new search clears it
        prompts.log.clear();
        SearchCommands::KENSAKU(c.start, c.terms, host);
        EXPECT_EQ(host.events, c.events);
        EXPECT_EQ(prompts.log, c.messages);
        EXPECT_EQ(host.fileText, c.fileText);
    }
}

TEST_F(SlipSearchTest, ContentSearchOverAnEmptyListDoesNothing)
{
    host.paths.clear();
    SearchCommands::KENSAKU(SearchStart::Search, {"山田"}, host);
    EXPECT_TRUE(prompts.log.isEmpty());
    EXPECT_TRUE(host.events.isEmpty());
}

TEST_F(SlipSearchTest, FileNameSearchMatchesTheFullPath)
{
    struct Case
    {
        const char *name;
        SearchStart start;
        int selected;
        QString text;
        QStringList events;
        QStringList messages;
        QString label29;
    };
    const QString folderName = QDir(folder.path()).dirName();
    const Case cases[] = {
        {"a text of the folder path matches the first file tested",
         SearchStart::Search,
         0,
         folderName,
         {"refresh", "select 3", "open 3"},
         {"beep"},
         "[ 4 / 4 ]"},
        {"> 次検索 towards the first",
         SearchStart::Next,
         3,
         "【1】",
         {"select 2", "select 1", "select 0", "open 0"},
         {"beep"},
         "[ 1 / 4 ]"},
        {"< 前検索 without a match reselects the start",
         SearchStart::Previous,
         1,
         "【1】",
         {"select 2", "select 3", "select 1"},
         {"beep", "info: これ以上ありません。"},
         ""},
        {">>検索 without a match",
         SearchStart::Search,
         2,
         "無い",
         {"refresh", "select 3", "select 2", "select 1", "select 0"},
         {"beep", "info: 見つかりませんでした。"},
         "[  / 4 ]"},
        {"> 次検索 on the first file",
         SearchStart::Next,
         0,
         "slip",
         {},
         {"beep", "info: これ以上ありません。"},
         ""},
        {"empty text", SearchStart::Search, 0, "", {}, {}, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        host.selected = c.selected;
        host.events.clear();
        host.label29.clear();
        prompts.log.clear();
        SearchCommands::fileNameSearch(c.start, c.text, host);
        EXPECT_EQ(host.events, c.events);
        EXPECT_EQ(prompts.log, c.messages);
        EXPECT_EQ(host.label29, c.label29);
    }

    host.paths.clear();
    prompts.log.clear();
    SearchCommands::fileNameSearch(SearchStart::Search, "slip", host);
    EXPECT_EQ(prompts.log, (QStringList{"beep", "info: ファイルがありません。"}));
    EXPECT_EQ(SearchCommands::groupedCount(12345), "12,345");
}

TEST_F(SlipSearchTest, AllHitsComeNewestFirst)
{
    EXPECT_EQ(SlipSearch::allContentHits(host.paths, Terms({"山田", "本"})), (QList<int>{0}));
    EXPECT_EQ(SlipSearch::allContentHits(host.paths, Terms({"山田"})), (QList<int>{2, 0}));
    EXPECT_EQ(SlipSearch::allNameHits(host.paths, "令和7年"), (QList<int>{3, 2, 1, 0}));
    EXPECT_TRUE(SlipSearch::allContentHits(host.paths, Terms({""})).isEmpty());
}

} // namespace
