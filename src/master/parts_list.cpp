#include "master/parts_list.h"

#include "common/comma_text.h"
#include "common/program_dir.h"
#include "common/text_file.h"
#include "slip/item_columns.h"
#include "slip/row_commands.h"
#include "slip/slip_arithmetic.h"
#include "slip/string_grid.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace PartsList {

QString categoryNamesFile(int major)
{
    return QStringLiteral("BUMON%1.LST").arg(major);
}

QString partsListFile(int major, int minor)
{
    return QStringLiteral("BUHIN%1_%2.LST").arg(major).arg(minor);
}

QString programFileAnyCase(const QString &name)
{
    const QString exact = programFile(name);
    if (QFileInfo::exists(exact))
        return exact;
    const QDir dir(programDir());
    for (const QString &entry : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return exact;
}

QStringList readCategoryNames(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    return TextFile::readLines(path).mid(0, categoryCount);
}

void clearToEmptyList(StringGrid &grid)
{
    GridBatch batch(grid);
    grid.clearRows(1);
    grid.setRowCount(minimumRows);
    RowCommands::numberRows(grid);
}

void SG_YOMIKOMI(StringGrid &grid, const QString &path)
{
    const QStringList lines = QFileInfo::exists(path) ? TextFile::readLines(path) : QStringList();
    GridBatch batch(grid);
    grid.clearRows(1);
    grid.setRowCount(std::max(minimumRows, int(lines.size()) + 1));
    for (int index = 0; index < lines.size(); ++index)
        grid.setRowCells(index + 1, CommaText::split(lines.at(index)).mid(0, columnCount));
    RowCommands::numberRows(grid);
}

void writeGridFile(const StringGrid &grid, const QString &path)
{
    QStringList lines;
    for (int row = 1; row < grid.rows(); ++row)
        lines.append(CommaText::join(grid.rowCells(row)));
    TextFile::writeLines(path, lines);
}

void deleteRow(StringGrid &grid, int row)
{
    const bool lastRow = row == grid.rows() - 1;
    RowCommands::deleteRow(grid, row, lastRow ? grid.rows() : minimumRows);
}

void SG2_GENKARITU(StringGrid &grid, int row)
{
    const QString price = grid.cell(PartsColumn::unitPrice, row);
    const QString cost = grid.cell(PartsColumn::costPrice, row);
    if (!MOJITOKAZU(price) || !MOJITOKAZU(cost)) {
        grid.setCell(PartsColumn::rate, row, QString());
        return;
    }
    if (cost == u"0")
        return;
    grid.setCell(PartsColumn::rate, row, WARIZAN(cost, price));
}

namespace {

bool isBlankPart(const QStringList &cells)
{
    return cells.value(PartsColumn::name).isEmpty() && cells.value(PartsColumn::shape).isEmpty();
}

} // namespace

void SORT(StringGrid &grid, int column)
{
    QList<QStringList> rows;
    for (int row = 1; row < grid.rows(); ++row)
        rows.append(grid.rowCells(row));
    QCollator collator{QLocale(QLocale::Japanese, QLocale::Japan)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(rows.begin(), rows.end(),
                     [&collator, column](const QStringList &a, const QStringList &b) {
                         const QString left = a.value(column);
                         const QString right = b.value(column);
                         if (left.isEmpty() || right.isEmpty())
                             return left.isEmpty() && !right.isEmpty();
                         return collator.compare(left, right) < 0;
                     });
    // The blank rows came first; taking them out from the bottom up moves them below the
    // named ones without changing the order of those.
    QList<QStringList> kept;
    for (const QStringList &cells : rows) {
        if (!isBlankPart(cells))
            kept.append(cells);
    }
    GridBatch batch(grid);
    grid.clearRows(1);
    for (int index = 0; index < kept.size(); ++index)
        grid.setRowCells(index + 1, kept.at(index));
    RowCommands::numberRows(grid);
}

} // namespace PartsList
