#pragma once

#include <QString>
#include <QStringList>

class StringGrid;
struct SlipHeader;

// The text export: what the user is looking at as a tab-separated CP932 file for a
// spreadsheet. Every cell is followed by one tab, as it is (nothing is quoted or escaped).
namespace TextExport {

// What is exported, by the grid that is shown: the statement grid first, then the
// customer grid, else the slip.
enum class Kind { Statement, Customers, Slip };

// "請求明細書データ", "顧客データ", "請求書データ".
QString kindName(Kind kind);

// The lines before the grid: the slip's 13 (its file, customer, date, tax mode, tax and
// person), the statement's first 8 and the empty line, none for the customers. tax is the
// slip's consumption tax in whole yen.
QStringList headerBlock(Kind kind, const SlipHeader &header, qint64 tax);

// One line per row of the grid, the title row included, every cell followed by a tab.
QStringList gridLines(const StringGrid &grid);

// The whole file: header block and grid lines.
QStringList lines(Kind kind, const SlipHeader &header, qint64 tax, const StringGrid &grid);

// Writes the lines, CR LF after each, replacing the file whole or not at all: a failed
// write throws IoError and leaves an earlier file of that name as it was.
void write(const QString &path, const QStringList &lines);

// The name the save dialog hands back, with ".txt" added when it has no extension.
QString withDefaultExtension(const QString &path);

// TXTOUT: asks whether to export, lets the user choose the file (starting in folder),
// writes it and says "終了しました。". Returns the path written, empty when the user stopped.
// A failed write throws IoError.
QString TXTOUT(Kind kind, const SlipHeader &header, qint64 tax, const StringGrid &grid,
               const QString &folder);

} // namespace TextExport
