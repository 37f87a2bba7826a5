#include "common/clock.h"
#include "common/sjis.h"
#include "files/slip_file.h"
#include "slip/slip_header.h"
#include "statement/statement.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace StatementColumn;

struct Item
{
    QString name;
    QString amount;
    QString cost = QString();
    bool exempt = false;
    QString mark = QString(); // column 3 when not exempt: "8" for the reduced rate
};

// A folder of slip files written as the save command writes them: 13 header lines, the
// item lines, and the empty rows up to 30.
class SlipFiles
{
public:
    QString write(const QString &name, const QString &taxMode, const QList<Item> &items,
                  const QString &date = QStringLiteral("38473"),
                  const QString &number = QStringLiteral("10023"))
    {
        QStringList lines = {"山田商店", "東京都", "千代田区", "100-0001", date,
                             "営業部",   "見積",   "御中",     QString(),  taxMode,
                             "0",        "佐藤",   number};
        int row = 1;
        for (const Item &item : items) {
            lines << QStringLiteral("%1,,%2,%3,,1,個,%4,,%4,%5,")
                         .arg(row++)
                         .arg(item.name, item.exempt ? QStringLiteral("1") : item.mark, item.amount,
                              item.cost);
        }
        for (; row <= 30; ++row)
            lines << QString::number(row) + QStringLiteral(",,,,,,,,,,,");
        QByteArray bytes;
        for (const QString &line : lines)
            bytes += Sjis::encode(line) + "\r\n";
        const QString path = QDir(m_dir.path()).filePath(name);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    }

private:
    QTemporaryDir m_dir;
};

QList<Item> items(int count, int amount = 1000)
{
    QList<Item> list;
    for (int i = 0; i < count; ++i)
        list.append({QStringLiteral("品%1").arg(i + 1), QString::number(amount)});
    return list;
}

class StatementTest : public ::testing::Test
{
protected:
    void SetUp() override { Clock::setFixedNow(QDateTime(QDate(2026, 12, 10), QTime(9, 0))); }
    void TearDown() override { Clock::setFixedNow({}); }

    QString names(int lastRow) const
    {
        QStringList out;
        for (int row = 1; row <= lastRow; ++row)
            out << statement.grid().cell(number, row) + u':' + statement.grid().cell(name, row);
        return out.join(u' ');
    }

    TempProgramDir home;
    ScriptedPrompter messages;
    SlipFiles files;
    SlipHeader header;
    Statement statement;
};

