#pragma once
#include <QDateTime>
#include <QElapsedTimer>

namespace kelvora {

// The computer clock, read through an interface so that tests and demonstrations
// can pin or shift the instant.
class IClock {
public:
    virtual ~IClock() = default;
    virtual QDateTime LocalNow() const = 0;
    virtual QDateTime UtcNow() const = 0;
};

class SystemClock : public IClock {
public:
    QDateTime LocalNow() const override { return QDateTime::currentDateTime(); }
    QDateTime UtcNow() const override { return QDateTime::currentDateTimeUtc(); }
};

// Starts at a given UTC instant and runs on in real time (--clock).
class StartedClock : public IClock {
public:
    explicit StartedClock(const QDateTime& startUtc) : start_(startUtc.toUTC()) { elapsed_.start(); }
    QDateTime UtcNow() const override { return start_.addMSecs(elapsed_.elapsed()); }
    QDateTime LocalNow() const override { return UtcNow().toLocalTime(); }

private:
    QDateTime start_;
    QElapsedTimer elapsed_;
};

// A clock that stands still until moved; the local time is UTC plus a fixed zone.
class FixedClock : public IClock {
public:
    FixedClock(const QDateTime& utc, double zoneHours) : utc_(utc.toUTC()), zoneHours_(zoneHours) {}
    void Set(const QDateTime& utc) { utc_ = utc.toUTC(); }
    void Advance(qint64 msecs) { utc_ = utc_.addMSecs(msecs); }
    QDateTime UtcNow() const override { return utc_; }
    QDateTime LocalNow() const override {
        // A naive local date-time: the fields of UTC shifted by the zone.
        QDateTime shifted = utc_.addMSecs(static_cast<qint64>(zoneHours_ * 3600000.0));
        return QDateTime(shifted.date(), shifted.time());
    }

private:
    QDateTime utc_;
    double zoneHours_;
};

// Days since 1899-12-30 00:00 of the clock fields of a date-time (zone ignored).
double DateTimeToDays(const QDateTime& dateTime);
QDateTime DaysToDateTime(double days);

}  // namespace kelvora
