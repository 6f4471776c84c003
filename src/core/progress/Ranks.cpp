#include "progress/Ranks.h"

#include "modes/ModeSession.h"

#include <array>
#include <climits>

namespace tesmi {

namespace {

struct RankStep {
    int lowestSpeed;
    const char *name;
};

constexpr std::array<RankStep, 10> kRanks{{
    {0, "Новичок"},
    {100, "Любитель"},
    {200, "Таксист"},
    {300, "Профи"},
    {400, "Гонщик"},
    {500, "Маньяк"},
    {600, "Супермен"},
    {700, "Кибергонщик"},
    {800, "Экстракибер"},
    {900, "Тахион"},
}};

// The rank after each regular rank, as the ХРУСТяшки caption names it.
struct NextRank {
    const char *regular;
    const char *shown;
};

constexpr std::array<NextRank, 9> kNextRanks{{
    {"Новичок", "Любителя"},
    {"Любитель", "Таксист"},
    {"Таксист", "Профи"},
    {"Профи", "Гонщик"},
    {"Гонщик", "Маньяк"},
    {"Маньяк", "Супермен"},
    {"Супермен", "Кибергонщик"},
    {"Кибергонщик", "Экстракибер"},
    {"Экстракибер", "Тахион"},
}};

// A new best in [lowest, highest] after an old best below `lowest` earns the
// message. Some rows have no upper end, so one jump can match two rows.
struct RankUp {
    int lowest;
    int highest;
    const char *message;
};

constexpr std::array<RankUp, 8> kRankUps{{
    {100, INT_MAX, "Поздравляем с получением нового ранга! Теперь вы Любитель!"},
    {200, 299, "Поздравляем с получением нового ранга! Теперь вы Таксист!"},
    {300, 399, "Поздравляем с получением нового ранга! Теперь вы Профи!"},
    {400, 499, "Поздравляем с получением нового ранга! Теперь вы Гонщик!"},
    {500, 599, "Поздравляем с получением нового ранга! Теперь вы Маньяк!"},
    {600, 699, "Поздравляем с получением нового ранга! Теперь вы Супермен!"},
    {700, INT_MAX, "Поздравляем с получением нового ранга! Теперь вы Кибергонщик!"},
    {800, INT_MAX, "Поздравляем с получением нового ранга! Теперь вы Экстракибер!"},
}};

} // namespace

QString RankForSpeed(int speed)
{
    const char *rank = kRanks.front().name;
    for (const RankStep &step : kRanks) {
        if (speed >= step.lowestSpeed)
            rank = step.name;
    }
    return QString::fromUtf8(rank);
}

QString ShowRank(int bestSpeed, const QString &mode, const QString &regularRank)
{
    if (mode == kCrunchMode) {
        for (const NextRank &next : kNextRanks) {
            if (regularRank == QString::fromUtf8(next.regular))
                return QString::fromUtf8(next.shown);
        }
    }
    return RankForSpeed(bestSpeed);
}

QStringList RankUpMessages(int oldBest, int newBest)
{
    QStringList messages;
    for (const RankUp &row : kRankUps) {
        if (newBest >= row.lowest && newBest <= row.highest && oldBest < row.lowest)
            messages << QString::fromUtf8(row.message);
    }
    return messages;
}

} // namespace tesmi
