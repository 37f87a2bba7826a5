#pragma once

#include "slip/money.h"

#include <QString>
#include <QStringView>

#include <optional>

// How fractions of a yen are cut from line amounts and from the exclusive tax; the value of
// "[端数処理]=" in PRINT.INI.
enum class RoundingMode { Truncate = 0, RoundUp = 1, RoundHalfUp = 2 };

// The mode a "[端数処理]=" number stands for; any number but 1 and 2 truncates.
RoundingMode roundingModeFromSetting(int value);

// MOJITOKAZU: a text that looks numeric enough to calculate with: not empty, only digits and
// ".", and a "-" allowed as the first character. ("." and "1.2.3" pass; the calculation then
// finds out they are not numbers.)
bool MOJITOKAZU(QStringView text);

// KAKEZAN: the line amount quantity × price as cell text, its fraction cut by the rounding
// mode. The empty text when either side is exactly "-", and when a rounded amount comes out
// as "0" while zero values are not printed. Throws ConversionError for a side that is not a
// number and OverflowError for an amount beyond the money range.
QString KAKEZAN(QStringView quantity, QStringView price, RoundingMode mode, bool zeroPrint);

// WARIZAN: numerator as a percentage of denominator with its first decimal kept (cut, not
// rounded), or empty when the denominator is zero, when the rate is below 0.09 % (negative
// rates included) or above 999.9 %, or when either side is not a number.
QString WARIZAN(QStringView numerator, QStringView denominator);

// Roundoff: x rounded half away from zero. Throws OverflowError beyond 64 bits.
qint64 Roundoff(long double x);

// The consumption tax rate of a slip without rates of its own, in percent.
inline constexpr int defaultTaxRate = 5;

// Ceil_New: the round-up tax of an amount at ratePercent: away from zero to the next whole
// yen.
qint64 Ceil_New(Money amount, int ratePercent = defaultTaxRate);

// The consumption tax at ratePercent added on top of an amount, its fraction cut by the
// rounding mode.
qint64 exclusiveTax(Money amount, RoundingMode mode, int ratePercent = defaultTaxRate);

// The consumption tax at ratePercent contained in an amount that includes it: the amount less
// the amount divided by (1 + rate), cut toward zero. The same in every rounding mode.
qint64 inclusiveTax(Money amount, int ratePercent = defaultTaxRate);

// The amount that would be left after taking an inclusive tax out: x / 1.05 at 5 %,
// evaluated as x × 10000 / 10500 so that whole-yen results stay whole.
long double netOfTax(long double x, int ratePercent = defaultTaxRate);

// ZEIKIN: the exclusive tax of an amount as the print layouts show it ("%0.n").
QString ZEIKIN(Money amount, RoundingMode mode);

// The shortest decimal text of x with at most 15 significant digits ("50" for
// 49.99999999999999).
QString shortestText15(long double x);

// The same 15 significant digits as shortestText15, always written out as a plain decimal
// ("0.0000666666666666667" for 6.66666666666667e-05, "1000000000000000" for 1e+15): a rate
// shown to the user is never in exponent notation.
QString decimalText15(long double x);

// x passed through its 15-digit text and read back: removes floating-point noise before a
// value is cut to whole yen.
long double through15Digits(long double x);

// A rate text cut after its first decimal digit ("33.3333" -> "33.3", "50" stays "50").
QString cutAfterFirstDecimal(const QString &text);

// A cell text read as a floating value; nothing when it is not a number.
std::optional<long double> parseFloating(QStringView text);

// A floating value cut toward zero to a whole number. Throws OverflowError beyond 64 bits.
qint64 truncateToInteger(long double x);
