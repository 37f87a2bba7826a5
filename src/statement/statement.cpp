#include "statement/statement.h"

#include "common/clock.h"
#include "common/comma_text.h"
#include "common/prompter.h"
#include "files/numbering.h"
#include "files/slip_file.h"
#include "settings/print_ini.h"
#include "slip/number_format.h"
#include "slip/slip_header.h"

#include <QFileInfo>

namespace {

using namespace StatementColumn;

// An item line of nothing but commas: the empty rows a slip file carries after its items.
const QString emptyItemLine = QStringLiteral(",,,,,,,,,,,");

// After 【消　費　税】 (and the rate of a per-rate row) on an inclusive tax row.
const QString inclusiveTaxRowSuffix = QStringLiteral(" (内税)　\\");
const QString taxExistsText = QStringLiteral("消費税がすでに存在しますので中止します。");
const QString amountRowText = QStringLiteral("金額のある行は削除できません。");
const QString notFoundText = QStringLiteral("が見つかりません。");
const QString dateNotReadText = QStringLiteral("日付の変換ができませんでした。");

QStringList titles()
{
    return {QStringLiteral("№"),     QStringLiteral("日付"),
            QStringLiteral("伝票№"), QString(),
            QStringLiteral("品名"),  QStringLiteral("形状・寸法"),
            QStringLiteral("数量"),  QStringLiteral("単位"),
            QStringLiteral("単価"),  QStringLiteral("原単価"),
            QStringLiteral("金額"),  QStringLiteral("原価計"),
            QStringLiteral("率")};
}

// A cell amount as money; the empty cell counts 0. Throws for a cell that is no number.
Money amountOf(const QString &text)
{
    return text.isEmpty() ? Money() : Money::parse(text);
}

bool isTaxRow(const StringGrid &grid, int row)
{
    return grid.cell(name, row).contains(Statement::taxRowMark);
}

// The rate a tax row names after its mark: the reduced one for "【消　費　税】8%", the
// standard one otherwise.
LineRate taxRowRate(const QString &text, const TaxRates &rates)
{
    const qsizetype mark = text.indexOf(Statement::taxRowMark);
    const QStringView after = QStringView(text).mid(mark + Statement::taxRowMark.size());
    const bool reduced =
        rates.reduced != rates.standard && after.startsWith(ratePercentText(rates.reduced));
    return reduced ? LineRate::Reduced : LineRate::Standard;
}

} // namespace

const QString Statement::taxRowMark = QStringLiteral("【消　費　税】");

StatementFileError::StatementFileError(const QString &path, int line, const QString &reason)
    : MiravoError(QStringLiteral("%1\n%2行目: %3").arg(path).arg(line).arg(reason))
    , m_path(path)
    , m_line(line)
    , m_reason(reason)
{}

Statement::Statement()
    : m_grid(count, blankRows + 1)
{
    m_grid.setRowCells(0, titles());
    for (int row = 1; row <= blankRows; ++row)
        m_grid.setCell(number, row, QString::number(row));
}

QString Statement::panel(int index) const
{
    return index >= 2 && index <= 6 ? m_panels[index - 2] : QString();
}

void Statement::setTitles()
{
    const QString itemName = PrintIni::itemNameTitle.value();
    const QString shapeName = PrintIni::shapeTitle.value();
    m_grid.setCell(name, 0, itemName.isEmpty() ? QStringLiteral("品名") : itemName);
    m_grid.setCell(shape, 0, shapeName.isEmpty() ? QStringLiteral("形状・寸法") : shapeName);
}

void Statement::SG0_HAKUSI(SlipHeader &header)
{
    {
        GridBatch batch(m_grid);
        m_grid.setRowCount(blankRows + 1);
        m_grid.clearRows(1);
        for (int row = 1; row <= blankRows; ++row)
            m_grid.setCell(number, row, QString::number(row));
    }
    header.clearTypedFields();
    header.DTP1 = Clock::now();
    BANGOU_CALL(header.Bangou);
}

void Statement::begin()
{
    m_row = 0;
    compiledNet = Money();
    compiledTax = Money();
}

