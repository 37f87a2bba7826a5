#pragma once

#include "common/tax_mode.h"
#include "slip/money.h"
#include "slip/slip_arithmetic.h"

#include <QList>
#include <QString>
#include <QStringView>

// How a line item is taxed, by its mark in column 3 of the item grid: "1" not taxable, "8"
// at the reduced rate, anything else (empty) at the standard rate. Readers that know only
// the exempt mark see a reduced line as an ordinary taxable one.
enum class LineRate { Standard, Reduced, Exempt };

inline constexpr QStringView exemptLineMark = u"1";
inline constexpr QStringView reducedLineMark = u"8";

LineRate lineRateOf(QStringView mark);

// The consumption tax rates in whole percent: PRINT.INI "[消費税率]=" (5 when missing) and
// "[軽減税率]=" (8 when missing).
struct TaxRates
{
    int standard = defaultTaxRate;
    int reduced = 8;

    int percent(LineRate rate) const;
    static TaxRates fromPrintIni();
};

// The taxable amounts of a slip or a page, split by rate.
struct RateSums
{
    Money standard;
    Money reduced;
    bool hasStandardLines = false;
    bool hasReducedLines = false;

    // Adds a line amount; exempt lines add nothing. Throws OverflowError beyond the money
    // range, leaving the sums as they were.
    void add(LineRate rate, Money amount);
    Money taxable() const;
};

// The taxable total and the tax of one rate: the tax is taken once per rate from the total,
// never summed from line taxes.
struct RateTax
{
    int rate = defaultTaxRate;
    Money taxable;
    qint64 tax = 0;
    LineRate line = LineRate::Standard; // the lines it covers
};

// One entry per rate present, the standard rate first: the standard rate whenever a line is
// at it or no line is reduced, the reduced rate when a line is. Exclusive: the tax of each
// total by the rounding mode; inclusive: the tax contained in it, cut. None when exempt.
QList<RateTax> taxByRate(const RateSums &sums, TaxMode taxMode, RoundingMode rounding,
                         const TaxRates &rates);

// The sum of the taxes of every rate.
qint64 totalTax(const QList<RateTax> &byRate);

// "10%" as the per-rate lines print it.
QString ratePercentText(int rate);
