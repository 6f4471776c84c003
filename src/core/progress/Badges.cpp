#include "progress/Badges.h"

#include <array>

namespace tesmi {

namespace {

constexpr int kTopLevel = 24;
const QString kMaxLevelHint = QStringLiteral("Достигнут максимальный уровень");

// Points at the top of level n - 1, that is where level n begins (exclusive).
constexpr qint64 levelStart(qint64 n)
{
    return 6000 * n * (n + 1);
}

struct Medal {
    int lowestCount;
    const char *picture;
    const char *hint;
};

// Highest first: the first that the mileage reaches is the one shown.
constexpr std::array<Medal, 6> kMedals{{
    {20000, "i20000", "Бриллиантовый шлем за 20000 текстов пробега"},
    {10000, "i10000", "Золотой шлем за 10000 текстов пробега"},
    {5000, "i5000", "Корона за 5000 текстов пробега"},
    {2000, "i2000", "Кубок за 2000 текстов пробега"},
    {1000, "i1000", "Звезда за 1000 текстов пробега"},
    {300, "i300", "Медаль за 300 текстов пробега"},
}};

} // namespace

std::optional<LevelView> ShowLevel(qint64 points)
{
    if (points < 0)
        return std::nullopt;
    if (points > levelStart(kTopLevel + 1))
        return LevelView{QStringLiteral("max"), kLevelSteps, kMaxLevelHint, true};
    qint64 level = 0;
    while (points > levelStart(level + 1))
        ++level;
    const qint64 stepWidth = 1000 * (level + 1);
    const int step = points == 0 ? 0 : int((points - levelStart(level) - 1) / stepWidth);
    const QString hint = QStringLiteral("Очки: %1 / %2").arg(points).arg(levelStart(level + 1));
    return LevelView{QString::number(level), step, hint, false};
}

MedalView ShowMedal(int resultCount)
{
    for (const Medal &medal : kMedals) {
        if (resultCount >= medal.lowestCount)
            return {QString::fromUtf8(medal.picture), QString::fromUtf8(medal.hint)};
    }
    return {};
}

} // namespace tesmi
