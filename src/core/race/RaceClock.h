#pragma once

#include <QDate>
#include <QString>

namespace tesmi {

class Clock;

// A moment of a race: milliseconds since midnight, with the day beside it.
struct ClockStamp {
    int ms = 0;
    QDate date;

    static ClockStamp now(const Clock &clock);
};

inline constexpr int kMsPerDay = 86'400'000;
// A first key within this time of the start signal starts the race clock.
inline constexpr int kFirstKeyGraceMs = 1000;

// Milliseconds from one stamp to a later one; a race that runs past midnight
// still counts forward (no race lasts a day).
qint64 MsBetween(const ClockStamp &from, const ClockStamp &to);

// Time of a race up to `end`: from the first key when it came within a second
// of the start signal, else from the start signal.
qint64 ElapsedMs(const ClockStamp &start, const ClockStamp &firstKey, const ClockStamp &end);

// The stopwatch caption: "mm:ss", and in a marathon " / MM:00" after it.
QString StopwatchText(int seconds, bool marathon, int marathonMinutes);

} // namespace tesmi
