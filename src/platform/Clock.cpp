#include "Clock.h"

#include <cmath>

namespace kelvora {

namespace {
const QDate kDayZero(1899, 12, 30);
}

double DateTimeToDays(const QDateTime& dateTime) {
    const double whole = static_cast<double>(kDayZero.daysTo(dateTime.date()));
    return whole + dateTime.time().msecsSinceStartOfDay() / 86400000.0;
}

QDateTime DaysToDateTime(double days) {
    const double whole = std::floor(days);
    qint64 msecs = std::llround((days - whole) * 86400000.0);
    QDate date = kDayZero.addDays(static_cast<qint64>(whole));
    if (msecs >= 86400000) {
        msecs -= 86400000;
        date = date.addDays(1);
    }
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(static_cast<int>(msecs)));
}

}  // namespace kelvora
