#include "money.h"

#include <limits>

namespace {

constexpr qint64 maxUnits = std::numeric_limits<qint64>::max();

qint64 checkedUnits(__int128 units)
{
    if (units > maxUnits || units < -maxUnits)
        throw OverflowError();
    return static_cast<qint64>(units);
}

// Divides by a positive divisor, rounding the quotient to the nearest integer and a tie to
// the even one.
__int128 divideHalfEven(__int128 value, __int128 divisor)
{
    __int128 quotient = value / divisor;
    const __int128 remainder = value % divisor;
    const __int128 twice = (remainder < 0 ? -remainder : remainder) * 2;
    if (twice > divisor || (twice == divisor && quotient % 2 != 0))
        quotient += value < 0 ? -1 : 1;
    return quotient;
}

} // namespace

Money Money::fromYen(qint64 yen)
{
    return Money(checkedUnits(static_cast<__int128>(yen) * unitsPerYen));
}

Money Money::parse(QStringView text)
{
    const std::optional<DecimalText> parts = DecimalText::split(text);
    if (!parts)
        throw ConversionError(text.toString());

    // Read the whole digits and four decimals as one count of units; anything beyond the
    // range stops the reading early so the 128-bit count cannot overflow either.
    __int128 units = 0;
    for (const QChar c : parts->integerDigits) {
        units = units * 10 + (c.unicode() - u'0');
        if (units > maxUnits)
            throw OverflowError();
    }
    const QString &fraction = parts->fractionDigits;
    for (int i = 0; i < 4; ++i)
        units = units * 10 + (i < fraction.size() ? fraction.at(i).unicode() - u'0' : 0);

    if (fraction.size() > 4) {
        const int next = fraction.at(4).unicode() - u'0';
        bool beyondHalf = next > 5;
        for (qsizetype i = 5; next == 5 && i < fraction.size() && !beyondHalf; ++i)
            beyondHalf = fraction.at(i) != u'0';
        if (beyondHalf || (next == 5 && units % 2 != 0))
            ++units;
    }
    return Money(checkedUnits(parts->negative ? -units : units));
}

qint64 Money::roundedYen() const
{
    return static_cast<qint64>(divideHalfEven(m_units, unitsPerYen));
}

QString Money::toString() const
{
    const bool negative = m_units < 0;
    // The range is symmetric, so the magnitude always fits.
    const quint64 magnitude = negative ? quint64(-m_units) : quint64(m_units);
    QString text = QString::number(magnitude / unitsPerYen);
    quint64 fraction = magnitude % unitsPerYen;
    if (fraction != 0) {
        QString decimals = QString::number(fraction).rightJustified(4, u'0');
        while (decimals.endsWith(u'0'))
            decimals.chop(1);
        text += u'.' + decimals;
    }
    return negative ? u'-' + text : text;
}

Money Money::operator+(Money other) const
{
    return Money(checkedUnits(static_cast<__int128>(m_units) + other.m_units));
}

Money Money::operator-(Money other) const
{
    return Money(checkedUnits(static_cast<__int128>(m_units) - other.m_units));
}

Money Money::operator*(Money other) const
{
    // Both factors carry four decimals, the product eight: back to four, ties to even.
    const __int128 product = static_cast<__int128>(m_units) * other.m_units;
    return Money(checkedUnits(divideHalfEven(product, unitsPerYen)));
}
