#include "tax_rates.h"

#include "settings/print_ini.h"

LineRate lineRateOf(QStringView mark)
{
    if (mark == exemptLineMark)
        return LineRate::Exempt;
    if (mark == reducedLineMark)
        return LineRate::Reduced;
    return LineRate::Standard;
}

int TaxRates::percent(LineRate rate) const
{
    switch (rate) {
    case LineRate::Reduced:
        return reduced;
    case LineRate::Exempt:
        return 0;
    case LineRate::Standard:
        break;
    }
    return standard;
}

TaxRates TaxRates::fromPrintIni()
{
    return {PrintIni::standardTaxRate.value(), PrintIni::reducedTaxRate.value()};
}

void RateSums::add(LineRate rate, Money amount)
{
    switch (rate) {
    case LineRate::Standard:
        standard += amount;
        hasStandardLines = true;
        break;
    case LineRate::Reduced:
        reduced += amount;
        hasReducedLines = true;
        break;
    case LineRate::Exempt:
        break;
    }
}

Money RateSums::taxable() const
{
    return standard + reduced;
}

QList<RateTax> taxByRate(const RateSums &sums, TaxMode taxMode, RoundingMode rounding,
                         const TaxRates &rates)
{
    QList<RateTax> byRate;
    if (taxMode == TaxMode::Exempt)
        return byRate;
    const auto add = [&](LineRate line, int rate, Money taxable) {
        const qint64 tax = taxMode == TaxMode::Inclusive ? inclusiveTax(taxable, rate)
                                                         : exclusiveTax(taxable, rounding, rate);
        byRate.append({rate, taxable, tax, line});
    };
    if (sums.hasStandardLines || !sums.hasReducedLines)
        add(LineRate::Standard, rates.standard, sums.standard);
    if (sums.hasReducedLines)
        add(LineRate::Reduced, rates.reduced, sums.reduced);
    return byRate;
}

qint64 totalTax(const QList<RateTax> &byRate)
{
    qint64 sum = 0;
    for (const RateTax &entry : byRate)
        sum += entry.tax;
    return sum;
}

QString ratePercentText(int rate)
{
    return QString::number(rate) + u'%';
}
