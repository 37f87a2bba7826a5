#pragma once

#include <QString>

class StringGrid;

// The row and cell commands of a string grid with a title row and a number column: the item
// grid SG1 and the parts grid SG2 share them. They change the cells only; the window that
// shows the grid recalculates, beeps and places its editor afterwards. Rows are the grid's
// model rows (1 is the first row below the titles); column 0 of every row from 1 on holds the
// row's index as its number, and every command here keeps it so.
namespace RowCommands {

// The last row with anything in columns 1 and on; 0 when there is none. The title row is
// never looked at.
int lastUsedRow(const StringGrid &grid);

// Writes every row's index into its number cell, as after a row was dragged elsewhere.
void numberRows(StringGrid &grid);

// 行挿入: the grid grows by one row, the given row and every row below it move one down and
// the given row is left empty. The cells move, not the rows, so a view's current cell stays
// on the new empty row.
void insertRow(StringGrid &grid, int row);

// 行削除: the rows below move up one and the last row is emptied. The grid then loses its
// last row, unless it has no more than minimumRows rows (titles included); a grid below that
// count grows to it.
void deleteRow(StringGrid &grid, int row, int minimumRows);

// 行複写: the row's cells in column order as one comma text, as the slip file holds a row.
QString rowText(const StringGrid &grid, int row);

// 行貼り付け: empties the row and fills it from a comma text, from column 0 on; fields
// beyond the grid's columns are ignored. The row keeps its own number.
void pasteRow(StringGrid &grid, int row, const QString &text);

// セル貼り付け: the text a cell takes from the clipboard. A slip file holds each row on one
// line, so a cell holds one line too: the line breaks of a text copied from elsewhere become
// blanks, and those at its end go.
QString pastedCellText(const QString &text);

// 非課税マークの ON / OFF: removes a set mark; sets it only on a row with an amount.
void toggleExemptMark(StringGrid &grid, int row);
// 軽減税率マークの ON / OFF: removes the reduced-rate mark; sets it (in place of any other
// mark) only on a row with an amount.
void toggleReducedRateMark(StringGrid &grid, int row);

// ｲﾝﾃﾞﾝﾄ: a full-width space in front of the item name of every row from the last used one
// up to row 1 whose classification is blank, empty rows in between included.
void indent(StringGrid &grid);
// ｲﾝﾃﾞﾝﾄ削除: takes one such space away again where a name begins with it.
void unindent(StringGrid &grid);

// 番号付け: numbers the item names. A number of an earlier run is taken off first, so
// numbering twice gives the same names. With classification codes in 類 the code goes in
// front of the name, otherwise a running number; the marks "@" and "\" end the numbering
// after their row and "#" skips its row.
void numberItems(StringGrid &grid);

} // namespace RowCommands
