#include "slip/row_commands.h"

#include "common/comma_text.h"
#include "common/sjis.h"
#include "slip/item_columns.h"
#include "slip/string_grid.h"
#include "slip/tax_rates.h"

namespace RowCommands {

namespace {

constexpr QChar fullWidthSpace = u'　';
constexpr QChar fullWidthPeriod = u'．';

// Blanks are the characters up to the space, as everywhere in the grid's texts; the
// full-width space of an indent is not one of them.
bool isBlank(QChar c)
{
    return c.unicode() <= 32;
}

QString trimBlanks(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlank(text.at(start)))
        ++start;
    while (end > start && isBlank(text.at(end - 1)))
        --end;
    return text.mid(start, end - start);
}

void setNumber(StringGrid &grid, int row)
{
    grid.setCell(ItemColumn::number, row, QString::number(row));
}

bool isValidRow(const StringGrid &grid, int row)
{
    return row >= 1 && row < grid.rows();
}

// Numbering turns the full-width marks into the half-width ones. The half-width yen sign is
// the same Shift_JIS byte as "\", and it is what the yen key of a Japanese keyboard types.
QString halfWidthMark(const QString &category)
{
    if (category == QStringLiteral("＠"))
        return QStringLiteral("@");
    if (category == QStringLiteral("￥") || category == QStringLiteral("¥"))
        return QStringLiteral("\\");
    if (category == QStringLiteral("＃"))
        return QStringLiteral("#");
    return category;
}

bool isMark(const QString &category)
{
    return category == QLatin1String("@") || category == QLatin1String("\\") ||
           category == QLatin1String("#");
}

bool endsNumbering(const QString &category)
{
    return category == QLatin1String("@") || category == QLatin1String("\\");
}

// An earlier numbering put "1．", "12．" or a short code with "．" in front of the name:
// a full-width period that starts within the first five bytes.
QString withoutEarlierNumber(const QString &name)
{
    const qsizetype period = name.indexOf(fullWidthPeriod);
    if (period < 0 || Sjis::byteLength(name.left(period)) > 4)
        return name;
    return name.mid(period + 1);
}

// Calls change for each row from the last used one up to row 1 whose classification is blank.
template<typename Change> void forUnclassifiedRows(StringGrid &grid, Change change)
{
    GridBatch batch(grid);
    for (int row = lastUsedRow(grid); row >= 1; --row) {
        if (trimBlanks(grid.cell(ItemColumn::category, row)).isEmpty())
            change(row);
    }
}

} // namespace

int lastUsedRow(const StringGrid &grid)
{
    for (int row = grid.rows() - 1; row > 0; --row) {
        for (int column = 1; column < grid.columns(); ++column) {
            if (!grid.cell(column, row).isEmpty())
                return row;
        }
    }
    return 0;
}

void numberRows(StringGrid &grid)
{
    GridBatch batch(grid);
    for (int row = 1; row < grid.rows(); ++row)
        setNumber(grid, row);
}

void insertRow(StringGrid &grid, int row)
{
    if (!isValidRow(grid, row))
        return;
    GridBatch batch(grid);
    const int count = grid.rows();
    grid.setRowCount(count + 1);
    for (int from = count - 1; from >= row; --from) {
        grid.setRowCells(from + 1, grid.rowCells(from));
        setNumber(grid, from + 1);
    }
    grid.setRowCells(row, {});
    setNumber(grid, row);
}

void deleteRow(StringGrid &grid, int row, int minimumRows)
{
    if (!isValidRow(grid, row))
        return;
    GridBatch batch(grid);
    // The whole row moves up, its rate included: a rate left behind would be shown for the
    // row that moves in wherever the recalculation keeps a rate (a cost amount of "0").
    for (int to = row; to < grid.rows() - 1; ++to)
        grid.setRowCells(to, grid.rowCells(to + 1));
    grid.setRowCells(grid.rows() - 1, {});
    grid.setRowCount(grid.rows() > minimumRows ? grid.rows() - 1 : minimumRows);
    for (int numbered = row; numbered < grid.rows(); ++numbered)
        setNumber(grid, numbered);
}

QString rowText(const StringGrid &grid, int row)
{
    return CommaText::join(grid.rowCells(row));
}

void pasteRow(StringGrid &grid, int row, const QString &text)
{
    if (!isValidRow(grid, row))
        return;
    GridBatch batch(grid);
    grid.setRowCells(row, CommaText::split(text).mid(0, grid.columns()));
    setNumber(grid, row);
}

QString pastedCellText(const QString &text)
{
    QString line = text;
    while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

void toggleExemptMark(StringGrid &grid, int row)
{
    if (!grid.cell(ItemColumn::exemptMark, row).isEmpty())
        grid.setCell(ItemColumn::exemptMark, row, QString());
    else if (!grid.cell(ItemColumn::amount, row).isEmpty())
        grid.setCell(ItemColumn::exemptMark, row, QStringLiteral("1"));
}

void toggleReducedRateMark(StringGrid &grid, int row)
{
    const QString mark = grid.cell(ItemColumn::exemptMark, row);
    if (lineRateOf(mark) == LineRate::Reduced)
        grid.setCell(ItemColumn::exemptMark, row, QString());
    else if (!grid.cell(ItemColumn::amount, row).isEmpty())
        grid.setCell(ItemColumn::exemptMark, row, reducedLineMark.toString());
}

void indent(StringGrid &grid)
{
    forUnclassifiedRows(grid, [&grid](int row) {
        grid.setCell(ItemColumn::name, row, fullWidthSpace + grid.cell(ItemColumn::name, row));
    });
}

void unindent(StringGrid &grid)
{
    forUnclassifiedRows(grid, [&grid](int row) {
        const QString name = grid.cell(ItemColumn::name, row);
        if (name.startsWith(fullWidthSpace))
            grid.setCell(ItemColumn::name, row, name.mid(1));
    });
}

void numberItems(StringGrid &grid)
{
    GridBatch batch(grid);
    bool classified = false;
    for (int row = 1; row < grid.rows(); ++row) {
        const QString category = halfWidthMark(trimBlanks(grid.cell(ItemColumn::category, row)));
        grid.setCell(ItemColumn::category, row, category);
        grid.setCell(ItemColumn::name, row,
                     withoutEarlierNumber(trimBlanks(grid.cell(ItemColumn::name, row))));
        if (!category.isEmpty() && !isMark(category))
            classified = true;
    }

    int counter = 1;
    for (int row = 1; row < grid.rows(); ++row) {
        const QString category = grid.cell(ItemColumn::category, row);
        const QString name = grid.cell(ItemColumn::name, row);
        if (!trimBlanks(name).isEmpty() && !isMark(category)) {
            if (!classified)
                grid.setCell(ItemColumn::name, row,
                             QString::number(counter++) + fullWidthPeriod + name);
            else if (!category.isEmpty())
                grid.setCell(ItemColumn::name, row, category + fullWidthPeriod + name);
        }
        if (endsNumbering(category))
            break;
    }
}

} // namespace RowCommands
