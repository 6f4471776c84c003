#include "progress/Ranks.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace tesmi;

namespace {

TEST(RankForSpeedTest, FollowsRankTable)
{
    const std::pair<int, const char *> cases[] = {
        {0, "Новичок"},    {99, "Новичок"},       {100, "Любитель"},    {199, "Любитель"},
        {200, "Таксист"},  {300, "Профи"},        {400, "Гонщик"},      {500, "Маньяк"},
        {600, "Супермен"}, {700, "Кибергонщик"},  {899, "Экстракибер"}, {900, "Тахион"},
        {5000, "Тахион"},
    };
    for (const auto &[speed, rank] : cases)
        EXPECT_EQ(RankForSpeed(speed), QString::fromUtf8(rank)) << speed;
}

TEST(ShowRankTest, CrunchModeNamesRankAfterRegularOne)
{
    EXPECT_EQ(ShowRank(50, "ХРУСТяшки", "Новичок"), "Любителя");
    EXPECT_EQ(ShowRank(50, "ХРУСТяшки", "Экстракибер"), "Тахион");
    EXPECT_EQ(ShowRank(450, "ХРУСТяшки", "Тахион"), "Гонщик") << "beyond the table the mode's own best counts";
    EXPECT_EQ(ShowRank(450, "Обычный", "Новичок"), "Гонщик");
}

TEST(RankUpMessagesTest, JumpsEarnTheMessagesOfTheirRows)
{
    const QString amateur = "Поздравляем с получением нового ранга! Теперь вы Любитель!";
    const QString pro = "Поздравляем с получением нового ранга! Теперь вы Профи!";
    const QString cyber = "Поздравляем с получением нового ранга! Теперь вы Кибергонщик!";
    const QString extra = "Поздравляем с получением нового ранга! Теперь вы Экстракибер!";
    EXPECT_EQ(RankUpMessages(50, 350), (QStringList{amateur, pro}));
    EXPECT_EQ(RankUpMessages(250, 350), QStringList{pro});
    EXPECT_EQ(RankUpMessages(99, 100), QStringList{amateur});
    EXPECT_EQ(RankUpMessages(150, 450), QStringList{"Поздравляем с получением нового ранга! Теперь вы Гонщик!"});
    EXPECT_EQ(RankUpMessages(650, 850), (QStringList{cyber, extra}));
    EXPECT_TRUE(RankUpMessages(350, 399).isEmpty());
    EXPECT_TRUE(RankUpMessages(850, 950).isEmpty()) << "Тахион has no message";
}

} // namespace
