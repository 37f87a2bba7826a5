#include "common/clock.h"
#include "common/miravo_error.h"
#include "common/sjis.h"
#include "files/slip_commands.h"
#include "files/slip_file.h"
#include "slip/slip.h"
#include "slip/string_grid.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"
#include "support/write_failure.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString folderQuestionEnd =
    QStringLiteral("＞に保存します。\r\nよろしいですか？\r\n\r\n『 いいえ "
                   "』を選ぶとファイルBOXが開きます。その後\r\n"
                   "登録してください。");
const QString forbiddenMessage = QStringLiteral(
    "info: 登録ファイル名に使用できない文字が含まれています。\r\n\r\n\\ / : . ; * ? \" < > |");
const QDateTime now(QDate(2026, 12, 9), QTime(10, 30));

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The window around the slip, recording what the commands asked of it.
class FakeWindow : public SlipWindow
{
public:
    explicit FakeWindow(QStringList &events)
        : m_events(events)
    {}

    std::function<bool(const QString &)> refuses = [](const QString &) { return false; };
    std::function<void(const QString &)> folderChange = [](const QString &) {};

    void toggleFilePanel() override { m_events << "toggle panel"; }
    void hideFilePanel() override { m_events << "hide panel"; }
    void automaticFolderChange(const QString &NAME1) override { folderChange(NAME1); }
    void refreshFileListsSelectingLast() override { m_events << "refresh lists"; }
    void showInFileBrowser(const QString &path) override { m_events << "select " + path; }
    void hideTotalsGrid() override { m_events << "hide totals"; }
    bool refusesSaving(const QString &folder) override { return refuses(folder); }
    void showCalculation(const KeisanResult &) override { m_events << "recalculate"; }
    void showEstimateDifference(const QString &message) override
    {
        m_events << "difference " + message;
    }

private:
    QStringList &m_events;
};

// Line 11 of a written slip file: the consumption tax.
QByteArray taxLineOf(const QString &path)
{
    return contentOf(path).split('\n').at(10);
}

class SlipCommands : public ::testing::Test
{
public:
    void SetUp() override
    {
        Clock::setFixedNow(now);
        slip.setFolder(slips.path());
        header = {};
        header.NAME1 = "山田商店";
        header.TITLE = "山田商店＞";
        header.Bangou = "10023";
        header.KEISYOU = "御中";
        header.DTP1 = now;
        items.setRowCells(1, {"1", "", "ボルト", "", "", "10", "本", "25", "", "250", "", ""});
        for (int row = 2; row <= 30; ++row)
            items.setCell(0, row, QString::number(row));
        window.refuses = [](const QString &) { return false; };
        window.folderChange = [](const QString &) {};
    }
    void TearDown() override { Clock::setFixedNow(QDateTime()); }

    QString folder() const { return slip.folder(); }
    QString expectedPath() const
    {
        return QDir(folder()).filePath(QStringLiteral("令和8年12月09日【10023】山田商店＞.419"));
    }
    QStringList slipFiles() const { return QDir(folder()).entryList(QDir::Files); }
    QString folderQuestion() const
    {
        return "question: フォルダ名＜" + QDir::toNativeSeparators(folder()) + folderQuestionEnd;
    }
    void answer(std::initializer_list<bool> answers)
    {
        prompts.answers.clear();
        for (const bool yes : answers)
            prompts.answers.enqueue(yes);
    }

    TempProgramDir programDir;
    ScriptedPrompter prompts;
    QTemporaryDir slips;
    Slip slip;
    SlipHeader &header = slip.header;
    StringGrid &items = slip.items();
    SlipState &state = slip.state;
    QStringList events;
    FakeWindow window{events};
};

} // namespace

TEST_F(SlipCommands, FileNameCheckRefusesHalfWidthCharactersOnly)
{
    struct Case
    {
        const char *bangou;
        const char *title;
        SlipField focus;
    } const cases[] = {
        {"A/1", "見積", SlipField::Bangou},
        {"A:1", "a.b", SlipField::Bangou}, // the number is checked first
        {"10023", "見積?", SlipField::TITLE},
        {"Ａ／１", "見積．＊？", SlipField::None},
        {"", "<b>|", SlipField::TITLE},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.bangou);
        prompts.log.clear();
        header.Bangou = QString::fromUtf8(c.bangou);
        header.TITLE = QString::fromUtf8(c.title);
        EXPECT_EQ(FNAME_CHECK(header), c.focus);
        EXPECT_EQ(prompts.log,
                  c.focus == SlipField::None ? QStringList() : QStringList{forbiddenMessage});
    }
}

