#pragma once

#include <QString>
#include <QStringList>
#include <QTime>

namespace tesmi {

class Guard;

// Russian word forms after a count given as its decimal text. Throw
// std::invalid_argument when the text does not end in a digit.
QString PluralMistakes(const QString &count);
QString PluralTexts(const QString &count);

// Seconds as a time of day (shown as "mm:ss" or "hh:mm:ss"). Throws
// std::out_of_range outside 0 … 86399: a day has no later time.
QTime SecondsToTime(int seconds);

// A number with a fixed count of decimals and a comma, first rounded to four
// decimals with halves to even. Throws std::invalid_argument for NaN or infinity.
QString FormatFixed(double value, int decimals);

// The same helpers for the main window: a failure ends the program with the
// helper's own code. SecondsToTime guards only the composition of its parts; an
// out-of-range input still reaches the caller.
QString PluralMistakes(const Guard &guard, const QString &count);
QString PluralTexts(const Guard &guard, const QString &count);
QTime SecondsToTime(const Guard &guard, int seconds);
QString FormatFixed(const Guard &guard, double value, int decimals);

// Captions of a wave that runs once through a caption: one character at a time
// stands in the opposite case; the last frame is the caption itself.
QStringList WaveFrames(const QString &caption);

} // namespace tesmi
