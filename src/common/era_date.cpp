#include "era_date.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/unistr.h>

#include <memory>

namespace {

const icu::Locale &japaneseCalendarLocale()
{
    static const icu::Locale locale("ja_JP@calendar=japanese");
    return locale;
}

QString toQString(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

} // namespace

EraYear japaneseEra(const QDate &date)
{
    if (!date.isValid())
        return {};
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(
        icu::TimeZone::getGMT()->clone(), japaneseCalendarLocale(), status));
    if (U_FAILURE(status))
        return {};
    // Set the day through the Gregorian fields of a time at noon GMT, so no time zone can
    // move it to the neighbouring day.
    std::unique_ptr<icu::Calendar> gregorian(icu::Calendar::createInstance(
        icu::TimeZone::getGMT()->clone(), icu::Locale("en_US"), status));
    if (U_FAILURE(status))
        return {};
    gregorian->clear();
    gregorian->set(date.year(), date.month() - 1, date.day(), 12, 0, 0);
    const UDate moment = gregorian->getTime(status);
    calendar->setTime(moment, status);
    const int year = calendar->get(UCAL_YEAR, status);
    if (U_FAILURE(status))
        return {};

    // The full era name ("GGGG"); the abbreviated form is the same in Japanese, the narrow
    // one would be a Latin letter.
    icu::SimpleDateFormat format(icu::UnicodeString(u"GGGG"), japaneseCalendarLocale(), status);
    if (U_FAILURE(status))
        return {};
    format.adoptCalendar(calendar.release());
    icu::UnicodeString era;
    format.format(moment, era);
    return {toQString(era), year};
}

QString eraDateText(const QDate &date)
{
    const EraYear era = japaneseEra(date);
    return QStringLiteral("%1%2年%3月%4日")
        .arg(era.era)
        .arg(era.year)
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

std::optional<QDate> parseEraDate(const QString &text)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat format(icu::UnicodeString(u"GGGGy年M月d日"), japaneseCalendarLocale(),
                                 status);
    if (U_FAILURE(status))
        return std::nullopt;
    format.setLenient(false);
    format.setTimeZone(*icu::TimeZone::getGMT());
    const icu::UnicodeString input(reinterpret_cast<const char16_t *>(text.utf16()),
                                   int32_t(text.size()));
    icu::ParsePosition position(0);
    const UDate moment = format.parse(input, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != input.length())
        return std::nullopt;
    std::unique_ptr<icu::Calendar> gregorian(icu::Calendar::createInstance(
        icu::TimeZone::getGMT()->clone(), icu::Locale("en_US"), status));
    if (U_FAILURE(status))
        return std::nullopt;
    gregorian->setTime(moment, status);
    const QDate date(gregorian->get(UCAL_YEAR, status), gregorian->get(UCAL_MONTH, status) + 1,
                     gregorian->get(UCAL_DATE, status));
    if (U_FAILURE(status) || !date.isValid())
        return std::nullopt;
    return date;
}
