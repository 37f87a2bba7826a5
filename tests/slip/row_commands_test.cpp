#include "common/sjis.h"
#include "slip/item_columns.h"
#include "slip/row_commands.h"
#include "slip/string_grid.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace ItemColumn;

namespace {

// A grid of 12 columns with numbered rows; row r holds "Nr" as its name so moves show.
std::unique_ptr<StringGrid> namedGrid(int rowCount, int namedRows)
{
    auto grid = std::make_unique<StringGrid>(count, rowCount);
    for (int row = 1; row < rowCount; ++row) {
        grid->setCell(number, row, QString::number(row));
        if (row <= namedRows)
            grid->setCell(name, row, QStringLiteral("N%1").arg(row));
    }
    return grid;
}

void expectNumbered(const StringGrid &grid)
{
    for (int row = 1; row < grid.rows(); ++row)
        EXPECT_EQ(grid.cell(number, row), QString::number(row)) << "row " << row;
}

struct Item
{
    QString category;
    QString name;
};

std::unique_ptr<StringGrid> itemGrid(const std::vector<Item> &items)
{
    auto grid = std::make_unique<StringGrid>(count, 31);
    for (int i = 0; i < int(items.size()); ++i) {
        grid->setCell(category, i + 1, items[size_t(i)].category);
        grid->setCell(name, i + 1, items[size_t(i)].name);
    }
    RowCommands::numberRows(*grid);
    return grid;
}

QStringList names(const StringGrid &grid, int rows)
{
    QStringList result;
    for (int row = 1; row <= rows; ++row)
        result << grid.cell(name, row);
    return result;
}

} // namespace

