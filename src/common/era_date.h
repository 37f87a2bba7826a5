#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Japanese era dates, taken from ICU's Japanese calendar so that a new era needs no change
// here (平成 ends on 2019-04-30, 令和 starts on 2019-05-01).
struct EraYear
{
    QString era;  // "令和"
    int year = 0; // year within the era, 1 for the era's first year
};

// The era and the year within it for the given date. An invalid date gives an empty era.
EraYear japaneseEra(const QDate &date);

// "令和8年12月09日": era, era year without leading zero, two-digit month and day. The
// date part of a slip file name.
QString eraDateText(const QDate &date);

// The date of a text in the form of eraDateText ("令和8年12月9日", leading zeros optional);
// nothing when the text is not such a date.
std::optional<QDate> parseEraDate(const QString &text);
