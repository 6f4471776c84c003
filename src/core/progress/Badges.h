#pragma once

#include <QString>

#include <optional>

namespace tesmi {

// The level badge: the level number, the progress picture of its step (l1 … l11;
// 0 shows the background alone) and the points hint.
struct LevelView {
    QString text;
    int step = 0;
    QString hint;
    bool max = false; // the "max" caption, drawn smaller

    bool operator==(const LevelView &) const = default;
};

inline constexpr int kLevelSteps = 11;

// The badge for a number of points; nothing changes for negative points.
std::optional<LevelView> ShowLevel(qint64 points);

// The one medal picture (i300 … i20000) a mileage earns, with its hint; an empty
// picture name when it earns none.
struct MedalView {
    QString picture;
    QString hint;

    bool operator==(const MedalView &) const = default;
};

MedalView ShowMedal(int resultCount);

} // namespace tesmi