bool Statement::MEISAI_YOMIKOMI(const QString &path, SlipHeader &header)
{
    if (!QFileInfo::exists(path)) {
        prompter().information(path + notFoundText);
        return false;
    }
    const SlipFile::Contents file = SlipFile::readContents(path);

    header.NAME1 = file.line(SlipFile::nameLine);
    header.ADD1 = file.line(2);
    header.ADD_2 = file.line(3);
    header.YUBIN = file.line(4);
    const std::optional<QDateTime> date = SlipFile::parseDate(file.line(SlipFile::dateLine));
    if (!date)
        throw StatementFileError(path, SlipFile::dateLine, dateNotReadText);
    header.DTP1 = *date;
    header.NAME2 = file.line(6);
    header.TITLE = file.line(SlipFile::titleLine);
    header.Tanto = file.line(12);
    const QString taxMode = file.line(SlipFile::taxModeLine);
    const QString slipNumber = file.line(SlipFile::numberLine);
    const QString dateText = date->date().toString(QStringLiteral("yyyy/MM/dd"));

    ++m_row;
    inclusive = false;
    RateSums taxable;
    GridBatch batch(m_grid);
    for (qsizetype i = 0; i < file.items.size(); ++i) {
        const QString &line = file.items.at(i);
        if (line.contains(emptyItemLine))
            continue;
        placeItem(CommaText::split(line), dateText, slipNumber);
        try {
            const Money amountValue = amountOf(m_grid.cell(amount, m_row));
            amountOf(m_grid.cell(costAmount, m_row));
            if (amountValue != Money())
                compiledNet += amountValue;
            if (!m_grid.cell(amount, m_row).isEmpty())
                taxable.add(lineRateOf(m_grid.cell(exemptMark, m_row)), amountValue);
        } catch (const MiravoError &error) {
            throw StatementFileError(path, SlipFile::headerLines + int(i) + 1, error.message());
        }
        ++m_row;
    }

    if (taxMode == u"2")
        --m_row; // the next slip follows right after this one's last item
    else if (!taxMode.isEmpty())
        writeTaxRows(taxMode, taxable, dateText, slipNumber);
    return true;
}

void Statement::placeItem(const QStringList &fields, const QString &date, const QString &number)
{
    ensureRow(m_row);
    // Item columns 4 to 11 move one to the right to make room for the date and the slip
    // number; the item name goes to 4; the classification is not kept.
    QStringList cells(count);
    cells[exemptMark] = fields.value(3);
    cells[name] = fields.value(2);
    for (int column = 4; column < 12; ++column)
        cells[column + 1] = fields.value(column);
    cells[StatementColumn::number] = QString::number(m_row);
    cells[StatementColumn::date] = date;
    cells[slipNumber] = number;
    m_grid.setRowCells(m_row, cells);
}

void Statement::takeTaxSettings(RoundingMode slipRounding)
{
    rounding = slipRounding;
    rates = TaxRates::fromPrintIni();
    perRateTaxRows = PrintIni::qualifiedInvoice.on();
}

QList<Statement::TaxRow> Statement::taxRows(const QList<RateTax> &byRate) const
{
    QList<TaxRow> rows;
    if (perRateTaxRows) {
        for (const RateTax &entry : byRate)
            rows.append({ratePercentText(entry.rate), entry.tax});
        return rows;
    }
    rows.append({QString(), totalTax(byRate)});
    return rows;
}

void Statement::writeTaxRows(const QString &taxMode, const RateSums &taxable, const QString &date,
                             const QString &number)
{
    const bool inclusiveRows = taxMode == u"1";
    const QList<RateTax> byRate = taxByRate(
        taxable, inclusiveRows ? TaxMode::Inclusive : TaxMode::Exclusive, rounding, rates);
    bool first = true;
    for (const TaxRow &row : taxRows(byRate)) {
        // The file's last tax row is where the next file's counting goes on from.
        if (!first)
            ++m_row;
        first = false;
        ensureRow(m_row);
        QStringList cells(count);
        cells[StatementColumn::number] = QString::number(m_row);
        cells[StatementColumn::date] = date;
        cells[slipNumber] = number;
        compiledTax += Money::fromYen(row.tax);
        if (inclusiveRows) {
            cells[name] = taxRowMark + row.rateSuffix + inclusiveTaxRowSuffix + formatN(row.tax);
            compiledNet = compiledNet - Money::fromYen(row.tax);
            inclusive = true;
        } else {
            cells[name] = taxRowMark + row.rateSuffix;
            cells[amount] = QString::number(row.tax);
        }
        m_grid.setRowCells(m_row, cells);
    }
}

void Statement::ensureRow(int row)
{
    if (m_grid.rows() < row + 1)
        m_grid.setRowCount(row + 1);
}

void Statement::compile(const QStringList &paths, SlipHeader &header)
{
    SG0_HAKUSI(header);
    begin();
    for (const QString &path : paths)
        MEISAI_YOMIKOMI(path, header);
    KEISAN2();
}