TEST_F(SlipCommands, FileNameCheckRefusesControlCharacters)
{
    struct Case
    {
        const char *name;
        QString bangou;
        QString title;
        SlipField focus;
    } const cases[] = {
        {"NUL in the number", QStringLiteral("10") + QChar(0) + QStringLiteral("23"), "t",
         SlipField::Bangou},
        {"tab in the title", "10023", QStringLiteral("見\t積"), SlipField::TITLE},
        {"line feed in the title", "10023", QStringLiteral("見積\n"), SlipField::TITLE},
        {"DEL in the number", QStringLiteral("1\x7F"), "t", SlipField::Bangou},
        {"unit separator in the title", "10023", QStringLiteral("\x1F"), SlipField::TITLE},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        prompts.log.clear();
        header.Bangou = c.bangou;
        header.TITLE = c.title;
        EXPECT_EQ(FNAME_CHECK(header), c.focus);
        EXPECT_EQ(prompts.log, QStringList{forbiddenMessage});
    }
}

TEST_F(SlipCommands, AnOrdinaryFolderIsWritable)
{
    EXPECT_FALSE(isReadOnlyOrOpticalVolume(folder()));
}

TEST_F(SlipCommands, RefusedNameMovesTheFocusAndWritesNothing)
{
    header.Bangou = "A/1";
    const SaveResult result = slip.save(window);
    EXPECT_FALSE(result.saved);
    EXPECT_EQ(result.focus, SlipField::Bangou);
    EXPECT_EQ(prompts.log, QStringList{forbiddenMessage});
    EXPECT_TRUE(slipFiles().isEmpty());

    header.Bangou = "Ａ／１";
    answer({true});
    EXPECT_TRUE(slip.save(window).saved);
    EXPECT_EQ(slipFiles(), QStringList{"令和8年12月09日【Ａ／１】山田商店＞.419"});
}

