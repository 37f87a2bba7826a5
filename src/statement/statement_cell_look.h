#pragma once

#include "slip/item_cell_look.h"

class StringGrid;

// How the cells of the statement grid SG0 are drawn: grey even rows, the selected cell
// marked yellow, the columns of the item grid in its text colours, numbers grouped and
// right-aligned (a cell there that holds no number is drawn empty), the rate as "80.0%".
ItemCellLook statementCellLook(const StringGrid &grid, int column, int row, bool selected,
                               const ItemCellColours &colours);

// How the cells of the totals grid SG_KEI are drawn: grey even rows, the selected row
// yellow, the sums grouped and right-aligned, the rate as "52.9%".
ItemCellLook totalsCellLook(const StringGrid &grid, int column, int row, bool selected);