TEST_F(StatementTest, RowsOfEachTaxModeFollowOneAnother)
{
    struct Case
    {
        const char *what;
        QList<QPair<QString, int>> slips; // tax mode, items
        const char *rows;
    };
    const Case cases[] = {
        {"three exclusive slips give items, tax, items, tax, item, tax",
         {{"0", 2}, {"0", 3}, {"0", 1}},
         "1:品1 2:品2 3:【消　費　税】 4:品1 5:品2 6:品3 7:【消　費　税】 8:品1 9:【消　費　税】 "
         "10:"},
        {"an exempt slip adds no tax row and leaves no gap",
         {{"0", 1}, {"2", 2}, {"0", 1}},
         "1:品1 2:【消　費　税】 3:品1 4:品2 5:品1 6:【消　費　税】 7:"},
        {"an empty tax mode adds no tax row but leaves one empty row",
         {{"", 1}, {"0", 1}},
         "1:品1 2: 3:品1 4:【消　費　税】 5:"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QStringList paths;
        int i = 0;
        for (const auto &[taxMode, count] : c.slips)
            paths << files.write(QStringLiteral("s%1.419").arg(i++), taxMode, items(count));
        statement.compile(paths, header);
        const int shown = int(QString::fromUtf8(c.rows).count(u':'));
        EXPECT_EQ(names(shown), QString::fromUtf8(c.rows));
        EXPECT_EQ(statement.grid().rows(), 31);
    }
}

TEST_F(StatementTest, ItemColumnsMoveAndCarryDateAndSlipNumber)
{
    const QString path = files.write("a.419", "2", {{"ボルト", "1500", "900"}}, "38473", "777");
    statement.compile({path}, header);
    EXPECT_EQ(statement.grid().rowCells(1),
              QStringList({"1", "2005/05/01", "777", "", "ボルト", "", "1", "個", "1500", "",
                           "1500", "900", ""}));
    // The header takes the file's customer and date; the number is the next one to issue.
    EXPECT_EQ(header.NAME1, "山田商店");
    EXPECT_EQ(header.ADD_2, "千代田区");
    EXPECT_EQ(header.TITLE, "見積");
    EXPECT_EQ(header.DTP1.date(), QDate(2005, 5, 1));
    EXPECT_EQ(header.Bangou, "");
}

TEST_F(StatementTest, TaxOfEachSlipByItsModeAndTheRounding)
{
    struct Case
    {
        const char *what;
        QString taxMode;
        RoundingMode rounding;
        QList<Item> items;
        QString taxName;
        QString taxAmount;
        QString net;
        QString tax;
        bool inclusive;
    };
    const Case cases[] = {
        {"exclusive, truncated",
         "0",
         RoundingMode::Truncate,
         {{"a", "1999"}},
         "【消　費　税】",
         "99",
         "1999",
         "99",
         false},
        {"exclusive, half away from zero",
         "0",
         RoundingMode::RoundHalfUp,
         {{"a", "1999"}},
         "【消　費　税】",
         "100",
         "1999",
         "100",
         false},
        {"exempt items count in the amounts but not in the tax",
         "0",
         RoundingMode::Truncate,
         {{"a", "1000", "", true}, {"b", "2000"}},
         "【消　費　税】",
         "100",
         "3000",
         "100",
         false},
        {"inclusive: the tax in the name, no amount, less net",
         "1",
         RoundingMode::RoundUp,
         {{"a", "10500"}},
         "【消　費　税】 (内税)　\\500",
         "",
         "10000",
         "500",
         true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        statement.rounding = c.rounding;
        statement.compile({files.write("t.419", c.taxMode, c.items)}, header);
        const int taxRow = int(c.items.size()) + 1;
        EXPECT_EQ(statement.grid().cell(name, taxRow), c.taxName);
        EXPECT_EQ(statement.grid().cell(amount, taxRow), c.taxAmount);
        EXPECT_EQ(statement.compiledNet.toString(), c.net);
        EXPECT_EQ(statement.compiledTax.toString(), c.tax);
        EXPECT_EQ(statement.inclusive, c.inclusive);
    }
}

TEST_F(StatementTest, InclusiveFlagTellsOfTheLastFileOnly)
{
    statement.compile(
        {files.write("a.419", "1", items(1, 10500)), files.write("b.419", "0", items(1))}, header);
    EXPECT_FALSE(statement.inclusive);
    EXPECT_EQ(statement.compiledTax.toString(), "550");
    EXPECT_EQ(statement.compiledNet.toString(), "11000");
}

TEST_F(StatementTest, TotalsAndPanels)
{
    statement.compile({files.write("a.419", "0", {{"a", "1000", "600"}, {"b", "2000", "700"}}),
                       files.write("b.419", "1", {{"c", "10500", "3000"}})},
                      header);
    EXPECT_EQ(statement.amountSum.toString(), "13500");
    EXPECT_EQ(statement.taxSum.toString(), "150"); // the inclusive tax has no amount
    EXPECT_EQ(statement.costSum.toString(), "4300");
    EXPECT_EQ(statement.panel(2), "消費税 = 150");
    EXPECT_EQ(statement.panel(3), "税込合計 = 13,650");
    EXPECT_EQ(statement.panel(4), "原価合計 = 4,300");
    EXPECT_EQ(statement.panel(5), "粗利計 = 9,200");
    EXPECT_EQ(statement.panel(6), "原価率 = 31.8%");
    EXPECT_EQ(statement.TOTALKIN, "\\13,500.-");

    statement.compile({files.write("c.419", "2", {})}, header);
    EXPECT_EQ(statement.panel(6), "原価率 = %");
    EXPECT_EQ(statement.TOTALKIN, "\\0.-");
}

TEST_F(StatementTest, MissingFileIsReportedAndTheOthersAreRead)
{
    const QString missing = QDir::temp().filePath("no-such-slip.419");
    statement.compile({missing, files.write("a.419", "0", items(1))}, header);
    EXPECT_EQ(messages.texts("info"), QStringList({missing + "が見つかりません。"}));
    EXPECT_EQ(names(2), "1:品1 2:【消　費　税】");
}

TEST_F(StatementTest, BadFileEndsTheCompilationNamingFileAndLine)
{
    const QString good = files.write("a.419", "0", items(2));
    const QString badDate = files.write("b.419", "0", items(1), "いつか");
    const QString badAmount = files.write("c.419", "0", {{"a", "1000"}, {"b", "12x"}});
    struct Case
    {
        QString path;
        int line;
        QString reason;
    };
    const Case cases[] = {
        {badDate, 5, "日付の変換ができませんでした。"},
        {badAmount, 15, "'12x' は有効な数値ではありません。"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        try {
            statement.compile({good, c.path}, header);
            ADD_FAILURE() << "no error";
        } catch (const StatementFileError &error) {
            EXPECT_EQ(error.path(), c.path);
            EXPECT_EQ(error.line(), c.line);
            EXPECT_EQ(error.reason(), c.reason);
        }
        // The rows of the good file stay.
        EXPECT_EQ(statement.grid().cell(name, 3), "【消　費　税】");
    }
}

TEST_F(StatementTest, LumpTax)
{
    statement.rounding = RoundingMode::RoundHalfUp;
    statement.compile({files.write("a.419", "2", {{"a", "1000"}, {"b", "999", "", true}}),
                       files.write("b.419", "2", {{"c", "999"}})},
                      header);
    ASSERT_TRUE(statement.addLumpTax());
    // 1,999 of taxable amounts: 99.95 rounds to 100, on the row after the last item.
    EXPECT_EQ(names(4), "1:a 2:b 3:c 4:【消　費　税】");
    EXPECT_EQ(statement.grid().cell(amount, 4), "100");
    EXPECT_EQ(statement.compiledTax.toString(), "100");
    EXPECT_EQ(statement.panel(2), "消費税 = 100");
    EXPECT_EQ(messages.beeps(), 1);

    EXPECT_FALSE(statement.addLumpTax());
    EXPECT_EQ(messages.texts("info"), QStringList({"消費税がすでに存在しますので中止します。"}));
}

TEST_F(StatementTest, LumpTaxAfterAFullGridAppendsARow)
{
    statement.compile({files.write("a.419", "2", items(30))}, header);
    ASSERT_TRUE(statement.addLumpTax());
    EXPECT_EQ(statement.grid().rows(), 32);
    EXPECT_EQ(statement.grid().cell(name, 31), "【消　費　税】");
    EXPECT_EQ(statement.grid().cell(amount, 31), "1500");
}

TEST_F(StatementTest, DeleteRow)
{
    statement.compile(
        {files.write("a.419", "1", items(1, 10500)), files.write("b.419", "0", items(1))}, header);
    ASSERT_EQ(names(4), "1:品1 2:【消　費　税】 (内税)　\\500 3:品1 4:【消　費　税】");

    // The inclusive tax row has no amount: it goes, the rows below move up renumbered.
    EXPECT_TRUE(statement.deleteRow(2));
    EXPECT_EQ(names(4), "1:品1 2:品1 3:【消　費　税】 4:");
    EXPECT_EQ(statement.grid().rows(), 31);
    EXPECT_EQ(statement.grid().cell(number, 30), "30");
    EXPECT_EQ(statement.grid().cell(date, 2), "2005/05/01");

    // An exclusive tax row has its tax as amount.
    EXPECT_FALSE(statement.deleteRow(3));
    EXPECT_EQ(messages.texts("info"), QStringList({"金額のある行は削除できません。"}));
}

TEST_F(StatementTest, DeleteRowShrinksAGrownGrid)
{
    statement.compile({files.write("a.419", "", items(31))}, header);
    ASSERT_EQ(statement.grid().rows(), 32);
    statement.grid().setCell(amount, 5, QString());
    EXPECT_TRUE(statement.deleteRow(5));
    EXPECT_EQ(statement.grid().rows(), 31);
    EXPECT_EQ(statement.grid().cell(number, 30), "30");
    EXPECT_EQ(statement.grid().cell(name, 30), "品31");
}

} // namespace

TEST_F(StatementTest, WithTheQualifiedInvoiceBlockEachRateGetsItsTaxRow)
{
    const Item paper{"紙", "12000"};
    const Item tea{"茶", "8280", "", false, "8"};
    const Item stamp{"印紙", "200", "", true};
    const QStringList paths = {files.write("a.419", "0", {paper, tea, stamp}),
                               files.write("b.419", "1", {{"弁当", "1080", "", false, "8"}}),
                               files.write("c.419", "0", {{"x", "1000"}})};
    statement.rates = {10, 8};
    statement.perRateTaxRows = true;
    statement.compile(paths, header);
    EXPECT_EQ(names(9), "1:紙 2:茶 3:印紙 4:【消　費　税】10% 5:【消　費　税】8% 6:弁当 "
                        "7:【消　費　税】8% (内税)　\\80 8:x 9:【消　費　税】10%");
    EXPECT_EQ(statement.grid().cell(amount, 4), "1200");
    EXPECT_EQ(statement.grid().cell(amount, 5), "662");
    EXPECT_EQ(statement.grid().cell(amount, 7), "");
    EXPECT_EQ(statement.grid().cell(amount, 9), "100");
    EXPECT_EQ(statement.compiledTax.toString(), "2042");
    EXPECT_EQ(statement.panel(2), "消費税 = 1,962");

    // Without the block the rates' taxes make one row, as a slip of one rate always had.
    statement.perRateTaxRows = false;
    statement.compile({paths.at(0)}, header);
    EXPECT_EQ(names(5), "1:紙 2:茶 3:印紙 4:【消　費　税】 5:");
    EXPECT_EQ(statement.grid().cell(amount, 4), "1862");
}

TEST_F(StatementTest, TheLumpTaxOfAQualifiedInvoiceIsTakenPerRate)
{
    statement.rates = {10, 8};
    statement.perRateTaxRows = true;
    statement.compile({files.write("a.419", "2", {{"紙", "1999"}, {"茶", "1019", "", false, "8"}}),
                       files.write("b.419", "2", {{"印紙", "200", "", true}})},
                      header);
    ASSERT_TRUE(statement.addLumpTax());
    // 199.9 and 81.52 cut once each.
    EXPECT_EQ(names(5), "1:紙 2:茶 3:印紙 4:【消　費　税】10% 5:【消　費　税】8%");
    EXPECT_EQ(statement.grid().cell(amount, 4), "199");
    EXPECT_EQ(statement.grid().cell(amount, 5), "81");
    EXPECT_EQ(statement.compiledTax.toString(), "280");
    EXPECT_FALSE(statement.addLumpTax());
}
