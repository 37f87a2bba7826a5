#include "print_numbers.h"

#include "common/japanese.h"
#include "common/miravo_error.h"

#include <QRegularExpression>

#include <limits>

namespace {

constexpr qint64 scale = 10000;

// Rounds a count of ten-thousandths to a multiple of 10^(4 - decimals).
qint64 roundTo(qint64 value, int decimals, bool tiesToEven)
{
    qint64 unit = 1;
    for (int i = decimals; i < 4; ++i)
        unit *= 10;
    const qint64 magnitude = value < 0 ? -value : value;
    qint64 whole = magnitude / unit;
    const qint64 rest = magnitude % unit;
    const bool up = 2 * rest > unit || (2 * rest == unit && (!tiesToEven || whole % 2 == 1));
    if (up)
        ++whole;
    const qint64 rounded = whole * unit;
    return value < 0 ? -rounded : rounded;
}

QString groupedDigits(qint64 wholeMagnitude)
{
    const QString digits = QString::number(wholeMagnitude);
    const QString separator = japaneseLocale().groupSeparator();
    QString result;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            result += separator;
        result += digits[i];
    }
    return result;
}

QString formatRounded(qint64 value, int maxDecimals)
{
    const qint64 magnitude = value < 0 ? -value : value;
    QString text = groupedDigits(magnitude / scale);
    QString fraction = QString::number(magnitude % scale).rightJustified(4, u'0');
    fraction.truncate(maxDecimals);
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += japaneseLocale().decimalPoint() + fraction;
    return value < 0 && text != QLatin1String("0") ? QStringLiteral("-") + text : text;
}

} // namespace

std::optional<qint64> parseCellAmount(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    static const QRegularExpression decimal(QStringLiteral("^(-?)(\\d*)(?:\\.(\\d*))?$"));
    const QRegularExpressionMatch match = decimal.match(trimmed);
    if (!match.hasMatch() || (match.captured(2).isEmpty() && match.captured(3).isEmpty()))
        throw ConversionError(text);
    const QString wholeDigits =
        match.captured(2).isEmpty() ? QStringLiteral("0") : match.captured(2);
    bool ok = false;
    const qint64 whole = wholeDigits.toLongLong(&ok);
    if (!ok || whole > std::numeric_limits<qint64>::max() / scale - 1)
        throw ConversionError(text);
    // Cells never hold more than four decimals; a longer text is rounded to four.
    QString fraction = match.captured(3);
    qint64 value = whole * scale + fraction.left(4).leftJustified(4, u'0').toLongLong();
    if (fraction.size() > 4) {
        const QChar next = fraction[4];
        const bool beyond = fraction.mid(5).contains(QRegularExpression(QStringLiteral("[1-9]")));
        if (next > u'5' || (next == u'5' && (beyond || value % 2 == 1)))
            ++value;
    }
    return match.captured(1).isEmpty() ? value : -value;
}

QString formatPattern(qint64 tenThousandths, int maxDecimals)
{
    return formatRounded(roundTo(tenThousandths, maxDecimals, false), maxDecimals);
}

QString formatWhole(qint64 tenThousandths)
{
    return formatRounded(roundTo(tenThousandths, 0, true), 0);
}

QString formatWhole10(qint64 tenThousandths)
{
    return formatWhole(tenThousandths).rightJustified(10, u' ');
}

QString formatCell(const QString &text, QString (*format)(qint64))
{
    const std::optional<qint64> value = parseCellAmount(text);
    if (!value)
        return {};
    if (text.trimmed().startsWith(u'-'))
        return QStringLiteral("▲") + format(-*value);
    return format(*value);
}

QString formatQuantityCell(const QString &text)
{
    return formatCell(text, [](qint64 v) { return formatPattern(v, 3); });
}

QString formatPriceCell(const QString &text)
{
    return formatCell(text, [](qint64 v) { return formatPattern(v, 2); });
}

QString formatAmountCell(const QString &text)
{
    const std::optional<qint64> value = parseCellAmount(text);
    if (!value)
        return {};
    if (text.trimmed().startsWith(u'-'))
        return QStringLiteral("▲") + formatWhole(-*value);
    return formatWhole10(*value);
}
