#include "common/sjis.h"
#include "master/parts_catalogue_state.h"
#include "master/parts_list.h"
#include "slip/item_columns.h"
#include "slip/string_grid.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

using namespace PartsList;

namespace {

// An empty numbered list of 31 rows.
struct EmptyList : StringGrid
{
    EmptyList()
        : StringGrid(PartsList::columnCount, PartsList::minimumRows)
    {
        clearToEmptyList(*this);
    }
};

void setPart(StringGrid &grid, int row, const QString &name, const QString &shape = {})
{
    grid.setCell(PartsColumn::name, row, name);
    grid.setCell(PartsColumn::shape, row, shape);
}

QStringList names(const StringGrid &grid, int rows)
{
    QStringList result;
    for (int row = 1; row <= rows; ++row)
        result.append(grid.cell(PartsColumn::name, row));
    return result;
}

} // namespace

TEST(PartsList, CategoryNameFilesGiveAtMostTwentyCaptions)
{
    TempProgramDir dir;
    QStringList long25;
    for (int line = 1; line <= 25; ++line)
        long25.append(QStringLiteral("分類%1").arg(line));
    dir.writeLines("BUMON0.LST", long25);
    dir.writeLines("BUMON1.LST", {"ボルト", "ナット", "座金"});

    EXPECT_EQ(readCategoryNames(dir.file("BUMON0.LST")), long25.mid(0, 20));
    EXPECT_EQ(readCategoryNames(dir.file("BUMON1.LST")), (QStringList{"ボルト", "ナット", "座金"}));
    EXPECT_TRUE(readCategoryNames(dir.file("BUMON2.LST")).isEmpty());
}

TEST(PartsList, FileNamesAreFoundWhateverTheCaseOfTheirLetters)
{
    TempProgramDir dir;
    EXPECT_EQ(partsListFile(3, 12), "BUHIN3_12.LST");
    EXPECT_EQ(programFileAnyCase("BUHIN1_1.LST"), dir.file("BUHIN1_1.LST"));
    dir.writeLines("BUHIN1_1.Lst", {"1,六角ボルト"});
    EXPECT_EQ(programFileAnyCase("BUHIN1_1.LST"), dir.file("BUHIN1_1.Lst"));
}

TEST(PartsList, ListFilesRoundTripWithQuotedCells)
{
    TempProgramDir dir;
    const QByteArray file = "1,\"M8 x 40\",,,\"A,B\",,\"\"\"\",,,,,\r\n" +
                            Sjis::encode("2,,黒角ボルト,,,,本,120,80,,,66.6\r\n");
    dir.writeBytes("BUHIN1_1.LST", file);
    StringGrid grid(columnCount, 5);
    SG_YOMIKOMI(grid, dir.file("BUHIN1_1.LST"));

    ASSERT_EQ(grid.rows(), minimumRows);
    EXPECT_EQ(grid.rowCells(1),
              (QStringList{"1", "M8 x 40", "", "", "A,B", "", "\"", "", "", "", "", ""}));
    EXPECT_EQ(grid.cell(PartsColumn::name, 2), "黒角ボルト");
    EXPECT_EQ(grid.cell(PartsColumn::rate, 2), "66.6");
    EXPECT_EQ(grid.cell(PartsColumn::number, 30), "30");

    writeGridFile(grid, dir.file("out.LST"));
    QByteArray expected = file;
    for (int row = 3; row <= 30; ++row)
        expected += QByteArray::number(row) + ",,,,,,,,,,,\r\n";
    EXPECT_EQ(dir.readBytes("out.LST"), expected);
}

TEST(PartsList, LoadingKeepsTwelveFieldsAndGivesTheEmptyListForAMissingFile)
{
    TempProgramDir dir;
    StringGrid grid(columnCount, minimumRows);
    grid.setCell(PartsColumn::name, 4, "前のリスト");
    SG_YOMIKOMI(grid, dir.file("BUHIN9_9.LST"));
    EXPECT_EQ(grid.rows(), minimumRows);
    EXPECT_TRUE(grid.cell(PartsColumn::name, 4).isEmpty());
    EXPECT_EQ(grid.cell(PartsColumn::number, 4), "4");

    QStringList lines{"1,a,b,c,d,e,f,g,h,i,j,k,extra,more"};
    for (int line = 2; line <= 40; ++line)
        lines.append(QStringLiteral("%1,,部品%1").arg(line));
    dir.writeLines("BUHIN1_2.LST", lines);
    SG_YOMIKOMI(grid, dir.file("BUHIN1_2.LST"));
    EXPECT_EQ(grid.rows(), 41);
    EXPECT_EQ(grid.cell(PartsColumn::rate, 1), "k");
    EXPECT_EQ(grid.cell(PartsColumn::name, 40), "部品40");
}