TEST(RowCommands, InsertMovesTheRowAndThoseBelowItDown)
{
    auto grid = namedGrid(31, 30);
    RowCommands::insertRow(*grid, 5);
    ASSERT_EQ(grid->rows(), 32);
    EXPECT_EQ(grid->rowCells(5), QStringList({"5", "", "", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(grid->cell(name, 4), "N4");
    EXPECT_EQ(grid->cell(name, 6), "N5");
    EXPECT_EQ(grid->cell(name, 31), "N30");
    expectNumbered(*grid);

    // On the last row the old last row becomes the new one.
    RowCommands::insertRow(*grid, 31);
    ASSERT_EQ(grid->rows(), 33);
    EXPECT_EQ(grid->cell(name, 31), "");
    EXPECT_EQ(grid->cell(name, 32), "N30");
    expectNumbered(*grid);
}

TEST(RowCommands, DeleteMovesTheRowsUpAndKeepsTheMinimumRowCount)
{
    struct Case
    {
        const char *what;
        int rows;
        int deleted;
        int minimumRows;
        int rowsAfter;
    } const cases[] = {
        {"a 30-row slip stays at 30 rows", 31, 5, 31, 31},
        {"a 31-row slip loses its last row", 32, 5, 31, 31},
        {"the last row itself", 32, 31, 31, 31},
        {"the last of 30 rows", 31, 30, 31, 31},
        {"a long slip", 40, 3, 31, 39},
        {"the parts grid keeps 31 rows", 32, 5, 32, 32},
        {"a longer parts grid", 33, 5, 32, 32},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        auto grid = namedGrid(c.rows, c.rows - 1);
        // The rate moves with its row; it is not worked out again where the cost is "0".
        grid->setCell(rate, c.deleted + 1, "80");
        RowCommands::deleteRow(*grid, c.deleted, c.minimumRows);
        ASSERT_EQ(grid->rows(), c.rowsAfter);
        QStringList expected;
        for (int row = 1; row < c.rows; ++row)
            if (row != c.deleted)
                expected << QStringLiteral("N%1").arg(row);
        while (expected.size() < c.rowsAfter - 1)
            expected << QString();
        EXPECT_EQ(names(*grid, c.rowsAfter - 1), expected.mid(0, c.rowsAfter - 1));
        if (c.deleted < c.rows - 1) {
            EXPECT_EQ(grid->cell(rate, c.deleted), "80");
        }
        EXPECT_EQ(grid->cell(rate, c.deleted + 1), "");
        // The emptied last row keeps nothing but its number.
        if (c.rowsAfter == c.rows) {
            EXPECT_EQ(grid->rowCells(c.rowsAfter - 1).mid(1),
                      QStringList(QVector<QString>(count - 1)));
        }
        expectNumbered(*grid);
    }
}

TEST(RowCommands, RowTextComesBackCellForCell)
{
    const QStringList cells = {"7",
                               "A",
                               "ボルト, M8 \"特\"",
                               "1",
                               " lead and trail ",
                               "3",
                               "tab\there",
                               "line\r\nbreak",
                               "",
                               "\"",
                               ",",
                               "〜～－￥＼①髙ｱｲｳ"};
    StringGrid from(count, 31);
    from.setRowCells(7, cells);
    const QString text = RowCommands::rowText(from, 7);

    StringGrid to(count, 31);
    to.setRowCells(1, QStringList(QVector<QString>(count, "old")));
    RowCommands::pasteRow(to, 1, text);
    QStringList expected = cells;
    expected[0] = "1";
    EXPECT_EQ(to.rowCells(1), expected);
}

TEST(RowCommands, PastingOtherTextFillsTheCellsWithItsParts)
{
    StringGrid grid(count, 31);
    grid.setRowCells(2, QStringList(QVector<QString>(count, "old")));
    RowCommands::pasteRow(grid, 2, "a b,c");
    EXPECT_EQ(grid.rowCells(2), QStringList({"2", "b", "c", "", "", "", "", "", "", "", "", ""}));

    RowCommands::pasteRow(grid, 2, "0,1,2,3,4,5,6,7,8,9,10,11,12,13");
    EXPECT_EQ(grid.rowCells(2),
              QStringList({"2", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}));
}

TEST(RowCommands, APastedCellKeepsItsTextOnOneLine)
{
    const std::pair<QString, QString> cases[] = {
        {"部品A\r\n", "部品A"},
        {"東京都\r\n千代田区", "東京都 千代田区"},
        {"a\nb\rc\n\n", "a b c"},
        {" tab\tstays ", " tab\tstays "},
    };
    for (const auto &[pasted, cell] : cases)
        EXPECT_EQ(RowCommands::pastedCellText(pasted), cell) << pasted.toStdString();
}

TEST(RowCommands, TheExemptMarkIsSetOnlyOnARowWithAnAmount)
{
    struct Case
    {
        const char *mark;
        const char *amount;
        const char *after;
    } const cases[] = {
        {"", "1000", "1"},
        {"", "", ""},
        {"1", "1000", ""},
        {"1", "", ""}, // a mark left on a row without an amount still comes off
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "mark '" << c.mark << "' amount '" << c.amount << "'");
        StringGrid grid(count, 31);
        grid.setCell(exemptMark, 3, c.mark);
        grid.setCell(amount, 3, c.amount);
        RowCommands::toggleExemptMark(grid, 3);
        EXPECT_EQ(grid.cell(exemptMark, 3), c.after);
    }
}

TEST(RowCommands, TheReducedRateMarkTakesThePlaceOfAnyOtherMark)
{
    struct Case
    {
        const char *mark;
        const char *amount;
        const char *after;
    } const cases[] = {
        {"", "1000", "8"}, {"", "", ""},       {"8", "1000", ""},
        {"8", "", ""},     {"1", "1000", "8"}, // an exempt row becomes a reduced-rate row
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "mark '" << c.mark << "' amount '" << c.amount << "'");
        StringGrid grid(count, 31);
        grid.setCell(exemptMark, 3, c.mark);
        grid.setCell(amount, 3, c.amount);
        RowCommands::toggleReducedRateMark(grid, 3);
        EXPECT_EQ(grid.cell(exemptMark, 3), c.after);
    }
    // The exempt mark's command takes a reduced-rate mark off, as it does its own.
    StringGrid grid(count, 31);
    grid.setCell(exemptMark, 3, "8");
    grid.setCell(amount, 3, "1000");
    RowCommands::toggleExemptMark(grid, 3);
    EXPECT_EQ(grid.cell(exemptMark, 3), "");
}

TEST(RowCommands, IndentTwiceAndUnindentOnceLeavesOneSpace)
{
    auto grid = itemGrid({{"", "部品A"}, {"A", "部品B"}, {"", ""}, {" ", "部品C"}});
    RowCommands::indent(*grid);
    RowCommands::indent(*grid);
    RowCommands::unindent(*grid);
    // Empty rows up to the last used one take the space too; rows below it do not.
    EXPECT_EQ(names(*grid, 5), QStringList({"　部品A", "部品B", "　", "　部品C", ""}));
    RowCommands::unindent(*grid);
    EXPECT_EQ(names(*grid, 5), QStringList({"部品A", "部品B", "", "部品C", ""}));
}

TEST(RowCommands, UnindentKeepsTheWholeOfALongName)
{
    const QString longName = QString(150, u'長') + QStringLiteral("末尾");
    ASSERT_GT(Sjis::byteLength(longName), 300);
    auto grid = itemGrid({{"", "　" + longName}});
    RowCommands::unindent(*grid);
    EXPECT_EQ(grid->cell(name, 1), longName);
}

TEST(RowCommands, NumberingNumbersTheNamesAndGivesTheSameResultTwice)
{
    const QString longName = QString(150, u'長');
    struct Case
    {
        const char *what;
        std::vector<Item> items;
        QStringList categories;
        QStringList names;
    } const cases[] = {
        {"running numbers",
         {{"", "部品A"}, {"", "部品B"}},
         {"", "", ""},
         {"1．部品A", "2．部品B", ""}},
        {"rows without a name are not counted",
         {{"", "部品A"}, {"", " "}, {"", "部品B"}},
         {"", "", ""},
         {"1．部品A", "", "2．部品B"}},
        {"classification codes",
         {{"A", "部品A"}, {"B", "部品B"}, {"", "部品C"}},
         {"A", "B", ""},
         {"A．部品A", "B．部品B", "部品C"}},
        {"@ ends the numbering after its row",
         {{"", "部品A"}, {"", "部品B"}, {"@", "小計"}, {"", "部品D"}, {"", "部品E"}},
         {"", "", "@", "", ""},
         {"1．部品A", "2．部品B", "小計", "部品D", "部品E"}},
        {"\\ ends it too, with codes",
         {{"A", "部品A"}, {"\\", "値引"}, {"B", "部品B"}},
         {"A", "\\", "B"},
         {"A．部品A", "値引", "部品B"}},
        {"# skips its row only",
         {{"", "部品A"}, {"#", "注記"}, {"", "部品C"}},
         {"", "#", ""},
         {"1．部品A", "注記", "2．部品C"}},
        {"full-width marks become half-width",
         {{"", "部品A"}, {"＃", "注記"}, {"＠", "小計"}, {"", "部品D"}},
         {"", "#", "@", ""},
         {"1．部品A", "注記", "小計", "部品D"}},
        {"full-width yen and the yen sign are the backslash mark",
         {{"", "部品A"}, {"￥", "値引"}, {"", "部品C"}, {"¥", "値引"}},
         {"", "\\", "", "\\"},
         {"1．部品A", "値引", "部品C", "値引"}},
        {"blanks around the cells go",
         {{" A ", "  部品A\t"}, {"", "　部品B "}},
         {"A", ""},
         {"A．部品A", "　部品B"}},
        {"an earlier number is taken off, the rest of a long name kept",
         {{"", "12．" + longName}},
         {""},
         {"1．" + longName}},
        {"a period beyond the fifth byte is part of the name",
         {{"", "部品Ａ．型"}, {"", "１２．部品"}},
         {"", ""},
         {"1．部品Ａ．型", "2．部品"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        auto grid = itemGrid(c.items);
        const int rows = int(c.names.size());
        for (int run = 1; run <= 2; ++run) {
            SCOPED_TRACE(testing::Message() << "run " << run);
            RowCommands::numberItems(*grid);
            EXPECT_EQ(names(*grid, rows), c.names);
            QStringList categories;
            for (int row = 1; row <= rows; ++row)
                categories << grid->cell(category, row);
            EXPECT_EQ(categories, c.categories);
        }
    }
}
