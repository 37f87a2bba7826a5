#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// A number text split into its decimal parts: an optional sign, the digits before and after
// the point. Surrounding blanks and a leading "+" are accepted, grouping separators and
// exponents are not. At least one digit is required (".5" and "5." are numbers, "." is not).
// Cells and settings values are read through it so that a decimal is taken digit by digit,
// never through a binary fraction.
struct DecimalText
{
    bool negative = false;
    QString integerDigits;
    QString fractionDigits;

    static std::optional<DecimalText> split(QStringView text);
};
