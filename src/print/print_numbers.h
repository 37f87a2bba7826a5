#pragma once

#include "slip/money.h"

#include <QString>

#include <optional>

// Number texts of printed pages. Cells hold plain decimal text; pages show the grouped forms
// of number_format (STR_COMMA, formatN), except that a negative value prints as "▲" and its
// absolute value.

// An amount cell as money; nothing for an empty cell. Throws ConversionError for a text
// that is not a number and OverflowError for one beyond the money range.
std::optional<Money> parseCellAmount(const QString &text);

// "%.n" with the print sign: the nearest whole yen of the absolute value, grouped, after
// "▲" when the amount is negative. A half goes to the even yen, as in formatN.
QString markedYen(Money amount);

// A cell as the item rows print it: empty for an empty cell; a negative value as "▲" and
// its absolute value. Quantities as "###,##0.###", prices as "###,##0.##".
QString formatQuantityCell(const QString &text);
QString formatPriceCell(const QString &text);
// Amounts: "%10.n", or "▲" + "%.n" of the absolute value when negative.
QString formatAmountCell(const QString &text);
