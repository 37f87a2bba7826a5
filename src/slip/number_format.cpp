#include "number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// The parts of a number rounded to a given count of decimals, half away from zero, working
// on the decimal digits themselves so that 2.675 shows 2.68 as the user typed it.
struct RoundedDecimal
{
    bool negative = false;
    QString integerDigits;  // no leading zeros, "0" for zero
    QString fractionDigits; // exactly the requested count
};

RoundedDecimal roundDecimal(const DecimalText &parts, int decimals)
{
    QString digits =
        parts.integerDigits + parts.fractionDigits.left(decimals).leftJustified(decimals, u'0');
    digits = digits.rightJustified(decimals + 1, u'0');
    if (parts.fractionDigits.size() > decimals && parts.fractionDigits.at(decimals) >= u'5') {
        int i = int(digits.size()) - 1;
        while (i >= 0 && digits.at(i) == u'9')
            digits[i--] = u'0';
        if (i >= 0)
            digits[i] = QChar(digits.at(i).unicode() + 1);
        else
            digits.prepend(u'1');
    }
    RoundedDecimal rounded;
    rounded.fractionDigits = digits.right(decimals);
    rounded.integerDigits = digits.left(digits.size() - decimals);
    while (rounded.integerDigits.size() > 1 && rounded.integerDigits.startsWith(u'0'))
        rounded.integerDigits.remove(0, 1);
    const bool zero = rounded.integerDigits == u"0" &&
                      rounded.fractionDigits.count(u'0') == rounded.fractionDigits.size();
    // A value that shows as zero shows without a sign.
    rounded.negative = parts.negative && !zero;
    return rounded;
}

DecimalText splitOrThrow(QStringView text)
{
    std::optional<DecimalText> parts = DecimalText::split(text);
    if (!parts)
        throw ConversionError(text.toString());
    return *parts;
}

QString signedGrouped(bool negative, QStringView digits)
{
    const QString grouped = groupThousands(digits);
    return negative ? u'-' + grouped : grouped;
}

} // namespace

QString groupThousands(QStringView digits)
{
    QString grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    const qsizetype lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
    grouped += digits.left(lead);
    for (qsizetype at = lead; at < digits.size(); at += 3) {
        grouped += u',';
        grouped += digits.mid(at, 3);
    }
    return grouped;
}

QString formatN(qint64 yen)
{
    const quint64 magnitude = yen < 0 ? 0 - quint64(yen) : quint64(yen);
    return signedGrouped(yen < 0, QString::number(magnitude));
}

QString formatN(Money value)
{
    return formatN(value.roundedYen());
}

QString formatN(long double value)
{
    if (!std::isfinite(value))
        return QString();
    // Fixed notation with no decimals rounds to nearest, a half to even, like the money form.
    // Room for every digit of the largest long double (about 1.19e4932) and its sign.
    std::array<char, std::numeric_limits<long double>::max_exponent10 + 8> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 0);
    if (result.ec != std::errc())
        return QString();
    QString text = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
    const bool negative = text.startsWith(u'-');
    if (negative)
        text.remove(0, 1);
    return signedGrouped(negative && text != u"0", text);
}

QString STR_COMMA(QStringView text, int decimals)
{
    if (text.isEmpty())
        return QString();
    const RoundedDecimal rounded = roundDecimal(splitOrThrow(text), decimals);
    QString fraction = rounded.fractionDigits;
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    QString shown = signedGrouped(rounded.negative, rounded.integerDigits);
    if (!fraction.isEmpty())
        shown += u'.' + fraction;
    return shown;
}

QString CENTERPAR(QStringView text)
{
    if (text.isEmpty())
        return QString();
    const RoundedDecimal rounded = roundDecimal(splitOrThrow(text), 1);
    return (rounded.negative ? QStringLiteral("-") : QString()) + rounded.integerDigits + u'.' +
           rounded.fractionDigits + u'%';
}
