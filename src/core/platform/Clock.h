#pragma once

#include <QDate>
#include <QDateTime>

namespace tesmi {

// Time as the program reads it. Race stamps are milliseconds since midnight, like
// the tick counter the race clock compares; tests substitute a fake.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    int msecsSinceMidnight() const { return now().time().msecsSinceStartOfDay(); }
    QDate today() const { return now().date(); }
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace tesmi
