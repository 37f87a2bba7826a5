#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Number texts of printed pages. Cells hold plain decimal text; pages show grouped numbers,
// negatives as "▲" and the absolute value. Values travel as counts of ten-thousandths of
// a yen, the precision of every amount cell.

// Parses a plain decimal cell text ("-1500", "3.25") into ten-thousandths; nothing for an
// empty text. Throws ConversionError for anything else.
std::optional<qint64> parseCellAmount(const QString &text);

// Pattern "###,##0.###" (quantities) and "###,##0.##" (prices): at most that many decimals,
// halves away from zero, no trailing zeros, thousands grouped.
QString formatPattern(qint64 tenThousandths, int maxDecimals);

// "%.n" / "%0.n": a whole number with grouping; halves go to the even yen.
QString formatWhole(qint64 tenThousandths);
// "%10.n" / "%10.0n": the same, right-justified in a field of 10 characters.
QString formatWhole10(qint64 tenThousandths);

// A cell as the item rows print it: empty for an empty cell; a negative value as "▲" and
// the absolute value. format receives the absolute value.
QString formatCell(const QString &text, QString (*format)(qint64));
QString formatQuantityCell(const QString &text);
QString formatPriceCell(const QString &text);
// Amounts: "%10.n", or "▲" + "%.n" of the absolute value when negative.
QString formatAmountCell(const QString &text);

// Whole yen, in ten-thousandths of a yen.
constexpr qint64 yen(qint64 value)
{
    return value * 10000;
}
