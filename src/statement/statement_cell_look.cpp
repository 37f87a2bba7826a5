#include "statement/statement_cell_look.h"

#include "common/miravo_error.h"
#include "slip/number_format.h"
#include "slip/string_grid.h"
#include "statement/classification_totals.h"
#include "statement/statement_columns.h"

namespace {

using Align = ItemCellLook::Align;

// The text of a number column as it is shown; empty when the cell holds no number.
QString shownNumber(const QString &text, int decimals)
{
    try {
        return STR_COMMA(text, decimals);
    } catch (const ConversionError &) {
        return QString();
    }
}

QString shownRate(const QString &text)
{
    try {
        return CENTERPAR(text);
    } catch (const ConversionError &) {
        return QString();
    }
}

enum class Shown { Number, Quantity, Rate, Text, Centred };

// The text of a cell as its column shows it, with the alignment that goes with it.
void place(ItemCellLook &look, Shown shown, const QString &text)
{
    switch (shown) {
    case Shown::Number:
    case Shown::Quantity:
        look.shown = shownNumber(text, shown == Shown::Quantity ? 3 : 2);
        look.align = Align::Right;
        look.inset = 4;
        break;
    case Shown::Rate:
        look.shown = shownRate(text);
        look.align = Align::Centre;
        break;
    case Shown::Text:
        look.shown = text;
        break;
    case Shown::Centred:
        look.shown = text;
        look.align = Align::Centre;
        break;
    }
}

} // namespace

ItemCellLook statementCellLook(const StringGrid &grid, int column, int row, bool selected,
                               const ItemCellColours &colours)
{
    using namespace StatementColumn;
    ItemCellLook look;
    look.background = row % 2 == 0 ? QColor(240, 240, 240) : QColor(Qt::white);
    look.text = column >= 1 && column < int(colours.columnText.size())
                    ? colours.columnText[size_t(column)]
                    : QColor(Qt::black);
    if (selected) {
        look.marker = Qt::yellow;
        look.text = Qt::black;
    }
    const QString text = grid.cell(column, row);
    switch (column) {
    case quantity:
        place(look, Shown::Quantity, text);
        break;
    case unitPrice:
    case costPrice:
    case amount:
    case costAmount:
        place(look, Shown::Number, text);
        break;
    case rate:
        place(look, Shown::Rate, text);
        break;
    case exemptMark:
    case name:
    case shape:
        place(look, Shown::Text, text);
        look.inset = 2;
        break;
    default:
        place(look, Shown::Centred, text);
        break;
    }
    return look;
}

ItemCellLook totalsCellLook(const StringGrid &grid, int column, int row, bool selected)
{
    using namespace ClassificationTotals::Column;
    ItemCellLook look;
    look.background = row % 2 == 0 ? QColor(238, 238, 238) : QColor(Qt::white);
    look.text = Qt::black;
    if (selected)
        look.background = Qt::yellow;
    const QString text = grid.cell(column, row);
    switch (column) {
    case amount:
    case cost:
    case profit:
        place(look, Shown::Number, text);
        break;
    case rate:
        place(look, Shown::Rate, text);
        break;
    case title:
        place(look, Shown::Text, text);
        look.inset = 4;
        break;
    default:
        place(look, Shown::Centred, text);
        break;
    }
    return look;
}
