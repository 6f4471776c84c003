#include "race/RaceClock.h"

#include "platform/Clock.h"
#include "util/Formatting.h"

namespace tesmi {

ClockStamp ClockStamp::now(const Clock &clock)
{
    const QDateTime moment = clock.now();
    return {moment.time().msecsSinceStartOfDay(), moment.date()};
}

qint64 MsBetween(const ClockStamp &from, const ClockStamp &to)
{
    const qint64 difference = qint64(to.ms) - from.ms;
    return difference < 0 ? difference + kMsPerDay : difference;
}

qint64 ElapsedMs(const ClockStamp &start, const ClockStamp &firstKey, const ClockStamp &end)
{
    const bool timedFromFirstKey = MsBetween(start, firstKey) < kFirstKeyGraceMs;
    return MsBetween(timedFromFirstKey ? firstKey : start, end);
}

QString StopwatchText(int seconds, bool marathon, int marathonMinutes)
{
    QString text = SecondsToTime(seconds).toString(QStringLiteral("mm:ss"));
    if (marathon)
        text += QStringLiteral(" / %1:00").arg(marathonMinutes, 2, 10, QChar('0'));
    return text;
}

} // namespace tesmi
