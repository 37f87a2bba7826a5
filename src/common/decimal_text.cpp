#include "decimal_text.h"

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

std::optional<DecimalText> DecimalText::split(QStringView text)
{
    text = text.trimmed();
    DecimalText parts;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        parts.negative = text.front() == u'-';
        text = text.mid(1);
    }
    const qsizetype point = text.indexOf(u'.');
    const QStringView integer = point < 0 ? text : text.left(point);
    const QStringView fraction = point < 0 ? QStringView() : text.mid(point + 1);
    if (integer.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    for (const QStringView part : {integer, fraction}) {
        for (const QChar c : part) {
            if (!isAsciiDigit(c))
                return std::nullopt;
        }
    }
    parts.integerDigits = integer.toString();
    parts.fractionDigits = fraction.toString();
    return parts;
}
