#include "customer_list.h"

#include "common/comma_text.h"
#include "common/program_dir.h"
#include "common/sjis.h"
#include "common/text_file.h"
#include "customer_columns.h"
#include "slip/string_grid.h"

#include <QFileInfo>

namespace Col = CustomerColumn;

namespace {

// The fields KOKYAKU2.LST keeps: 顧客名 to the honorific. The mark is only for this run.
constexpr int firstRecordColumn = Col::name;
constexpr int lastRecordColumn = Col::honorific;

QStringList recordCells(const StringGrid &grid, int row)
{
    QStringList cells;
    for (int column = firstRecordColumn; column <= lastRecordColumn; ++column)
        cells << grid.cell(column, row);
    return cells;
}

// The further fields of each name, when KOKYAKU2.LST is in step with the names; nothing
// otherwise, and the names load alone.
std::optional<QList<QStringList>> recordsInStepWith(const QStringList &names)
{
    const QString path = programFile(CustomerList::recordsFileName());
    if (!QFileInfo::exists(path))
        return std::nullopt;
    const QList<QByteArray> lines = TextFile::readByteLines(path);
    if (lines.size() != names.size())
        return std::nullopt;
    QList<QStringList> records;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = Sjis::decode(lines.at(i));
        // Bytes that are not Shift_JIS would come back as other text; better the names alone
        // than addresses quietly changed.
        if (Sjis::encode(line) != lines.at(i))
            return std::nullopt;
        QStringList cells = CommaText::split(line);
        if (cells.value(0) != names.at(i))
            return std::nullopt;
        records << cells;
    }
    return records;
}

bool isFilled(const StringGrid &grid, int row)
{
    for (int column = Col::name; column <= Col::address1; ++column) {
        if (!grid.cell(column, row).isEmpty())
            return true;
    }
    return false;
}

std::optional<CustomerHit> search(const StringGrid &grid, const QString &text, int firstRow,
                                  int lastRow, int lastColumn)
{
    if (text.isEmpty())
        return std::nullopt;
    // Compared as characters, not as Shift_JIS bytes: a byte search would find the second
    // byte of one character followed by the first of the next, e.g. "\" inside "ソ".
    for (int row = qMax(1, firstRow); row <= lastRow; ++row) {
        for (int column = Col::name; column <= lastColumn; ++column) {
            if (grid.cell(column, row).contains(text, Qt::CaseSensitive))
                return CustomerHit{column, row};
        }
    }
    return std::nullopt;
}

} // namespace

