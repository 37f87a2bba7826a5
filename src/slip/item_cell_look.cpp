#include "slip/item_cell_look.h"

#include "common/miravo_error.h"
#include "slip/calculation.h"
#include "slip/number_format.h"
#include "slip/string_grid.h"

namespace {

bool isNumericColumn(int column)
{
    return column == ItemColumn::quantity || column == ItemColumn::unitPrice ||
           column == ItemColumn::costPrice || column == ItemColumn::amount ||
           column == ItemColumn::costAmount;
}

bool isFormattedColumn(int column)
{
    return isNumericColumn(column) || column == ItemColumn::rate;
}

// The text as the column shows it; throws ConversionError for a text that is no number.
QString formatted(int column, const QString &text)
{
    if (column == ItemColumn::rate)
        return CENTERPAR(text);
    return STR_COMMA(text, shownDecimals(column));
}

} // namespace

ItemCellColours::ItemCellColours()
{
    columnText.fill(QColor(Qt::black));
}

int shownDecimals(int column)
{
    // Each column shows the decimals it can hold. Taking the count from wherever the number
    // editor was last placed would show a quantity of 1.125 as 1.13 while the amount is
    // computed from 1.125.
    return column == ItemColumn::quantity ? 3 : 2;
}

ItemCellLook itemCellLook(const StringGrid &grid, int column, int row, bool selected,
                          const ItemCellColours &colours)
{
    ItemCellLook look;
    // A tax-exempt row is green across every column, a reduced-rate row peach, the mark
    // itself being hidden.
    const LineRate lineRate = lineRateOf(grid.cell(ItemColumn::exemptMark, row));
    if (lineRate == LineRate::Exempt)
        look.background = ItemCellPalette::exemptRow;
    else if (lineRate == LineRate::Reduced)
        look.background = ItemCellPalette::reducedRateRow;
    else if (row % 2 == 0)
        look.background = colours.stripe;
    else
        look.background = ItemCellPalette::white;
    if (selected)
        look.background = ItemCellPalette::selected;
    look.text = column >= 1 && column < int(colours.columnText.size())
                    ? colours.columnText[size_t(column)]
                    : QColor(Qt::black);

    const QString text = grid.cell(column, row);
    if (isFormattedColumn(column)) {
        try {
            look.shown = formatted(column, text);
        } catch (const ConversionError &) {
            look.unformattable = true;
        }
    } else {
        look.shown = text;
    }

    if (isNumericColumn(column)) {
        look.align = ItemCellLook::Align::Right;
        look.inset = 4;
        if (!look.unformattable) {
            if (text.startsWith(u'-'))
                look.text = ItemCellPalette::negative;
            if (text.contains(u'.'))
                look.text = ItemCellPalette::decimals;
        }
    } else if (column == ItemColumn::category || column == ItemColumn::unit ||
               column == ItemColumn::rate) {
        look.align = ItemCellLook::Align::Centre;
    } else {
        look.align = ItemCellLook::Align::Left;
        look.inset = 2;
    }
    return look;
}

QList<int> dependantColumns(int column)
{
    switch (column) {
    case ItemColumn::quantity:
        return {ItemColumn::amount, ItemColumn::costAmount};
    case ItemColumn::unitPrice:
        return {ItemColumn::amount};
    case ItemColumn::costPrice:
        return {ItemColumn::costAmount};
    default:
        return {};
    }
}

bool emptyUnformattableCell(StringGrid &grid, int column, int row)
{
    if (!isFormattedColumn(column))
        return false;
    const QString text = grid.cell(column, row);
    try {
        formatted(column, text);
        return false;
    } catch (const ConversionError &) {
    }
    const GridBatch batch(grid);
    grid.setCell(column, row, QString());
    for (int dependant : dependantColumns(column))
        grid.setCell(dependant, row, QString());
    return true;
}
