#pragma once

#include "slip/slip_header.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class StringGrid;

// The slip file: CP932 text with CR LF line ends. Lines 1 to 13 hold the header, then one
// line per item row (rows 1 to the last) as comma text of its 12 cells:
//   1 NAME1   2 ADD1   3 ADD_2   4 YUBIN   5 DTP1 as a day number   6 NAME2   7 TITLE
//   8 KEISYOU   9 (empty)   10 tax mode 0/1/2   11 consumption tax in yen   12 Tanto
//   13 Bangou
// A slip of 30 rows is 43 lines. The older ".321" layout has the same lines, of which only
// 1, 5, 7, 12 and 13 of the header are read.
namespace SlipFile {

inline constexpr int headerLines = 13;
inline constexpr int itemColumns = 12;

// A date-time as days since 1899-12-30 with the time of day as fraction, in the shortest
// text of up to 15 significant digits ("36862.6314104167", "38473").
QString dayNumberText(const QDateTime &moment);
// The day number read back, to the millisecond; nothing when the text is not one.
std::optional<QDateTime> fromDayNumber(const QString &text);

// Line 5 as it is read: a date (with or without time) as the Japanese locale writes it,
// "2005/05/01", "2005/5/1 9:30:00", "2005年5月1日", or the day number the writer produces.
std::optional<QDateTime> parseDate(const QString &line);

// "令和8年12月09日【10023】山田商店.419": era date of DTP1, 【Bangou】, TITLE, extension.
QString fileName(const SlipHeader &header);

// The title a file name carries: the text after the first "】", or without one after the
// first "日", up to the first ".".
QString titleFromFileName(const QString &fileName);

// The lines of the file for this slip; consumptionTax goes to line 11 as it is.
QStringList lines(const SlipHeader &header, const StringGrid &items, qint64 consumptionTax);

// Writes the file whole or not at all: a failed write throws IoError and leaves any earlier
// file of that name untouched.
void write(const QString &path, const SlipHeader &header, const StringGrid &items,
           qint64 consumptionTax);

// Header lines of the layout, numbered as they stand in the file.
enum HeaderLine : int {
    nameLine = 1,
    dateLine = 5,
    titleLine = 7,
    taxModeLine = 10,
    numberLine = 13,
};

// A slip file as its lines stand, before anything is taken into a slip: the 13 header lines
// (lines missing at the end read as empty) and the item lines after them.
struct Contents
{
    QStringList header;
    QStringList items;

    // Header line 1 to 13.
    QString line(int number) const { return header.value(number - 1); }
};

// Reads the lines of a slip file. Throws IoError when the file cannot be read.
Contents readContents(const QString &path);
// Fills item rows 1, 2, ... with one line each, growing the grid as needed: a row is emptied,
// takes the cells that cells() makes of the line's comma-text fields from column 0 on, and
// gets its number in column 0.
void readItemRows(const QStringList &lines, StringGrid &items,
                  const std::function<QStringList(const QStringList &fields)> &cells);

struct ReadResult
{
    bool dateRead = true; // false: line 5 was no date, DTP1 kept its value
};

// Reads the slip file at path into a slip that was blanked before: the header fields the
// layout holds (fewer for ".321"), the item rows from row 1 on (the grid grows to hold
// them, at most 12 fields per row), and the title taken from the file name. Lines missing
// at the end read as empty lines. Throws IoError when the file cannot be read.
ReadResult read(const QString &path, SlipHeader &header, StringGrid &items);

} // namespace SlipFile
