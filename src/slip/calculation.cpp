#include "calculation.h"

#include "common/program_dir.h"
#include "common/prompter.h"
#include "settings/print_ini.h"
#include "slip/number_format.h"
#include "slip/string_grid.h"

namespace {

const QString digitOverflowText = QStringLiteral("桁オーバーです。\r\n");

// Sums of money are combined in 128 bits for the status texts, so that no combination of
// totals that each fit can overflow on the way.
using Units = __int128;

constexpr Units unitsPerYen = Money::unitsPerYen;

QString truncatedYenText(Units units)
{
    return formatN(static_cast<qint64>(units / unitsPerYen));
}

// "%0.n" of a sum: the nearest yen, a half to the even yen.
QString roundedYenText(Units units)
{
    Units yen = units / unitsPerYen;
    const Units remainder = units % unitsPerYen;
    const Units twice = (remainder < 0 ? -remainder : remainder) * 2;
    if (twice > unitsPerYen || (twice == unitsPerYen && yen % 2 != 0))
        yen += units < 0 ? -1 : 1;
    return formatN(static_cast<qint64>(yen));
}

bool isQuantityOrPrice(int column)
{
    return column == ItemColumn::quantity || column == ItemColumn::unitPrice ||
           column == ItemColumn::costPrice;
}

// Adds the row's amount and cost to the totals. A sum beyond the money range leaves that
// row's value out of the totals it would break; false then.
bool addToTotals(const StringGrid &grid, int row, SlipTotals &totals)
{
    bool fits = true;
    const QString amountText = grid.cell(ItemColumn::amount, row);
    if (!amountText.isEmpty()) {
        try {
            const Money value = Money::parse(amountText);
            const LineRate rate = lineRateOf(grid.cell(ItemColumn::exemptMark, row));
            const Money item = totals.item + value;
            const Money taxable =
                rate == LineRate::Exempt ? totals.taxable : totals.taxable + value;
            RateSums byRate = totals.byRate;
            byRate.add(rate, value);
            totals.item = item;
            totals.taxable = taxable;
            totals.byRate = byRate;
        } catch (const MiravoError &) {
            fits = false;
        }
    }
    const QString costText = grid.cell(ItemColumn::costAmount, row);
    if (!costText.isEmpty()) {
        try {
            totals.cost += Money::parse(costText);
        } catch (const MiravoError &) {
            fits = false;
        }
    }
    return fits;
}

} // namespace

SlipTotals itemTotals(const StringGrid &items)
{
    SlipTotals totals;
    for (int row = 1; row < items.rows(); ++row)
        addToTotals(items, row, totals);
    return totals;
}

qint64 consumptionTax(const SlipTotals &totals, TaxMode taxMode, RoundingMode rounding,
                      const TaxRates &rates)
{
    return totalTax(taxByRate(totals.byRate, taxMode, rounding, rates));
}

CalcSettings CalcSettings::fromPrintIni()
{
    const PrintIni::Modes modes = PrintIni::modes();
    CalcSettings settings;
    settings.rounding = roundingModeFromSetting(modes.roundingMode);
    settings.zeroPrint = modes.zeroPrint;
    settings.profitRate = modes.profitRates;
    settings.rates = TaxRates::fromPrintIni();
    return settings;
}

QString rateColumnTitle(bool profitRate)
{
    return profitRate ? QStringLiteral("利益率") : QStringLiteral("原価率");
}

QString KeisanResult::statusPanel(int index) const
{
    switch (index) {
    case 2:
        return taxText;
    case 3:
        return totalText;
    case 4:
        return costText;
    case 5:
        return profitText;
    case 6:
        return rateText;
    default:
        return QString();
    }
}

void reportDigitOverflow()
{
    prompter().beep();
    prompter().warning(digitOverflowText);
}

KeisanResult Calculation::Keisan(StringGrid &SG1, TaxMode taxMode, GridCell current)
{
    KeisanResult result;
    totals = {};
    bool totalsOverflowed = false;
    {
        // One change notice for the whole grid: the view repaints once, not per cell.
        GridBatch batch(SG1);
        for (int row = 1; row < SG1.rows(); ++row) {
            calculateRow(SG1, row, taxMode, current, result);
            if (!addToTotals(SG1, row, totals))
                totalsOverflowed = true;
        }
    }
    if (totalsOverflowed)
        reportDigitOverflow();
    fillTexts(taxMode, result);
    if (classificationTotals)
        classificationTotals->refreshClassificationTotals(totals);
    return result;
}

void Calculation::calculateRow(StringGrid &grid, int row, TaxMode taxMode, GridCell current,
                               KeisanResult &result) const
{
    using namespace ItemColumn;
    for (const int column : {quantity, unitPrice, costPrice}) {
        const QString text = grid.cell(column, row);
        // A lone "-" is a minus sign typed without its number.
        if ((text == u"0" && !settings.zeroPrint) || text == u"-")
            grid.setCell(column, row, QString());
    }

    grid.setCell(amount, row, lineAmount(grid, row, unitPrice, current, result));
    grid.setCell(costAmount, row, lineAmount(grid, row, costPrice, current, result));

    const QString amountText = grid.cell(amount, row);
    const QString costText = grid.cell(costAmount, row);
    if (!MOJITOKAZU(amountText) || !MOJITOKAZU(costText)) {
        grid.setCell(rate, row, QString());
        return;
    }
    // A cost of exactly "0" (kept by the zero-print flag) leaves the rate as it was.
    if (costText == u"0")
        return;
    // On an inclusive slip a taxable row is judged on its amount without its rate's tax.
    const LineRate lineRate = lineRateOf(grid.cell(exemptMark, row));
    const int netOfRate = taxMode == TaxMode::Inclusive ? settings.rates.percent(lineRate) : 0;
    grid.setCell(rate, row, rowRate(amountText, costText, netOfRate));
}

