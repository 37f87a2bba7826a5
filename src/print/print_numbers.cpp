#include "print_numbers.h"

#include "slip/number_format.h"

namespace {

const QString negativeMark = QStringLiteral("▲");

// The sign is taken from the text, not the value: "-0" and an amount such as "-0.4" that
// rounds to nothing still print their mark, as they were typed.
bool isNegativeText(const QString &text)
{
    return text.trimmed().startsWith(u'-');
}

Money magnitude(Money value)
{
    return value < Money() ? -value : value;
}

// Quantities and prices: the screen's grouped form of the absolute value, at most decimals
// decimals.
QString formatDecimalCell(const QString &text, int decimals)
{
    const std::optional<Money> value = parseCellAmount(text);
    if (!value)
        return {};
    const QString shown = STR_COMMA(magnitude(*value).toString(), decimals);
    return isNegativeText(text) ? negativeMark + shown : shown;
}

} // namespace

std::optional<Money> parseCellAmount(const QString &text)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    return Money::parse(text);
}

QString markedYen(Money amount)
{
    const QString shown = formatN(magnitude(amount));
    return amount < Money() ? negativeMark + shown : shown;
}

QString formatQuantityCell(const QString &text)
{
    return formatDecimalCell(text, 3);
}

QString formatPriceCell(const QString &text)
{
    return formatDecimalCell(text, 2);
}

QString formatAmountCell(const QString &text)
{
    const std::optional<Money> value = parseCellAmount(text);
    if (!value)
        return {};
    if (isNegativeText(text))
        return negativeMark + formatN(magnitude(*value));
    return formatN(*value).rightJustified(10, u' ');
}
