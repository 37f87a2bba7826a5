#pragma once

#include "common/decimal_text.h"
#include "common/miravo_error.h"

#include <QString>
#include <QStringView>

#include <compare>
#include <optional>

// A sum of money beyond what Money holds (about ±922 trillion yen). Reported to the user as
// "桁オーバーです。", never allowed to wrap around.
class OverflowError : public MiravoError
{
public:
    OverflowError()
        : MiravoError(QStringLiteral("桁オーバーです。"))
    {}
};

// Money in ten-thousandths of a yen, held in 64 bits. Every operation that could leave that
// range throws OverflowError instead; the range is symmetric (±922,337,203,685,477.5807) so
// that negation is always safe.
class Money
{
public:
    static constexpr qint64 unitsPerYen = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(qint64 units) { return Money(units); }
    static Money fromYen(qint64 yen);

    // Exact decimal reading of a cell text. Digits beyond the fourth decimal round to the
    // nearest ten-thousandth, ties to even. Throws ConversionError when the text is not a
    // number and OverflowError when it is out of range.
    static Money parse(QStringView text);

    qint64 units() const { return m_units; }
    bool isWhole() const { return m_units % unitsPerYen == 0; }
    qint64 truncatedYen() const { return m_units / unitsPerYen; }
    // Nearest whole yen, a half going to the even yen.
    qint64 roundedYen() const;
    long double toLongDouble() const { return static_cast<long double>(m_units) / unitsPerYen; }

    // The shortest decimal text: no grouping, "." as point, no trailing zeros, no point for
    // whole values ("1234", "1234.5", "-0.75").
    QString toString() const;

    Money operator-() const { return Money(-m_units); }
    Money operator+(Money other) const;
    Money operator-(Money other) const;
    // The exact product rounded to four decimals, ties to even.
    Money operator*(Money other) const;
    Money &operator+=(Money other) { return *this = *this + other; }

    friend constexpr auto operator<=>(Money, Money) = default;

private:
    constexpr explicit Money(qint64 units)
        : m_units(units)
    {}

    qint64 m_units = 0;
};
