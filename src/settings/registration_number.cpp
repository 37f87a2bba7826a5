#include "registration_number.h"

namespace {

// The half-width form of a full-width letter or digit (U+FF01 to U+FF5E); every other
// character as it is.
QChar halfWidth(QChar c)
{
    if (c.unicode() >= 0xFF01 && c.unicode() <= 0xFF5E)
        return QChar(char16_t(c.unicode() - 0xFF01 + 0x21));
    if (c.unicode() == 0x3000)
        return u' ';
    return c;
}

} // namespace

std::optional<QString> normalizedRegistrationNumber(const QString &text)
{
    QString number;
    for (const QChar c : text)
        number.append(halfWidth(c));
    number = number.trimmed();
    if (number.size() != 14 || number.at(0).toUpper() != u'T')
        return std::nullopt;
    for (qsizetype i = 1; i < number.size(); ++i) {
        if (number.at(i) < u'0' || number.at(i) > u'9')
            return std::nullopt;
    }
    return u'T' + number.mid(1);
}

QString registrationNumberMessage()
{
    return QStringLiteral("登録番号は「T」に続けて13桁の数字で入力してください。\r\n"
                          "（例：T1234567890123）");
}
