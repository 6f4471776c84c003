#pragma once

#include "progress/Badges.h"

#include <QString>

#include <optional>

namespace tesmi {

class Database;
class Guard;

// The bottom bar's key hints: for most modes, and for books, where Ctrl+Right
// also restarts a fragment.
inline const QString kRaceKeysHint = QStringLiteral(
    "Alt+R — заново  |  Ctrl+Right — следующий текст  |   Escape — сброс игры  |  F11 — полноэкранный режим");
inline const QString kBookKeysHint =
    QStringLiteral("Ctrl+Right — следующий текст/рестарт  |   Escape — сброс игры  |  F11 — полноэкранный режим");

// A speed as the summary and the statistics write it: "305 зн/мин ".
inline const QString kSpeedUnit = QStringLiteral(" зн/мин ");

// Figures of one mode's results table; other windows read them too (record
// detection, the online top, the profile).
struct ModeSummary {
    int ModeResultCount = 0;
    int ModeBestSpeed = 0;
    int ModeAverageSpeed = 0;
    QString ModeAverageMistakes = QStringLiteral("0"); // two decimals with a comma once there are results
    qint64 ModeTotalTime = 0;                          // seconds
};

// Weighted running averages of speed and mistakes over results taken oldest
// first. The first result sets them; results 2 to 12 weigh 0.3 against the
// average so far, later ones 0.02. Both are rounded after every step (speed to a
// whole number with halves to even, mistakes to two decimals), so the same
// results in another order give other averages.
class RunningAverages {
public:
    void add(int speed, double mistakesPercent);

    int count() const { return count_; }
    int speed() const { return speed_; }
    // Two decimals with a comma.
    QString mistakes() const;
    double mistakesPercent() const { return double(mistakeHundredths_) / 100.0; }

private:
    int count_ = 0;
    int speed_ = 0;
    qint64 mistakeHundredths_ = 0;
};

// Reads the mode's results in one query and one pass.
ModeSummary ReadModeSummary(Database &db, const QString &mode);

// Everything the summary panel, the top bar and the information box show for a mode.
struct SummaryView {
    ModeSummary values;
    QString Label17;     // best speed
    QString Label19;     // average speed
    QString Label22;     // average mistakes
    QString Label21;     // mileage
    QString StaticText1; // key hints
    std::optional<QString> Hrust; // the information box; none leaves it as it is
    QString Rangname;
    std::optional<LevelView> level; // none leaves the badge as it is
    MedalView medal;
};

// The summary of `mode` from its results and settings, with the rank, level and
// medal it implies. `regularRank` is the rank earned in Обычный.
SummaryView RefreshModeSummary(Database &db, const QString &mode, const QString &regularRank, const Guard &guard);

} // namespace tesmi
