#include "slip_arithmetic.h"

#include "slip/number_format.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

// The tax of an amount at a whole percent rate is units × rate divided by this, in yen; done
// in whole numbers so that no rate picks up a binary fraction.
constexpr __int128 unitsPerYenPercent = static_cast<__int128>(Money::unitsPerYen) * 100;

__int128 floorDivide(__int128 value, __int128 divisor)
{
    const __int128 quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

__int128 ceilDivide(__int128 value, __int128 divisor)
{
    const __int128 quotient = value / divisor;
    return (value % divisor != 0 && value > 0) ? quotient + 1 : quotient;
}

// Rounds value / divisor half away from zero (divisor positive).
__int128 roundHalfAwayDivide(__int128 value, __int128 divisor)
{
    const __int128 magnitude = value < 0 ? -value : value;
    const __int128 rounded = (magnitude + divisor / 2) / divisor;
    return value < 0 ? -rounded : rounded;
}

// A whole number of yen that must still be a sum of money.
qint64 checkedYen(__int128 yen)
{
    constexpr __int128 maxYen = std::numeric_limits<qint64>::max() / Money::unitsPerYen;
    if (yen > maxYen || yen < -maxYen)
        throw OverflowError();
    return static_cast<qint64>(yen);
}

} // namespace

RoundingMode roundingModeFromSetting(int value)
{
    switch (value) {
    case 1:
        return RoundingMode::RoundUp;
    case 2:
        return RoundingMode::RoundHalfUp;
    default:
        return RoundingMode::Truncate;
    }
}

bool MOJITOKAZU(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool allowed = (c >= u'0' && c <= u'9') || c == u'.' || (i == 0 && c == u'-');
        if (!allowed)
            return false;
    }
    return true;
}

QString KAKEZAN(QStringView quantity, QStringView price, RoundingMode mode, bool zeroPrint)
{
    if (quantity == u"-" || price == u"-")
        return QString();
    const Money q = Money::parse(quantity);
    const Money p = Money::parse(price);
    const QString product = (p * q).toString();
    const qsizetype point = product.indexOf(u'.');
    if (point < 0)
        return product;

    // The fraction is cut from the exact product (eight decimals), computed in whole
    // numbers: a floating product could sit a hair off an integer and round the wrong way.
    const __int128 exact = static_cast<__int128>(p.units()) * q.units();
    constexpr __int128 scale = static_cast<__int128>(Money::unitsPerYen) * Money::unitsPerYen;
    QString amount;
    switch (mode) {
    case RoundingMode::Truncate:
        // Cut by text: a product between -1 and 0 leaves "-0".
        amount = product.left(point);
        break;
    case RoundingMode::RoundUp:
        // The direction follows the sign of the quantity alone.
        amount = QString::number(checkedYen(quantity.startsWith(u'-') ? floorDivide(exact, scale)
                                                                      : ceilDivide(exact, scale)));
        break;
    case RoundingMode::RoundHalfUp:
        amount = QString::number(checkedYen(roundHalfAwayDivide(exact, scale)));
        break;
    }
    if (amount == u"0" && !zeroPrint)
        return QString();
    return amount;
}

QString WARIZAN(QStringView numerator, QStringView denominator)
{
    if (denominator == u"0")
        return QString();
    const std::optional<long double> a = parseFloating(numerator);
    const std::optional<long double> b = parseFloating(denominator);
    // A denominator such as "-0" (a truncated amount just below zero) is zero as well.
    if (!a || !b || *b == 0)
        return QString();
    const long double rate = *a / *b * 100;
    if (rate < 0.09L || rate > 999.9L)
        return QString();
    return cutAfterFirstDecimal(shortestText15(rate));
}

qint64 Roundoff(long double x)
{
    return truncateToInteger(x >= 0 ? x + 0.5L : x - 0.5L);
}

qint64 Ceil_New(Money amount, int ratePercent)
{
    const __int128 scaled = static_cast<__int128>(amount.units()) * ratePercent;
    return static_cast<qint64>(scaled >= 0 ? ceilDivide(scaled, unitsPerYenPercent)
                                           : floorDivide(scaled, unitsPerYenPercent));
}

qint64 exclusiveTax(Money amount, RoundingMode mode, int ratePercent)
{
    switch (mode) {
    case RoundingMode::RoundUp:
        return Ceil_New(amount, ratePercent);
    case RoundingMode::RoundHalfUp:
        // Roundoff(amount × rate), done on the exact units.
        return static_cast<qint64>(roundHalfAwayDivide(
            static_cast<__int128>(amount.units()) * ratePercent, unitsPerYenPercent));
    case RoundingMode::Truncate:
        break;
    }
    // rate / 100 in long double is the nearest value to the rate as a fraction, the very
    // factor 0.05L is at 5 %.
    const long double factor = static_cast<long double>(ratePercent) / 100;
    return truncateToInteger(through15Digits(amount.toLongDouble() * factor));
}

qint64 inclusiveTax(Money amount, int ratePercent)
{
    const long double x = amount.toLongDouble();
    return truncateToInteger(through15Digits(x - netOfTax(x, ratePercent)));
}

long double netOfTax(long double x, int ratePercent)
{
    return x * 10000 / (10000 + 100 * ratePercent);
}

QString ZEIKIN(Money amount, RoundingMode mode)
{
    return formatN(exclusiveTax(amount, mode));
}

QString shortestText15(long double x)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 15);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString decimalText15(long double x)
{
    if (!std::isfinite(x))
        return shortestText15(x);
    // The shortest fixed text of the value read back from 15 digits holds exactly those
    // digits, however far the point is from them.
    char buffer[5000];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, through15Digits(x), std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

long double through15Digits(long double x)
{
    if (!std::isfinite(x))
        return x;
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 15);
    long double back = x;
    std::from_chars(buffer, written.ptr, back);
    return back;
}

QString cutAfterFirstDecimal(const QString &text)
{
    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        return text;
    const qsizetype exponent = text.indexOf(u'e', point);
    const QString kept = text.left(qMin(point + 2, exponent < 0 ? text.size() : exponent));
    return exponent < 0 ? kept : kept + text.mid(exponent);
}

std::optional<long double> parseFloating(QStringView text)
{
    const std::optional<DecimalText> parts = DecimalText::split(text);
    if (!parts)
        return std::nullopt;
    const QByteArray digits =
        (parts->integerDigits.isEmpty() ? QString(u'0') : parts->integerDigits).toLatin1() + '.' +
        parts->fractionDigits.toLatin1() + '0';
    long double value = 0;
    const auto result = std::from_chars(digits.constData(), digits.constData() + digits.size(),
                                        value, std::chars_format::fixed);
    if (result.ec != std::errc())
        return std::nullopt;
    return parts->negative ? -value : value;
}

qint64 truncateToInteger(long double x)
{
    const long double cut = std::trunc(x);
    // 2^63 is exact in long double; anything at or beyond it does not fit.
    constexpr long double limit = 9223372036854775808.0L;
    if (!std::isfinite(cut) || cut >= limit || cut < -limit)
        throw OverflowError();
    return static_cast<qint64>(cut);
}