void Statement::KEISAN2()
{
    amountSum = Money();
    taxSum = Money();
    costSum = Money();
    RateSums taxable;
    Money standardTax;
    Money reducedTax;
    for (int row = 1; row < m_grid.rows(); ++row) {
        const QString amountText = m_grid.cell(amount, row);
        if (!amountText.isEmpty()) {
            const Money value = Money::parse(amountText);
            if (isTaxRow(m_grid, row)) {
                taxSum += value;
                if (taxRowRate(m_grid.cell(name, row), rates) == LineRate::Reduced)
                    reducedTax += value;
                else
                    standardTax += value;
            } else {
                amountSum += value;
                taxable.add(lineRateOf(m_grid.cell(exemptMark, row)), value);
            }
        }
        const QString costText = m_grid.cell(costAmount, row);
        if (!costText.isEmpty())
            costSum += Money::parse(costText);
    }
    byRate = taxByRate(taxable, TaxMode::Exclusive, rounding, rates);
    for (RateTax &entry : byRate)
        entry.tax = (entry.line == LineRate::Reduced ? reducedTax : standardTax).truncatedYen();

    m_panels[0] = QStringLiteral("消費税 = ") + formatN(taxSum);
    m_panels[1] = QStringLiteral("税込合計 = ") + formatN(amountSum + taxSum);
    m_panels[2] = QStringLiteral("原価合計 = ") + formatN(costSum);
    m_panels[3] = QStringLiteral("粗利計 = ") + formatN(amountSum - costSum);
    QString rate;
    if (amountSum != Money())
        rate = cutAfterFirstDecimal(
            decimalText15(costSum.toLongDouble() / amountSum.toLongDouble() * 100));
    m_panels[4] = QStringLiteral("原価率 = ") + rate + u'%';
    TOTALKIN = u'\\' + formatN(amountSum.truncatedYen()) + QStringLiteral(".-");
}

bool Statement::addLumpTax()
{
    for (int row = 1; row < m_grid.rows(); ++row) {
        if (isTaxRow(m_grid, row)) {
            prompter().information(taxExistsText);
            return false;
        }
    }
    RateSums taxable;
    int lastNamed = 0;
    for (int row = 1; row < m_grid.rows(); ++row) {
        if (!m_grid.cell(amount, row).isEmpty())
            taxable.add(lineRateOf(m_grid.cell(exemptMark, row)),
                        Money::fromYen(amountOf(m_grid.cell(amount, row)).truncatedYen()));
        if (!m_grid.cell(name, row).isEmpty())
            lastNamed = row;
    }

    const int lastRow = m_grid.rows() - 1;
    int row = lastRow;
    if (lastNamed == lastRow) {
        m_grid.setRowCount(lastRow + 2);
        row = lastRow + 1;
    } else if (lastNamed > 0) {
        row = lastNamed + 1;
    }
    compiledTax = Money();
    bool first = true;
    for (const TaxRow &taxRow : taxRows(taxByRate(taxable, TaxMode::Exclusive, rounding, rates))) {
        if (!first)
            ensureRow(++row);
        first = false;
        m_grid.setCell(name, row, taxRowMark + taxRow.rateSuffix);
        m_grid.setCell(amount, row, QString::number(taxRow.tax));
        compiledTax += Money::fromYen(taxRow.tax);
    }
    KEISAN2();
    prompter().beep();
    return true;
}

bool Statement::deleteRow(int row)
{
    if (row < 1 || row >= m_grid.rows())
        return false;
    if (!m_grid.cell(amount, row).isEmpty()) {
        prompter().information(amountRowText);
        return false;
    }
    GridBatch batch(m_grid);
    const int lastRow = m_grid.rows() - 1;
    for (int below = row; below < lastRow; ++below) {
        QStringList cells = m_grid.rowCells(below + 1);
        bool numbered = false;
        const int movedNumber = cells.value(number).toInt(&numbered);
        if (numbered)
            cells[number] = QString::number(movedNumber - 1);
        m_grid.setRowCells(below, cells);
    }
    m_grid.setRowCells(lastRow, QStringList());
    if (m_grid.rows() != blankRows + 1)
        m_grid.setRowCount(lastRow);
    const int newLast = m_grid.rows() - 1;
    m_grid.setCell(number, newLast, QString::number(newLast));
    return true;
}

int Statement::lastUsedRow() const
{
    for (int row = m_grid.rows() - 1; row >= 1; --row) {
        for (int column = 1; column < count; ++column) {
            if (!m_grid.cell(column, row).isEmpty())
                return row;
        }
    }
    return 0;
}
