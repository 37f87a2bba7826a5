#pragma once

#include <QString>
#include <QStringList>

class StringGrid;

// The parts catalogue's files and the operations on a parts list that need no window. A
// parts list is a StringGrid with the item grid's 12 columns, row 0 the titles and column 0
// the row numbers, never fewer than 31 rows.
namespace PartsList {

constexpr int columnCount = 12;
constexpr int minimumRows = 31; // the titles and rows 1 to 30
constexpr int categoryCount = 20;

// "BUMON0.LST" (major-category names) and "BUMON1.LST".."BUMON20.LST" (minor-category names
// of major category d).
QString categoryNamesFile(int major);
// "BUHINd_s.LST": the parts list of major category d, minor category s.
QString partsListFile(int major, int minor);

// The file of the program directory with this name, its letters compared without regard to
// case (older files were written as "BUHIN1_1.Lst"); programFile(name) when none exists.
QString programFileAnyCase(const QString &name);

// The captions a name file gives its 20 buttons: its first 20 lines, fewer when it is
// shorter, none when it does not exist. Throws IoError when it exists but cannot be read.
QStringList readCategoryNames(const QString &path);

// Empties every row below the titles and makes the grid 31 numbered rows.
void clearToEmptyList(StringGrid &grid);

// SG_YOMIKOMI: fills the grid from a parts-list file, one row per line from row 1, each
// line's comma text cell by cell from column 0 (a line of more than 12 fields keeps its
// first 12); a missing file gives the empty list. The rows are renumbered and the grid keeps
// at least 31 rows. Throws IoError when the file exists but cannot be read.
void SG_YOMIKOMI(StringGrid &grid, const QString &path);

// The grid file form: rows 1 to last, each as its comma text, written whole (the earlier file
// stays when the write fails). Throws IoError on failure.
void writeGridFile(const StringGrid &grid, const QString &path);

// 行削除 of the parts grid: on the last row its cells are emptied; elsewhere the rows below
// move up and the grid loses its last row as long as it keeps 31.
void deleteRow(StringGrid &grid, int row);

// SG2_GENKARITU: the rate of a parts row, the cost price as a percentage of the selling price.
// Both prices must look numeric, otherwise the rate is emptied; a cost price of exactly "0"
// leaves the rate as it was.
void SG2_GENKARITU(StringGrid &grid, int row);

// SORT on the name column (部品ソート): the rows ordered by name in the Japanese collation,
// letter case ignored, empty names first; then the rows without name and shape are taken out
// from the bottom up (the rows below move up, an empty row comes in at the end) and every row
// is renumbered.
void SORT(StringGrid &grid, int column);

} // namespace PartsList
