#pragma once

#include "slip/item_columns.h"
#include "slip/money.h"
#include "slip/slip_arithmetic.h"
#include "slip/slip_header.h"
#include "slip/tax_rates.h"

#include <QString>

class StringGrid;

// The program-wide calculation settings, read from PRINT.INI at start-up and again whenever
// the print settings dialog closes.
struct CalcSettings
{
    RoundingMode rounding = RoundingMode::Truncate;
    // Zero quantities, prices and rounded amounts are kept instead of blanked.
    bool zeroPrint = false;
    // Column 11 and the last status panel show the profit rate instead of the cost rate.
    bool profitRate = false;
    // The standard and the reduced consumption tax rate.
    TaxRates rates;

    static CalcSettings fromPrintIni();
};

// The title of the rate column: 利益率 or 原価率.
QString rateColumnTitle(bool profitRate);

// Sums over the item grid, kept between recalculations for saving and printing.
struct SlipTotals
{
    Money item;    // column 9 of every row
    Money taxable; // column 9 of rows without the tax-exempt mark
    Money cost;    // column 10 of every row
    // The taxable rows split into standard and reduced rate; their sum is taxable.
    RateSums byRate;
};

// The sums of column 9 and 10 as the item grid holds them now, without recalculating its
// rows. Rows whose values would break the money range are left out, as the recalculation
// leaves them out.
SlipTotals itemTotals(const StringGrid &items);

// The consumption tax of a slip in whole yen: the sum of the taxes per rate, each the
// inclusive tax of the rate's taxable total on an inclusive slip, its exclusive tax by the
// rounding mode on an exclusive one; 0 when exempt.
qint64 consumptionTax(const SlipTotals &totals, TaxMode taxMode, RoundingMode rounding,
                      const TaxRates &rates);

// The totals-by-classification grid, refreshed after every recalculation while it is shown.
class ClassificationTotalsView
{
public:
    virtual ~ClassificationTotalsView() = default;
    virtual void refreshClassificationTotals(const SlipTotals &totals) = 0;
};

// The grid cell being edited when the recalculation runs; column -1 when none.
struct GridCell
{
    int column = -1;
    int row = -1;
};

// What the window shows after a recalculation.
struct KeisanResult
{
    QString TOTALKIN;   // "\12,345.-"
    QString taxText;    // status panel 2
    QString totalText;  // status panel 3
    QString costText;   // status panel 4
    QString profitText; // status panel 5
    QString rateText;   // status panel 6
    // A line amount overflowed: the in-cell number editor must be emptied as well.
    bool clearNumberEditor = false;

    // The text of status panel 2 to 6; empty for any other panel.
    QString statusPanel(int index) const;
};

// The beep and "桁オーバーです。" of an amount beyond the money range.
void reportDigitOverflow();

// The recalculation of the slip: line amounts, cost amounts and rates in the item grid, the
// totals and the texts of the total box and the status bar. The main window owns one and
// keeps its settings current.
class Calculation
{
public:
    CalcSettings settings;
    SlipTotals totals;
    // The totals-by-classification grid, once the window has one; none until then.
    ClassificationTotalsView *classificationTotals = nullptr;

    // Recalculates every item row of SG1 (rows 1 to the last) and the totals. current is the
    // cell being edited: it is emptied when an amount overflows and it is a quantity or
    // price cell.
    KeisanResult Keisan(StringGrid &SG1, TaxMode taxMode, GridCell current = {});

private:
    void calculateRow(StringGrid &grid, int row, TaxMode taxMode, GridCell current,
                      KeisanResult &result) const;
    QString lineAmount(StringGrid &grid, int row, int priceColumn, GridCell current,
                       KeisanResult &result) const;
    QString rowRate(const QString &amount, const QString &cost, int netOfRate) const;
    void fillTexts(TaxMode taxMode, KeisanResult &result) const;
    QString taxPanelText(const QList<RateTax> &byRate) const;
    QString overallRateText(TaxMode taxMode, qint64 inclusiveTaxOfTaxable) const;
};
