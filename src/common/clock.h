#pragma once

#include <QDateTime>

// "Now" for the whole program. Tests fix it so that nothing depends on the real date.
namespace Clock {

QDateTime now();
QDate today();

// Fixes now() to the given moment; an invalid QDateTime returns to the real clock.
void setFixedNow(const QDateTime &moment);

} // namespace Clock
