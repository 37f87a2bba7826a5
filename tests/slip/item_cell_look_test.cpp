#include "slip/item_cell_look.h"

#include "slip/item_columns.h"
#include "slip/string_grid.h"

#include <gtest/gtest.h>

namespace {

using Align = ItemCellLook::Align;
namespace Palette = ItemCellPalette;
namespace Col = ItemColumn;

const QColor kStripe(0xD1, 0xD4, 0xFE);
const QColor kUnitText(0x00, 0x00, 0x80);
const QColor kAmountText(0x00, 0x80, 0x00);

ItemCellColours colours()
{
    ItemCellColours colours;
    colours.stripe = kStripe;
    colours.columnText[Col::unit] = kUnitText;
    colours.columnText[Col::amount] = kAmountText;
    return colours;
}

// Rows 1 and 2 plain, row 3 and 4 tax-exempt.
void markRows3And4(StringGrid &grid)
{
    for (int row = 3; row <= 4; ++row)
        grid.setCell(Col::exemptMark, row, QStringLiteral("1"));
}

TEST(ItemCellLook, BackgroundsStripeTheRowsAndMarkTaxExemptRowsGreenInEveryColumn)
{
    StringGrid grid(Col::count, 6);
    markRows3And4(grid);
    grid.setCell(Col::exemptMark, 5, QStringLiteral("8")); // reduced rate
    struct Case
    {
        int row;
        bool selected;
        QColor background;
    } const cases[] = {
        {1, false, Palette::white},          {2, false, kStripe},
        {3, false, Palette::exemptRow},      {4, false, Palette::exemptRow},
        {1, true, Palette::selected},        {4, true, Palette::selected},
        {5, false, Palette::reducedRateRow},
    };
    for (const Case &c : cases) {
        for (int column = Col::category; column <= Col::rate; ++column) {
            SCOPED_TRACE(QStringLiteral("row %1 column %2").arg(c.row).arg(column).toStdString());
            EXPECT_EQ(itemCellLook(grid, column, c.row, c.selected, colours()).background,
                      c.background);
        }
    }
}

TEST(ItemCellLook, TextsColoursAndAlignmentByColumn)
{
    struct Case
    {
        const char *name;
        int column;
        const char *text;
        const char *shown;
        QColor colour;
        Align align;
        int inset;
    } const cases[] = {
        {"類 centred", Col::category, "A1", "A1", Qt::black, Align::Centre, 0},
        {"品名 left", Col::name, "ボルト M8", "ボルト M8", Qt::black, Align::Left, 2},
        {"a minus in a text column is text", Col::shape, "-10", "-10", Qt::black, Align::Left, 2},
        {"単位 centred in its colour", Col::unit, "個", "個", kUnitText, Align::Centre, 0},
        {"quantity with three decimals", Col::quantity, "1234.125", "1,234.125", Palette::decimals,
         Align::Right, 4},
        {"whole price", Col::unitPrice, "1234567", "1,234,567", Qt::black, Align::Right, 4},
        {"price rounded to two decimals", Col::costPrice, "12.345", "12.35", Palette::decimals,
         Align::Right, 4},
        {"amount in its colour", Col::amount, "98000", "98,000", kAmountText, Align::Right, 4},
        {"negative amount red", Col::amount, "-1500", "-1,500", Palette::negative, Align::Right, 4},
        {"negative with decimals magenta", Col::costAmount, "-0.5", "-0.5", Palette::decimals,
         Align::Right, 4},
        {"empty amount", Col::amount, "", "", kAmountText, Align::Right, 4},
        {"rate", Col::rate, "33.3", "33.3%", Qt::black, Align::Centre, 0},
        {"negative rate keeps the column colour", Col::rate, "-5", "-5.0%", Qt::black,
         Align::Centre, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        StringGrid grid(Col::count, 3);
        grid.setCell(c.column, 1, QString::fromUtf8(c.text));
        const ItemCellLook look = itemCellLook(grid, c.column, 1, false, colours());
        EXPECT_EQ(look.shown, QString::fromUtf8(c.shown));
        EXPECT_EQ(look.text, c.colour);
        EXPECT_EQ(look.align, c.align);
        EXPECT_EQ(look.inset, c.inset);
        EXPECT_FALSE(look.unformattable);
    }
}

// A quantity keeps its third decimal on screen wherever the number editor was last used.
TEST(ItemCellLook, EachNumericColumnShowsTheDecimalsItHolds)
{
    EXPECT_EQ(shownDecimals(Col::quantity), 3);
    for (int column : {Col::unitPrice, Col::costPrice, Col::amount, Col::costAmount})
        EXPECT_EQ(shownDecimals(column), 2) << column;
}

TEST(ItemCellLook, UnformattableNumbersAreShownEmptyAndEmptiedWithTheirDependants)
{
    struct Case
    {
        int column;
        const char *text;
        QList<int> emptied;
    } const cases[] = {
        {Col::quantity, "1x", {Col::quantity, Col::amount, Col::costAmount}},
        {Col::unitPrice, "１２", {Col::unitPrice, Col::amount}},
        {Col::costPrice, "1,000", {Col::costPrice, Col::costAmount}},
        {Col::amount, "abc", {Col::amount}},
        {Col::costAmount, "--1", {Col::costAmount}},
        {Col::rate, "%", {Col::rate}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        StringGrid grid(Col::count, 3);
        for (int column = Col::category; column <= Col::rate; ++column)
            grid.setCell(column, 1, QStringLiteral("7"));
        grid.setCell(c.column, 1, QString::fromUtf8(c.text));

        const ItemCellLook look = itemCellLook(grid, c.column, 1, false, colours());
        EXPECT_TRUE(look.unformattable);
        EXPECT_EQ(look.shown, QString());

        EXPECT_TRUE(emptyUnformattableCell(grid, c.column, 1));
        for (int column = Col::category; column <= Col::rate; ++column)
            EXPECT_EQ(grid.cell(column, 1).isEmpty(), c.emptied.contains(column)) << column;
        EXPECT_FALSE(emptyUnformattableCell(grid, c.column, 1)) << "already empty";
    }
}

TEST(ItemCellLook, NumbersAndTextColumnsAreNeverEmptied)
{
    StringGrid grid(Col::count, 3);
    grid.setCell(Col::name, 1, QStringLiteral("abc"));
    grid.setCell(Col::quantity, 1, QStringLiteral("-12.5"));
    grid.setCell(Col::amount, 1, QStringLiteral("-1500"));
    for (int column : {Col::name, Col::quantity, Col::amount})
        EXPECT_FALSE(emptyUnformattableCell(grid, column, 1)) << column;
    EXPECT_EQ(grid.rowCells(1).join(u'|'), QStringLiteral("||abc|||-12.5||||-1500||"));
}

} // namespace
