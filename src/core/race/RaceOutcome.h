#pragma once

#include "util/Rounding.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace tesmi {

// Characters per minute: characters ÷ elapsed milliseconds × 60000, to the nearest
// whole number with halves to even. Nothing elapsed gives 0.
inline int RaceSpeed(qint64 characters, qint64 elapsedMs)
{
    return elapsedMs > 0 ? RoundHalfEven(double(characters) / double(elapsedMs) * 60000.0) : 0;
}

// What the race engine hands over when a race ends; the result rules (points,
// the stored row, records, progressions) work from this alone.
struct RaceOutcome {
    enum class Reason {
        TextComplete,          // the last character was typed
        MarathonTextExhausted, // a marathon ran out of text
        MarathonTimeUp,        // a marathon's time limit
    };

    Reason reason = Reason::TextComplete;
    QString TextKind;          // as MakeRaceText set it
    int textLength = 0;        // length of RaceText
    int TypedCount = 0;        // marathon: characters typed, net of erasures
    int ErrorCount = 0;
    qint64 elapsedMs = 0;      // the race clock's elapsed rule (first key or start signal)
    qint64 sinceStartMs = 0;   // FinishTime − StartTime, after the midnight correction
    bool RepeatRun = false;
    bool ErrorWorkRun = false;
    QStringList MistypedWords;
    QDateTime finishedAt;      // for the stored date

    bool counted() const { return !RepeatRun && !ErrorWorkRun; }
    bool marathon() const { return TextKind == QStringLiteral("marathon"); }
    // Characters the race is measured by: the text, or what a marathon typed.
    int characters() const { return marathon() ? TypedCount : textLength; }
};

} // namespace tesmi
