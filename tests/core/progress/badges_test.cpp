#include "progress/Badges.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace tesmi;

namespace {

struct LevelCase {
    qint64 points;
    const char *text;
    int step;
    const char *hint;
};

void PrintTo(const LevelCase &c, std::ostream *out)
{
    *out << c.points << " points";
}

class ShowLevelTest : public ::testing::TestWithParam<LevelCase> {};

TEST_P(ShowLevelTest, GivesLevelStepAndHint)
{
    const LevelCase &c = GetParam();
    const std::optional<LevelView> level = ShowLevel(c.points);
    ASSERT_TRUE(level.has_value());
    EXPECT_EQ(level->text, QString::fromUtf8(c.text));
    EXPECT_EQ(level->step, c.step);
    EXPECT_EQ(level->hint, QString::fromUtf8(c.hint));
    EXPECT_EQ(level->max, level->text == "max");
}

INSTANTIATE_TEST_SUITE_P(Boundaries, ShowLevelTest,
                         ::testing::Values(LevelCase{0, "0", 0, "Очки: 0 / 12000"},
                                           LevelCase{1000, "0", 0, "Очки: 1000 / 12000"},
                                           LevelCase{1001, "0", 1, "Очки: 1001 / 12000"},
                                           LevelCase{12000, "0", 11, "Очки: 12000 / 12000"},
                                           LevelCase{12001, "1", 0, "Очки: 12001 / 36000"},
                                           LevelCase{15000, "1", 1, "Очки: 15000 / 36000"},
                                           LevelCase{14001, "1", 1, "Очки: 14001 / 36000"},
                                           LevelCase{3600001, "24", 0, "Очки: 3600001 / 3900000"},
                                           LevelCase{3900000, "24", 11, "Очки: 3900000 / 3900000"},
                                           LevelCase{3900001, "max", 11, "Достигнут максимальный уровень"}),
                         [](const auto &info) { return "points_" + std::to_string(info.param.points); });

TEST(ShowLevelTest, NegativePointsLeaveBadgeAlone)
{
    EXPECT_FALSE(ShowLevel(-1).has_value());
}

TEST(ShowMedalTest, ShowsOneMedalByMileage)
{
    const struct {
        int results;
        const char *picture;
        const char *hint;
    } cases[] = {
        {0, "", ""},
        {299, "", ""},
        {300, "i300", "Медаль за 300 текстов пробега"},
        {999, "i300", "Медаль за 300 текстов пробега"},
        {1000, "i1000", "Звезда за 1000 текстов пробега"},
        {1999, "i1000", "Звезда за 1000 текстов пробега"},
        {2000, "i2000", "Кубок за 2000 текстов пробега"},
        {5000, "i5000", "Корона за 5000 текстов пробега"},
        {10000, "i10000", "Золотой шлем за 10000 текстов пробега"},
        {19999, "i10000", "Золотой шлем за 10000 текстов пробега"},
        {20000, "i20000", "Бриллиантовый шлем за 20000 текстов пробега"},
    };
    for (const auto &c : cases) {
        const MedalView medal = ShowMedal(c.results);
        EXPECT_EQ(medal.picture, QString::fromUtf8(c.picture)) << c.results;
        EXPECT_EQ(medal.hint, QString::fromUtf8(c.hint)) << c.results;
    }
}

} // namespace