TEST_F(SlipCommands, SavingStopsWithoutWritingOnEachRefusal)
{
    struct Case
    {
        const char *name;
        std::function<void(SlipCommands &)> arrange;
        QStringList log;
        QStringList events;
    } const cases[] = {
        {"statement mode", [](SlipCommands &t) { t.state.statementMode = true; }, {}, {}},
        {"optical volume",
         [](SlipCommands &t) { t.window.refuses = [](const QString &) { return true; }; },
         {"warning: CD-ROMにはファイルを保存できません。\r\nドライブを変更してください。"},
         {"toggle panel"}},
        {"empty title",
         [](SlipCommands &t) { t.header.TITLE.clear(); },
         {"info: 登録タイトル名が未入力です。"},
         {}},
        {"folder declined",
         [](SlipCommands &t) { t.answer({false}); },
         {"%folder"},
         {"toggle panel"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        // A fresh slip and fresh hooks for each refusal.
        SetUp();
        answer({});
        prompts.log.clear();
        events.clear();
        state = {};
        c.arrange(*this);
        const SaveResult result = slip.save(window);
        EXPECT_FALSE(result.saved);
        QStringList expectedLog = c.log;
        expectedLog.replaceInStrings("%folder", folderQuestion());
        EXPECT_EQ(prompts.log, expectedLog);
        EXPECT_EQ(events, c.events);
        EXPECT_TRUE(slipFiles().isEmpty());
    }
}

TEST_F(SlipCommands, ATitleTooLongForAFileNameIsRefusedBeforeAnyQuestion)
{
    // "令和8年12月09日【10023】" and ".419" take 35 bytes of the 255 a name may have.
    const QString tooLong = "info: 登録タイトル名が長すぎます。\r\nファイル名は255バイトまでです。";
    struct Case
    {
        const char *name;
        QString title;
        bool saved;
    } const cases[] = {
        {"half-width, 255 bytes", QString(220, u'a'), true},
        {"half-width, 256 bytes", QString(221, u'a'), false},
        // 150 Shift_JIS bytes, well inside the title box, but 225 in the file system.
        {"full-width", QString(75, u'山'), false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        prompts.log.clear();
        header.TITLE = c.title;
        answer(c.saved ? std::initializer_list<bool>{true} : std::initializer_list<bool>{});
        const SaveResult result = slip.save(window);
        EXPECT_EQ(result.saved, c.saved);
        if (c.saved) {
            EXPECT_TRUE(QFileInfo::exists(result.path));
        } else {
            EXPECT_EQ(prompts.log, QStringList{tooLong});
            EXPECT_EQ(result.focus, SlipField::TITLE);
        }
    }
    EXPECT_EQ(slipFiles().size(), 1);
}

TEST_F(SlipCommands, SaveWritesAdvancesTheCounterOnceAndOverwritesOnRequest)
{
    programDir.writeLines("BANGO.INI", {"10023"});
    state.newNumberFlag = true;
    answer({true});
    const SaveResult first = slip.save(window);
    EXPECT_TRUE(first.saved);
    EXPECT_FALSE(first.closeWindow);
    EXPECT_EQ(first.path, expectedPath());
    EXPECT_EQ(prompts.log, (QStringList{folderQuestion(), "beep", "info: 登録しました。"}));
    EXPECT_EQ(events, QStringList{"refresh lists"});
    EXPECT_EQ(programDir.readLines("BANGO.INI"), QStringList{"10024"});
    EXPECT_FALSE(state.newNumberFlag);
    EXPECT_EQ(slipFiles(), QStringList{QFileInfo(expectedPath()).fileName()});
    // The exclusive tax of the 250 yen the grid holds, truncated.
    EXPECT_EQ(taxLineOf(expectedPath()), QByteArray("12\r"));

    // A correction saved again overwrites the file and leaves the counter alone.
    header.ADD1 = "訂正";
    prompts.log.clear();
    answer({true, true});
    EXPECT_TRUE(slip.save(window).saved);
    EXPECT_EQ(prompts.log.at(1), "question: 同名ファイルが存在します。\r\n上書きしますか？");
    EXPECT_EQ(programDir.readLines("BANGO.INI"), QStringList{"10024"});
    EXPECT_TRUE(contentOf(expectedPath()).contains(Sjis::encode("訂正")));
}

TEST_F(SlipCommands, OverwriteAnsweredNoChangesNothing)
{
    programDir.writeLines("BANGO.INI", {"10023"});
    QFile existing(expectedPath());
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("earlier slip\r\n");
    existing.close();
    state.newNumberFlag = true;
    answer({true, false});
    const SaveResult result = slip.save(window);
    EXPECT_FALSE(result.saved);
    EXPECT_EQ(prompts.log.size(), 2); // folder and overwrite questions, no message
    EXPECT_EQ(contentOf(expectedPath()), QByteArray("earlier slip\r\n"));
    EXPECT_EQ(programDir.readLines("BANGO.INI"), QStringList{"10023"});
    EXPECT_TRUE(state.newNumberFlag);
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(SlipCommands, FailedSaveKeepsTheEarlierFileAndTheCounter)
{
    programDir.writeLines("BANGO.INI", {"10023"});
    const QByteArray earlier = "earlier slip\r\n";
    QFile existing(expectedPath());
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write(earlier);
    existing.close();
    state.newNumberFlag = true;
    answer({true, true});
    {
        const FileSizeLimit limit(earlier.size());
        EXPECT_THROW(slip.save(window), IoError);
    }
    EXPECT_EQ(contentOf(expectedPath()), earlier);
    EXPECT_EQ(slipFiles(), QStringList{QFileInfo(expectedPath()).fileName()});
    EXPECT_EQ(programDir.readLines("BANGO.INI"), QStringList{"10023"});
    EXPECT_FALSE(prompts.log.contains("info: 登録しました。"));
}

TEST_F(SlipCommands, ExemptSlipWritesNoTaxAndTheInclusiveOneAsksForIt)
{
    header.taxMode = TaxMode::Exempt;
    answer({true});
    slip.save(window);
    EXPECT_EQ(taxLineOf(expectedPath()), QByteArray("0\r"));

    // The inclusive tax of 250 yen: 250 × 5 / 105, truncated.
    header.taxMode = TaxMode::Inclusive;
    answer({true, true});
    slip.save(window);
    EXPECT_EQ(taxLineOf(expectedPath()), QByteArray("11\r"));
}

TEST_F(SlipCommands, CloseAfterSaveAsksOnceMore)
{
    state.closeAfterSaveRequest = true;
    answer({true, true});
    const SaveResult result = slip.save(window);
    EXPECT_TRUE(result.closeWindow);
    EXPECT_EQ(prompts.log.last(), "question: 終了します。");
}

TEST_F(SlipCommands, AutomaticFolderChangeComesBeforeTheFolderQuestion)
{
    QTemporaryDir customerFolder;
    window.folderChange = [&](const QString &customer) {
        events << "change for " + customer;
        slip.setFolder(customerFolder.path());
    };
    answer({true, true});
    slip.save(window);
    EXPECT_FALSE(events.contains("change for 山田商店")); // off unless PRINT.INI says so

    programDir.writeLines("PRINT.INI", {"[自動フォルダチェンジ]=1"});
    events.clear();
    answer({true});
    const SaveResult result = slip.save(window);
    EXPECT_EQ(events.first(), "change for 山田商店");
    EXPECT_EQ(prompts.log.at(prompts.log.size() - 3), folderQuestion());
    EXPECT_EQ(QFileInfo(result.path).absolutePath(), QDir(customerFolder.path()).absolutePath());
}

TEST_F(SlipCommands, OpenReadsTheFileAndKeepsItsNumber)
{
    header.NAME2 = "二";
    header.ADD1 = "住所";
    header.taxMode = TaxMode::Inclusive;
    header.Tanto = "佐藤";
    answer({true});
    const QString path = slip.save(window).path;

    programDir.writeLines("BANGO.INI", {"20000"});
    Slip opened;
    SlipHeader &loaded = opened.header;
    loaded.KEISYOU = "様";
    StringGrid &loadedItems = opened.items();
    loadedItems.setRowCount(60);
    SlipState &loadedState = opened.state;
    events.clear();
    prompts.log.clear();
    const OpenResult result = opened.open(path, window);
    EXPECT_FALSE(result.estimate);
    EXPECT_TRUE(result.dateRead);
    EXPECT_TRUE(prompts.log.isEmpty());
    EXPECT_EQ(loaded.Bangou, "10023");
    EXPECT_EQ(loaded.TITLE, "山田商店＞");
    EXPECT_EQ(loaded.NAME2, "二");
    EXPECT_EQ(loaded.KEISYOU, "御中");
    EXPECT_EQ(loaded.taxMode, TaxMode::Inclusive);
    EXPECT_EQ(loaded.DTP1, now);
    EXPECT_EQ(loadedItems.rows(), 31);
    EXPECT_EQ(loadedItems.rowCells(1), items.rowCells(1));
    EXPECT_FALSE(loadedState.newNumberFlag);
    EXPECT_EQ(events, (QStringList{"hide totals", "recalculate", "hide panel", "recalculate"}));
}

TEST_F(SlipCommands, OpenWithAnUnreadableDateKeepsNow)
{
    QFile file(QDir(folder()).filePath("平成17年05月01日【1】壊れ.419"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("name\r\n\r\n\r\n\r\nnot a date\r\n");
    file.close();
    EXPECT_FALSE(slip.open(file.fileName(), window).dateRead);
    EXPECT_EQ(prompts.log, QStringList{"info: 日付の変換ができませんでした。"});
    EXPECT_EQ(header.DTP1, now);
    EXPECT_EQ(header.NAME1, "name");
    EXPECT_EQ(header.TITLE, "壊れ");
}

TEST_F(SlipCommands, ASlipInAFolderNamedLikeAnEstimateFileOpensAsASlip)
{
    const QString estimateFolder = QDir(folder()).filePath("見積.MRV");
    ASSERT_TRUE(QDir().mkpath(estimateFolder));
    QFile file(QDir(estimateFolder).filePath("令和7年04月01日【1】棚.419"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("name\r\n\r\n\r\n\r\n45748.5\r\n");
    file.close();
    events.clear();
    const OpenResult result = slip.open(file.fileName(), window);
    EXPECT_FALSE(result.estimate);
    EXPECT_TRUE(result.dateRead);
    EXPECT_EQ(header.NAME1, "name");
}

namespace {

// An estimate data file: header lines (1 customer, 4 title, 15 inclusive, 16 exempt, 18
// rounding), then the item lines.
QString writeEstimate(const QString &path, int headerLines, const QStringList &changed,
                      const QStringList &itemLines)
{
    QStringList lines;
    for (int line = 1; line <= headerLines; ++line)
        lines << QStringLiteral("h%1").arg(line);
    lines[0] = "山田建設";
    lines[3] = "内側の件名";
    lines[14] = "0";
    lines[15] = "0";
    lines[17] = "0";
    for (int line = 0; line < changed.size(); line += 2)
        lines[changed.at(line).toInt() - 1] = changed.at(line + 1);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Sjis::encode((lines + itemLines).join("\r\n") + "\r\n"));
    return path;
}

} // namespace

TEST_F(SlipCommands, EstimatesImportTheirCustomerTitleAndItemsIntoABlankedSlip)
{
    struct Case
    {
        const char *name;
        int headerLines;
    };
    const Case cases[] = {{"棚工事.MRV", 20}, {"棚工事.115", 27}, {"棚工事.mrv", 20}};
    const QStringList itemLines = {
        "9,A,f2,f3,f4,f5,f6,ボルト,1,M8,10,本,25,20,f14,f15",
        "9,B,f2,f3,f4,f5,f6,ナット",
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        programDir.writeLines("BANGO.INI", {"20000"});
        const QString path =
            writeEstimate(QDir(folder()).filePath(c.name), c.headerLines, {}, itemLines);
        header.ADD1 = "typed";
        header.taxMode = TaxMode::Exclusive;
        events.clear();
        prompts.log.clear();
        const OpenResult result = slip.open(path, window);
        EXPECT_TRUE(result.estimate);
        EXPECT_EQ(header.NAME1, "山田建設");
        EXPECT_EQ(header.ADD1, "");
        EXPECT_EQ(header.TITLE, "棚工事");
        EXPECT_EQ(header.Bangou, "20000");
        EXPECT_EQ(header.DTP1, now);
        EXPECT_FALSE(state.newNumberFlag);
        EXPECT_EQ(items.rowCells(1).mid(0, 9),
                  (QStringList{"1", "A", "ボルト", "1", "M8", "10", "本", "25", "20"}));
        EXPECT_EQ(items.rowCells(2).mid(0, 4), (QStringList{"2", "B", "ナット", ""}));
        EXPECT_EQ(items.rows(), 31);
        for (int row = 1; row < items.rows(); ++row) {
            for (const QString &cell : items.rowCells(row))
                EXPECT_FALSE(cell.startsWith("f")) << row << " " << cell.toStdString();
        }
        EXPECT_TRUE(prompts.log.isEmpty()) << prompts.log.join(" | ").toStdString();
        EXPECT_EQ(events, (QStringList{"hide totals", "recalculate", "hide panel", "recalculate"}));
        EXPECT_EQ(programDir.readLines("BANGO.INI"), QStringList{"20000"});
    }
}

TEST_F(SlipCommands, EstimatesCalculatedOtherwiseAreReportedAfterTheImport)
{
    const QString start = "読み込んだ「見積データ」の処理方法が現在の処理方法と異なります。\r\n\r\n"
                          "※読み込んだ「見積データ」の処理方法は \r\n\r\n";
    struct Case
    {
        const char *name;
        QStringList lines; // line number, text, ...
        TaxMode slipTaxMode;
        RoundingMode rounding;
        QString message; // after the common start; empty for none
    };
    const Case cases[] = {
        {"inclusive estimate, exclusive slip",
         {"15", "1"},
         TaxMode::Exclusive,
         RoundingMode::Truncate,
         "消費税処理 [ 内税 ] です。\r\n\r\n"},
        {"round half up, truncating slip",
         {"18", "2"},
         TaxMode::Exclusive,
         RoundingMode::Truncate,
         "端数処理 　[ 四捨五入 ] です。\r\n\r\n"},
        {"both differ, exempt wins over inclusive",
         {"15", "1", "16", "1", "18", "1"},
         TaxMode::Inclusive,
         RoundingMode::Truncate,
         "消費税処理 [ 非課税 ] \r\n\r\n端数処理 　[ 切り上げ ] です。\r\n\r\n"},
        {"a rounding number without a name",
         {"18", "7"},
         TaxMode::Exclusive,
         RoundingMode::Truncate,
         "端数処理 　[  ] です。\r\n\r\n"},
        {"methods match",
         {"15", "1", "18", "2"},
         TaxMode::Inclusive,
         RoundingMode::RoundHalfUp,
         ""},
        {"rounding that is no number counts as truncate",
         {"18", "abc"},
         TaxMode::Exclusive,
         RoundingMode::Truncate,
         ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path =
            writeEstimate(QDir(folder()).filePath("見積.MRV"), 20, c.lines, {"1,,,,,,,ボルト"});
        header.taxMode = c.slipTaxMode;
        slip.calc.settings.rounding = c.rounding;
        events.clear();
        slip.open(path, window);
        EXPECT_EQ(header.taxMode, c.slipTaxMode);
        const QStringList expected = {"hide totals", "recalculate", "hide panel", "recalculate"};
        if (c.message.isEmpty())
            EXPECT_EQ(events, expected);
        else
            EXPECT_EQ(events, expected + QStringList{"difference " + start + c.message});
    }
}

TEST_F(SlipCommands, AShortEstimateReadsAsEmptyExclusiveAndTruncating)
{
    QFile file(QDir(folder()).filePath("短い.115"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Sjis::encode("山田\r\n"));
    file.close();
    header.taxMode = TaxMode::Inclusive;
    events.clear();
    slip.open(file.fileName(), window);
    EXPECT_EQ(header.NAME1, "山田");
    EXPECT_EQ(header.TITLE, "短い");
    EXPECT_EQ(items.rows(), 31);
    EXPECT_TRUE(items.rowCells(1).mid(1).join("").isEmpty());
    ASSERT_EQ(events.size(), 5);
    EXPECT_TRUE(events.last().endsWith("消費税処理 [ 外税 ] です。\r\n\r\n"));
}

TEST_F(SlipCommands, CommandLineOpenSelectsTheFileAndFetchesNoNumber)
{
    answer({true});
    const QString path = slip.save(window).path;
    programDir.writeLines("BANGO.INI", {"20000"});
    Slip opened;
    const SlipHeader &loaded = opened.header;
    const SlipState &loadedState = opened.state;
    events.clear();
    opened.HAKUSI_CALL(window);
    EXPECT_TRUE(loadedState.newNumberFlag);
    opened.KANREN_YOMIKOMI(path, window);
    EXPECT_EQ(events, (QStringList{"hide totals", "select " + path, "hide panel", "recalculate"}));
    EXPECT_EQ(loaded.Bangou, "10023");
    EXPECT_FALSE(loadedState.newNumberFlag);
}

TEST_F(SlipCommands, WhitePaperAsksThenBlanksKeepingHonorificTaxModeAndKinds)
{
    programDir.writeLines("BANGO.INI", {"10050"});
    header.taxMode = TaxMode::Exempt;
    header.NOUHIN = true;
    header.Tel = "03";
    header.Kigen = "月末";
    header.DTP1 = QDateTime(QDate(2001, 1, 1), QTime(0, 0));
    items.setRowCount(51);
    items.setCell(3, 50, "1");

    answer({false});
    EXPECT_FALSE(slip.whitePaper(window));
    EXPECT_EQ(prompts.log, QStringList{"question: 白紙に戻します。"});
    EXPECT_EQ(header.NAME1, "山田商店");

    answer({true});
    EXPECT_TRUE(slip.whitePaper(window));
    EXPECT_EQ(items.rows(), 31);
    for (int row = 1; row <= 30; ++row) {
        QStringList expected(12);
        expected[0] = QString::number(row);
        EXPECT_EQ(items.rowCells(row), expected);
    }
    EXPECT_EQ(header.NAME1, "");
    EXPECT_EQ(header.TITLE, "");
    EXPECT_EQ(header.Tel, "");
    EXPECT_EQ(header.Kigen, "");
    EXPECT_EQ(header.Bangou, "10050");
    EXPECT_EQ(header.DTP1, now);
    EXPECT_EQ(header.KEISYOU, "御中");
    EXPECT_EQ(header.taxMode, TaxMode::Exempt);
    EXPECT_TRUE(header.NOUHIN);
    EXPECT_TRUE(state.newNumberFlag);
    EXPECT_EQ(events, (QStringList{"hide totals", "recalculate"}));
}