TEST(PartsList, SortPutsNamedRowsInJapaneseOrderAboveTheBlankRows)
{
    EmptyList grid;
    setPart(grid, 1, "ナット");
    setPart(grid, 3, "ボルト");
    setPart(grid, 4, "", "φ10"); // no name, but a shape: kept, and first
    setPart(grid, 6, "alpha");
    setPart(grid, 9, "Beta");
    setPart(grid, 12, "アンカー");
    grid.setCell(PartsColumn::unitPrice, 12, "300");

    SORT(grid, PartsColumn::name);

    EXPECT_EQ(names(grid, 7),
              (QStringList{"", "alpha", "Beta", "アンカー", "ナット", "ボルト", ""}));
    EXPECT_EQ(grid.cell(PartsColumn::shape, 1), "φ10");
    EXPECT_EQ(grid.cell(PartsColumn::unitPrice, 4), "300");
    EXPECT_EQ(grid.rows(), minimumRows);
    for (int row = 1; row < grid.rows(); ++row)
        EXPECT_EQ(grid.cell(PartsColumn::number, row), QString::number(row));
}

TEST(PartsList, DeleteKeepsThirtyOneRows)
{
    EmptyList full;
    for (int row = 1; row <= 30; ++row)
        setPart(full, row, QStringLiteral("部品%1").arg(row));
    deleteRow(full, 5);
    EXPECT_EQ(full.rows(), 31);
    EXPECT_EQ(full.cell(PartsColumn::name, 5), "部品6");
    EXPECT_EQ(full.cell(PartsColumn::name, 29), "部品30");
    EXPECT_TRUE(full.cell(PartsColumn::name, 30).isEmpty());
    EXPECT_EQ(full.cell(PartsColumn::number, 30), "30");

    // A longer list loses a row, but its last row is only emptied.
    EmptyList longer;
    longer.setRowCount(33);
    setPart(longer, 32, "最後");
    deleteRow(longer, 32);
    EXPECT_EQ(longer.rows(), 33);
    EXPECT_TRUE(longer.cell(PartsColumn::name, 32).isEmpty());
    deleteRow(longer, 1);
    EXPECT_EQ(longer.rows(), 32);
}

TEST(PartsList, RateColumnFollowsBothPrices)
{
    struct Case
    {
        const char *price;
        const char *cost;
        const char *before;
        const char *rate;
    } cases[] = {
        {"1000", "333", "", "33.3"},   {"0", "500", "12.0", ""}, // no selling price: no rate
        {"1000", "0", "12.0", "12.0"}, // a cost of exactly 0 leaves the rate
        {"1000", "0.0", "12.0", ""},   // only "0" itself does
        {"abc", "500", "12.0", ""},    // not a number
        {"1000", "", "12.0", ""},      // no cost price
        {"100", "2000", "", ""},       // above 999.9 %
        {"-1000", "500", "50", ""},    // negative rates are not shown
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.price) + " / " + c.cost);
        EmptyList grid;
        grid.setCell(PartsColumn::unitPrice, 1, c.price);
        grid.setCell(PartsColumn::costPrice, 1, c.cost);
        grid.setCell(PartsColumn::rate, 1, c.before);
        SG2_GENKARITU(grid, 1);
        EXPECT_EQ(grid.cell(PartsColumn::rate, 1), c.rate);
    }
}

TEST(PartsCatalogueState, RemembersTheRowOfEveryList)
{
    PartsCatalogueState state;
    EXPECT_FALSE(state.opened());
    EXPECT_EQ(state.rememberedRow(1, 1), 1);
    state.rememberRow(3, 12, 17);
    state.rememberRow(20, 20, 5);
    state.rememberRow(21, 1, 9); // out of range: ignored
    EXPECT_EQ(state.rememberedRow(3, 12), 17);
    EXPECT_EQ(state.rememberedRow(12, 3), 1);
    EXPECT_EQ(state.rememberedRow(20, 20), 5);
    EXPECT_EQ(state.rememberedRow(21, 1), 1);
}

TEST(PartsCatalogueState, InsertModeAndNextRowModePlaceThePart)
{
    EmptyList parts;
    parts.setRowCells(1,
                      {"1", "A", "六角ボルト", "1", "M8", "9", "本", "120", "80", "", "", "66.6"});
    for (const bool insertMode : {true, false}) {
        SCOPED_TRACE(insertMode ? "insert" : "next row");
        EmptyList items;
        for (int row = 1; row <= 30; ++row)
            items.setCell(ItemColumn::name, row, QStringLiteral("品目%1").arg(row));
        const int row = makeRoomForPart(items, 5, insertMode);
        copyPartCells(parts, 1, items, row, true);

        EXPECT_EQ(row, insertMode ? 5 : 6);
        EXPECT_EQ(items.rows(), 32);
        EXPECT_EQ(items.rowCells(row), (QStringList{QString::number(row), "", "六角ボルト", "1",
                                                    "M8", "", "本", "120", "80", "", "", ""}));
        EXPECT_EQ(items.cell(ItemColumn::name, row + 1), QStringLiteral("品目%1").arg(row));
        EXPECT_EQ(items.cell(ItemColumn::name, row - 1), QStringLiteral("品目%1").arg(row - 1));
        EXPECT_EQ(items.cell(ItemColumn::number, 31), "31");
    }
}
