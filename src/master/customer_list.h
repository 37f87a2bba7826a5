#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class StringGrid;

// One customer as the slip header shows it: the fields a pick fills and 顧客追加 takes.
struct CustomerRecord
{
    QString NAME1;
    QString NAME2;
    QString YUBIN;
    QString ADD1;
    QString ADD_2;
    QString Tel;
    QString KEISYOU; // the text of the honorific box

    bool operator==(const CustomerRecord &) const = default;
};

// Where a search found its text.
struct CustomerHit
{
    int column = 0;
    int row = 0;
};

// The customer list SG_K: a string grid of 9 columns (CustomerColumn), one customer per row
// from row 1 on. KOKYAKU.LST holds the names, one a line; KOKYAKU2.LST beside it holds the
// whole records, so that addresses survive a restart while older files and other readers
// still find plain names in KOKYAKU.LST.
namespace CustomerList {

// Rows of a fresh grid: the titles and 23 customers.
constexpr int startRows = 24;

// "KOKYAKU.LST" and "KOKYAKU2.LST".
QString namesFileName();
QString recordsFileName();

// "№", "顧客名", "顧客名２", "〒", "住所", "住所２", "tel" and no title for the two hidden
// columns.
QStringList titles();

// Gives the grid its columns, its 24 rows and the titles, every customer row empty.
void prepare(StringGrid &grid);

CustomerRecord record(const StringGrid &grid, int row);
void setRecord(StringGrid &grid, int row, const CustomerRecord &customer);

// 顧客追加: the customer goes in on row 1 and everyone else moves down; no duplicate check.
void addAtTop(StringGrid &grid, const CustomerRecord &customer);

// 顧客検索: rows 1 to the last, columns 1 to 7 (the honorific included).
std::optional<CustomerHit> find(const StringGrid &grid, const QString &text);
// 次検索: the rows after currentRow up to the second-to-last, columns 1 to 8 (the mark
// included). The last row is never searched.
std::optional<CustomerHit> findNext(const StringGrid &grid, const QString &text, int currentRow);

bool isMarked(const StringGrid &grid, int row);
// Space on a row: a marked row loses its mark; an unmarked row is marked unless it has no
// name. True when the mark changed.
bool toggleMark(StringGrid &grid, int row);
// 全選択 marks every row with a name; 全選択解除 clears every mark.
void markAll(StringGrid &grid);
void clearMarks(StringGrid &grid);

} // namespace CustomerList

// Loads the grid (prepared) from the program directory. Without KOKYAKU.LST it stays empty;
// each line of KOKYAKU.LST becomes the name of the next row, the grid growing as needed. The
// further fields come from KOKYAKU2.LST only when it is in step with KOKYAKU.LST: as many
// lines, each starting with the same name, and every byte valid Shift_JIS. Anything else
// (missing, shorter, edited by hand, damaged) loads the names alone. Ends with the rows
// numbered. Throws IoError when a file exists but cannot be read.
void KOKYAKU_YOMIKOMI(StringGrid &grid);

// Writes KOKYAKU.LST, the name of every row that has one in grid order, and KOKYAKU2.LST,
// the comma text of columns 1 to 7 of the same rows, each file whole or not at all. When no
// row holds a name, 顧客名２, 〒 or 住所, both files are left as they are, so that emptying
// the grid never wipes the saved list. Throws IoError on failure.
void KOKYAKU_KAKIDASI(const StringGrid &grid);

// Inserts an empty row at row; the rows from there move down. Then renumbers.
void SG_INS(StringGrid &grid, int row);
// Removes row; the rows below move up and empty rows fill the end: one more row than before
// while the grid has fewer than 27 rows, as many as before otherwise. Then renumbers.
void SG_DEL(StringGrid &grid, int row);
// Writes every row's index into column 0, from row 1 on.
void SG_NUM(StringGrid &grid);
