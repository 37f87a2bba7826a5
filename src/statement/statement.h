#pragma once

#include "slip/money.h"
#include "slip/slip_arithmetic.h"
#include "slip/string_grid.h"
#include "slip/tax_rates.h"
#include "statement/statement_columns.h"

#include "common/miravo_error.h"

#include <QString>
#include <QStringList>

struct SlipHeader;

// A slip file that cannot be compiled: its date line is no date, or an amount is no number.
// Names the file (as it was given) and the line to blame.
class StatementFileError : public MiravoError
{
public:
    StatementFileError(const QString &path, int line, const QString &reason);

    const QString &path() const { return m_path; }
    int line() const { return m_line; }
    const QString &reason() const { return m_reason; }

private:
    QString m_path;
    int m_line;
    QString m_reason;
};

// The itemized statement: the line items of several saved slips, each slip followed by its
// consumption tax, in the statement grid SG0, with the totals worked out over them.
//
// The print layouts and the receipts read the grid and the totals; the main window and
// miravo-cli compile it. Messages go through prompter().
class Statement
{
public:
    static constexpr int blankRows = 30;

    // The text that marks a row as a tax row, also inside the inclusive tax row's text.
    static const QString taxRowMark;

    Statement();

    // SG0: row 0 the titles, column 0 the running numbers.
    StringGrid &grid() { return m_grid; }
    const StringGrid &grid() const { return m_grid; }

    // How the exclusive tax of a slip is cut to whole yen; the slip's rounding mode.
    RoundingMode rounding = RoundingMode::Truncate;
    // The standard and reduced rates; with the qualified-invoice block on, each rate present
    // gets a tax row of its own (【消　費　税】10%, 【消　費　税】8%).
    TaxRates rates;
    bool perRateTaxRows = false;
    // rounding, rates and perRateTaxRows as PRINT.INI has them.
    void takeTaxSettings(RoundingMode slipRounding);

    // Compiled while reading the files (four decimals).
    Money compiledNet;      // item amounts of every slip, less the inclusive taxes
    Money compiledTax;      // taxes of every slip; replaced by a lump tax
    bool inclusive = false; // the last compiled file got an inclusive tax row

    // Worked out over the grid by KEISAN2.
    Money amountSum;
    Money taxSum;
    Money costSum;
    // The taxable total and the tax of each rate present: the item amounts by their rate
    // mark, the taxes of the tax rows with an amount by the rate they name (a row of all
    // rates counts at the standard rate).
    QList<RateTax> byRate;

    // What KEISAN2 shows: status panels 2 to 6 and the total box.
    QString panel(int index) const;
    QString TOTALKIN;

    // The column titles: 品名 and 形状・寸法 as PRINT.INI renames them.
    void setTitles();

    // SG0_HAKUSI: empties every data row and goes back to 30 numbered rows; empties the slip
    // header's typed fields, sets its date to now and fetches the next slip number.
    void SG0_HAKUSI(SlipHeader &header);

    // Starts a compilation: the running row counter and the compiled totals back to 0.
    void begin();

    // MEISAI_YOMIKOMI: appends one slip file. A missing file is reported and skipped (false).
    // Header lines 1 to 7 and 12 go into the header. Throws StatementFileError for a date
    // line that is no date and for an amount that is no number; the rows appended before
    // stay.
    bool MEISAI_YOMIKOMI(const QString &path, SlipHeader &header);

    // 明細読込み without the window: SG0_HAKUSI, begin, every file in order, KEISAN2.
    void compile(const QStringList &paths, SlipHeader &header);

    // KEISAN2: the statement sums over the grid, the panel texts and TOTALKIN.
    void KEISAN2();

    // 一括消費税（外税）: one exclusive tax for the whole statement. Refused with a message
    // while a tax row exists (false).
    bool addLumpTax();

    // 一行削除 of a data row. Refused with a message when the row has an amount (false).
    bool deleteRow(int row);

    // The last data row with anything in columns 1 to 12; 0 when there is none.
    int lastUsedRow() const;

private:
    void placeItem(const QStringList &fields, const QString &date, const QString &number);
    void writeTaxRows(const QString &taxMode, const RateSums &taxable, const QString &date,
                      const QString &number);
    // The tax rows of the rates: one per rate present, or one with their sum.
    struct TaxRow
    {
        QString rateSuffix; // "10%"; empty for the one row of all rates
        qint64 tax = 0;
    };
    QList<TaxRow> taxRows(const QList<RateTax> &byRate) const;
    void ensureRow(int row);

    StringGrid m_grid;
    int m_row = 0; // the running row counter r
    QString m_panels[5];
};
