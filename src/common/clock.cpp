#include "clock.h"

namespace {

QDateTime &fixedMoment()
{
    static QDateTime moment;
    return moment;
}

} // namespace

namespace Clock {

QDateTime now()
{
    const QDateTime &fixed = fixedMoment();
    return fixed.isValid() ? fixed : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

void setFixedNow(const QDateTime &moment)
{
    fixedMoment() = moment;
}

} // namespace Clock
