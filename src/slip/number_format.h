#pragma once

#include "slip/money.h"

#include <QString>
#include <QStringView>

// Display formats of numbers. Grouping is always the Japanese one: "," every three digits,
// "." as decimal point.

// "%0.n": a whole number with thousands separators. Money rounds to the nearest yen, a half
// going to the even yen (12,345.5 shows 12,346, 12,344.5 shows 12,344).
QString formatN(Money value);
QString formatN(qint64 yen);
QString formatN(long double value);

// STR_COMMA: a numeric cell text as "###,##0.##" (decimals 2) or "###,##0.###" (decimals 3),
// rounding half away from zero on the decimal digits. The empty text stays empty. Throws
// ConversionError for a text that is not a number, so the grid can empty such a cell.
QString STR_COMMA(QStringView text, int decimals);

// CENTERPAR: a rate cell text as "##0.0" followed by "%". The empty text stays empty; throws
// ConversionError for a text that is not a number.
QString CENTERPAR(QStringView text);

// The digits with "," between each group of three from the right ("1234567" -> "1,234,567").
QString groupThousands(QStringView digits);