namespace CustomerList {

QString namesFileName()
{
    return QStringLiteral("KOKYAKU.LST");
}

QString recordsFileName()
{
    return QStringLiteral("KOKYAKU2.LST");
}

QStringList titles()
{
    return {QStringLiteral("№"),
            QStringLiteral("顧客名"),
            QStringLiteral("顧客名２"),
            QStringLiteral("〒"),
            QStringLiteral("住所"),
            QStringLiteral("住所２"),
            QStringLiteral("tel"),
            QString(),
            QString()};
}

void prepare(StringGrid &grid)
{
    GridBatch batch(grid);
    grid.setRowCount(startRows);
    grid.clearRows(0);
    grid.setRowCells(0, titles());
}

CustomerRecord record(const StringGrid &grid, int row)
{
    return {grid.cell(Col::name, row),       grid.cell(Col::name2, row),
            grid.cell(Col::postalCode, row), grid.cell(Col::address1, row),
            grid.cell(Col::address2, row),   grid.cell(Col::telephone, row),
            grid.cell(Col::honorific, row)};
}

void setRecord(StringGrid &grid, int row, const CustomerRecord &customer)
{
    GridBatch batch(grid);
    grid.setCell(Col::name, row, customer.NAME1);
    grid.setCell(Col::name2, row, customer.NAME2);
    grid.setCell(Col::postalCode, row, customer.YUBIN);
    grid.setCell(Col::address1, row, customer.ADD1);
    grid.setCell(Col::address2, row, customer.ADD_2);
    grid.setCell(Col::telephone, row, customer.Tel);
    grid.setCell(Col::honorific, row, customer.KEISYOU);
}

void addAtTop(StringGrid &grid, const CustomerRecord &customer)
{
    SG_INS(grid, 1);
    setRecord(grid, 1, customer);
}

std::optional<CustomerHit> find(const StringGrid &grid, const QString &text)
{
    return search(grid, text, 1, grid.rows() - 1, Col::honorific);
}

std::optional<CustomerHit> findNext(const StringGrid &grid, const QString &text, int currentRow)
{
    return search(grid, text, currentRow + 1, grid.rows() - 2, Col::mark);
}

bool isMarked(const StringGrid &grid, int row)
{
    return !grid.cell(Col::mark, row).isEmpty();
}

bool toggleMark(StringGrid &grid, int row)
{
    if (row < 1 || row >= grid.rows())
        return false;
    if (isMarked(grid, row)) {
        grid.setCell(Col::mark, row, QString());
        return true;
    }
    if (grid.cell(Col::name, row).isEmpty())
        return false;
    grid.setCell(Col::mark, row, QStringLiteral("1"));
    return true;
}

void markAll(StringGrid &grid)
{
    GridBatch batch(grid);
    for (int row = 1; row < grid.rows(); ++row) {
        if (!grid.cell(Col::name, row).isEmpty())
            grid.setCell(Col::mark, row, QStringLiteral("1"));
    }
}

void clearMarks(StringGrid &grid)
{
    GridBatch batch(grid);
    for (int row = 1; row < grid.rows(); ++row)
        grid.setCell(Col::mark, row, QString());
}

} // namespace CustomerList

void KOKYAKU_YOMIKOMI(StringGrid &grid)
{
    const QString path = programFile(CustomerList::namesFileName());
    if (QFileInfo::exists(path)) {
        const QStringList names = TextFile::readLines(path);
        const std::optional<QList<QStringList>> records = recordsInStepWith(names);
        GridBatch batch(grid);
        for (int row = 1; row <= names.size(); ++row) {
            if (grid.rows() < row + 1)
                grid.setRowCount(row + 1);
            QStringList cells(Col::count);
            cells[Col::name] = names.at(row - 1);
            if (records) {
                const QStringList &fields = records->at(row - 1);
                for (int column = Col::name2; column <= lastRecordColumn; ++column)
                    cells[column] = fields.value(column - firstRecordColumn);
            }
            grid.setRowCells(row, cells);
        }
    }
    SG_NUM(grid);
}

void KOKYAKU_KAKIDASI(const StringGrid &grid)
{
    bool anyFilled = false;
    for (int row = 1; row < grid.rows() && !anyFilled; ++row)
        anyFilled = isFilled(grid, row);
    if (!anyFilled)
        return;
    QStringList names;
    QStringList records;
    for (int row = 1; row < grid.rows(); ++row) {
        const QString name = grid.cell(Col::name, row);
        if (name.isEmpty())
            continue;
        names << name;
        records << CommaText::join(recordCells(grid, row));
    }
    // The names first: should the second write fail, the records are out of step with them
    // and the next start-up loads the names alone rather than wrong addresses.
    TextFile::writeLines(programFile(CustomerList::namesFileName()), names);
    TextFile::writeLines(programFile(CustomerList::recordsFileName()), records);
}

void SG_INS(StringGrid &grid, int row)
{
    if (row < 1 || row > grid.rows())
        return;
    grid.insertRowAt(row);
    SG_NUM(grid);
}

void SG_DEL(StringGrid &grid, int row)
{
    if (row < 1 || row >= grid.rows())
        return;
    const int rowsBefore = grid.rows();
    GridBatch batch(grid);
    grid.removeRowAt(row);
    grid.setRowCount(rowsBefore < 27 ? rowsBefore + 1 : rowsBefore);
    SG_NUM(grid);
}

void SG_NUM(StringGrid &grid)
{
    GridBatch batch(grid);
    for (int row = 1; row < grid.rows(); ++row)
        grid.setCell(Col::number, row, QString::number(row));
}
