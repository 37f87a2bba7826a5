#pragma once

#include "slip/item_columns.h"

#include <QColor>
#include <QList>
#include <QString>

#include <array>

class StringGrid;

// How a cell of the item grid is drawn, decided apart from any painting so that the rules
// (tax-exempt rows, stripes, number colours) can be checked without pixels.
struct ItemCellColours
{
    QColor stripe{0xD1, 0xD4, 0xFE};
    // Text colour of each column 1..11 (index 0 unused).
    std::array<QColor, ItemColumn::count> columnText{};

    ItemCellColours();
};

struct ItemCellLook
{
    enum class Align { Left, Centre, Right };

    QColor background;
    QColor text;
    QString shown;
    Align align = Align::Left;
    // Pixels between the text and the cell edge it is aligned to.
    int inset = 0;
    // Pixels between the text and the top of the cell.
    int top = 4;
    // When valid, the cell is marked as selected: a rectangle of this colour inside a white
    // border 3 pixels wide, inset 4 pixels.
    QColor marker;
    // The cell holds a numeric text that cannot be shown as a number: it is drawn empty and
    // must be emptied, with the cells computed from it, and the slip recalculated.
    bool unformattable = false;
};

// Colours the grid uses whatever the settings say.
namespace ItemCellPalette {
inline const QColor white{Qt::white};
inline const QColor exemptRow{0x00, 0xFF, 0x00};      // lime
inline const QColor reducedRateRow{0xFF, 0xDA, 0xB9}; // peach
inline const QColor selected{0x00, 0xFF, 0xFF};       // aqua
inline const QColor negative{0xFF, 0x00, 0x00};       // red
inline const QColor decimals{0xFF, 0x00, 0xFF};       // magenta
} // namespace ItemCellPalette

// The look of item cell (column, row), row and column 1 or more. selected: the grid's
// selected cell.
ItemCellLook itemCellLook(const StringGrid &grid, int column, int row, bool selected,
                          const ItemCellColours &colours);

// The number of decimals a numeric column shows: 3 for the quantity, 2 for prices and amounts.
int shownDecimals(int column);

// The columns whose values are computed from this numeric column and that must be emptied
// with it: a quantity feeds both amounts, a unit price the amount, a cost price the cost
// amount.
QList<int> dependantColumns(int column);

// Empties the cell and its dependants when it still cannot be shown as a number; true when
// something was emptied and the slip needs recalculating.
bool emptyUnformattableCell(StringGrid &grid, int column, int row);
