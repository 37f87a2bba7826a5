#pragma once

#include "slip/money.h"

#include <QString>

#include <optional>

class StringGrid;

// The rate conversion (掛率): a unit price worked out as the cost price times the rate of
// 掛率, cut by the rounding digits of 丸め桁: empty keeps two decimals, 0 the whole yen, and
// 1 to 9 put zeros in that many last digits, but never down to or below the cost price.
namespace RateConversion {

// The rounding digits a 丸め桁 text stands for; nothing for the empty text, which keeps two
// decimals. Throws ConversionError for a text that is not a whole number.
std::optional<int> roundingDigits(const QString &MARUME);

// The unit price for a cost price; nothing for a row without one (empty or a single blank),
// whose unit price stays. Throws ConversionError for a cost price that is not a number and
// OverflowError for a price beyond the money range.
std::optional<QString> unitPrice(const QString &costPrice, Money rate, std::optional<int> digits);

// Sets the unit price of one row from its cost price. Throws as unitPrice does, and
// ConversionError for a rate or rounding digits that are not numbers; the row is then left
// as it was.
void convertRow(StringGrid &grid, int row, const QString &KAKERITU, const QString &MARUME);

// 掛率一括: sets the unit price of every row from its cost price. Every row is worked out
// before any is written, so a row that fails leaves the whole grid as it was: a cost price
// that is not a number gives its row number, 0 means every row was converted. Throws as
// convertRow does for the rate, the digits and a price beyond the money range.
int convertAllRows(StringGrid &grid, const QString &KAKERITU, const QString &MARUME);

} // namespace RateConversion