QString Calculation::lineAmount(StringGrid &grid, int row, int priceColumn, GridCell current,
                                KeisanResult &result) const
{
    // Read afresh: an earlier overflow may have emptied the cell being edited.
    const QString quantity = grid.cell(ItemColumn::quantity, row);
    const QString price = grid.cell(priceColumn, row);
    if (!MOJITOKAZU(quantity) || !MOJITOKAZU(price))
        return QString();
    try {
        return KAKEZAN(quantity, price, settings.rounding, settings.zeroPrint);
    } catch (const MiravoError &) {
        result.clearNumberEditor = true;
        if (isQuantityOrPrice(current.column))
            grid.setCell(current.column, current.row, QString());
        reportDigitOverflow();
        return QString();
    }
}

QString Calculation::rowRate(const QString &amount, const QString &cost, int netOfRate) const
{
    const long double a = parseFloating(amount).value_or(0);
    const long double c = parseFloating(cost).value_or(0);
    if (netOfRate > 0) {
        const long double net = netOfTax(a, netOfRate);
        const QString netText = QString::number(truncateToInteger(net));
        if (settings.profitRate)
            return WARIZAN(QString::number(truncateToInteger(net - c)), netText);
        return WARIZAN(cost, netText);
    }
    if (settings.profitRate)
        return WARIZAN(QString::number(truncateToInteger(a - c)), amount);
    return WARIZAN(cost, amount);
}

void Calculation::fillTexts(TaxMode taxMode, KeisanResult &result) const
{
    const Units itemUnits = totals.item.units();
    const Units costUnits = totals.cost.units();
    const bool inclusive = taxMode == TaxMode::Inclusive;
    // An exempt slip shows no tax, but its other panels are those of an exclusive one.
    const QList<RateTax> byRate =
        taxByRate(totals.byRate, inclusive ? TaxMode::Inclusive : TaxMode::Exclusive,
                  settings.rounding, settings.rates);
    const qint64 tax = totalTax(byRate);
    const qint64 inclusiveTaxOfTaxable = inclusive ? tax : 0;

    result.TOTALKIN = u'\\' + formatN(totals.item.truncatedYen()) + QStringLiteral(".-");

    result.taxText = taxPanelText(byRate);
    if (inclusive)
        result.totalText =
            QStringLiteral("税抜合計 = ") + roundedYenText(itemUnits - tax * unitsPerYen);
    else
        result.totalText =
            QStringLiteral("税込合計 = ") + roundedYenText(itemUnits + tax * unitsPerYen);
    if (taxMode == TaxMode::Exempt) {
        result.taxText.clear();
        result.totalText = QStringLiteral("合計 = ") + formatN(totals.item);
    }

    result.costText = QStringLiteral("原価計 = ") + formatN(totals.cost.truncatedYen());
    result.profitText =
        QStringLiteral("粗利計 = ") +
        truncatedYenText(itemUnits - costUnits - inclusiveTaxOfTaxable * unitsPerYen);
    result.rateText = overallRateText(taxMode, inclusiveTaxOfTaxable);
}

// "消費税 = 1,234", and with reduced lines the tax of each rate after it:
// "消費税 = 1,234（10%：1,000　8%：234）".
QString Calculation::taxPanelText(const QList<RateTax> &byRate) const
{
    QString text = QStringLiteral("消費税 = ") + formatN(totalTax(byRate));
    if (!totals.byRate.hasReducedLines)
        return text;
    QStringList parts;
    for (const RateTax &entry : byRate)
        parts.append(ratePercentText(entry.rate) + u'：' + formatN(entry.tax));
    return text + u'（' + parts.join(u'　') + u'）';
}

QString Calculation::overallRateText(TaxMode taxMode, qint64 inclusiveTaxOfTaxable) const
{
    const QString noRate = QStringLiteral("率 = ");
    if (totals.item == Money())
        return noRate;
    const bool inclusive = taxMode == TaxMode::Inclusive;
    const long double t = totals.item.toLongDouble();
    const long double k = totals.cost.toLongDouble();
    const long double m = static_cast<long double>(inclusiveTaxOfTaxable);
    long double rate = 0;
    if (settings.profitRate) {
        if (totals.cost == Money())
            return QStringLiteral("利益率 = 100%");
        if (inclusive) {
            // The tax in the taxable totals, not cut to whole yen.
            long double u = 0;
            for (const RateTax &entry :
                 taxByRate(totals.byRate, TaxMode::Inclusive, settings.rounding, settings.rates)) {
                const long double s = entry.taxable.toLongDouble();
                u += through15Digits(s - netOfTax(s, entry.rate));
            }
            // Exempt rows can cancel the rest down to exactly the tax: no rate to show.
            if (t - m == 0)
                return noRate;
            rate = (t - u - k) / (t - m) * 100;
        } else {
            rate = (t - k) / t * 100;
        }
        return QStringLiteral("利益率 = ") + cutAfterFirstDecimal(decimalText15(rate)) + u'%';
    }
    if (totals.cost == Money())
        return QStringLiteral("原価率 = 0%");
    if (t - m == 0)
        return noRate;
    rate = k / (t - m) * 100;
    return QStringLiteral("原価率 = ") + cutAfterFirstDecimal(decimalText15(rate)) + u'%';
}
