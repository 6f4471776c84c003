#include "progress/ModeSummary.h"

#include "progress/ExerciseCourses.h"
#include "storage/Settings.h"
#include "util/Formatting.h"
#include "util/Guard.h"

#include "FakePlatform.h"
#include "ModeFixture.h"
#include "TempDatabase.h"

using namespace tesmi;

namespace {

RunningAverages averagesOf(std::initializer_list<std::pair<int, double>> results)
{
    RunningAverages averages;
    for (const auto &[speed, mistakes] : results)
        averages.add(speed, mistakes);
    return averages;
}

TEST(RunningAveragesTest, LaterResultsWeighLessAndOrderMatters)
{
    EXPECT_EQ(averagesOf({{100, 0}, {200, 0}}).speed(), 130);
    EXPECT_EQ(averagesOf({{200, 0}, {100, 0}}).speed(), 170);
    RunningAverages averages;
    for (int i = 0; i < 13; ++i)
        averages.add(300, 0);
    averages.add(400, 0);
    EXPECT_EQ(averages.speed(), 302);
}

TEST(RunningAveragesTest, SpeedRoundsHalvesToEven)
{
    // 0.3 · 105 + 0.7 · 100 = 101.5 → 102; 0.3 · 95 + 0.7 · 100 = 98.5 → 98.
    EXPECT_EQ(averagesOf({{100, 0}, {105, 0}}).speed(), 102);
    EXPECT_EQ(averagesOf({{100, 0}, {95, 0}}).speed(), 98);
}

TEST(RunningAveragesTest, MistakesRoundedAtEveryStep)
{
    EXPECT_EQ(averagesOf({{300, 1.237}}).mistakes(), "1,24");
    EXPECT_EQ(averagesOf({{300, 1.237}, {300, 1.0}}).mistakes(), "1,17"); // 0.3 + 0.7 · 1.24 = 1.168
    // 0.005 is kept as 0,01, and 0.7 · 0.01 = 0.007 reads 0,01 again; averaged
    // without rounding it would be 0.0035 and read 0,00.
    EXPECT_EQ(averagesOf({{300, 0.005}, {300, 0}}).mistakes(), "0,01");
}

TEST(RunningAveragesTest, MistakeRoundingMatchesFormatFixed)
{
    // The stored forms (three decimals) and four-decimal values, the midpoints included.
    for (int k = 0; k <= 100000; ++k) {
        for (const double value : {k / 1000.0, k / 10000.0}) {
            const RunningAverages averages = averagesOf({{0, value}});
            ASSERT_EQ(averages.mistakes(), FormatFixed(value, 2)) << value;
        }
    }
}

class ModeSummaryTest : public fakes::TempDatabaseTest {
protected:
    void SetUp() override
    {
        TempDatabaseTest::SetUp();
        EnsureSchema(*db);
    }

    void addResult(const QString &mode, const QString &time, const QString &speed, const QString &errorr)
    {
        db->Execute(QStringLiteral("INSERT INTO %1 (time, speed, errorr, date, error) VALUES (?, ?, ?, ?, ?)")
                        .arg(QuoteIdentifier(ResultsTableName(mode))),
                    {time, speed, errorr, "09.12.2010 9:05:03", "1"});
    }

    SummaryView refresh(const QString &mode, const QString &regularRank = "Новичок")
    {
        return RefreshModeSummary(*db, mode, regularRank, guard);
    }

    fakes::FakePlatform fake;
    Guard guard{fake.prompts, fake.termination};
};

TEST_F(ModeSummaryTest, NoResults)
{
    const SummaryView view = refresh("Обычный");
    EXPECT_EQ(view.values.ModeResultCount, 0);
    EXPECT_EQ(view.values.ModeBestSpeed, 0);
    EXPECT_EQ(view.values.ModeAverageMistakes, "0");
    EXPECT_EQ(view.Label17, "0 зн/мин ");
    EXPECT_EQ(view.Label19, "0 зн/мин ");
    EXPECT_EQ(view.Label21, "0 текстов");
    EXPECT_EQ(view.Label22, "0,00%");
    EXPECT_EQ(view.StaticText1, kRaceKeysHint);
    EXPECT_EQ(view.Rangname, "Новичок");
    EXPECT_EQ(view.medal, MedalView{});
    EXPECT_EQ(view.level, ShowLevel(0));
    EXPECT_FALSE(view.Hrust);
}

TEST_F(ModeSummaryTest, OneResult)
{
    addResult("Обычный", "42", "300", "1,237");
    const SummaryView view = refresh("Обычный");
    EXPECT_EQ(view.Label17, "300 зн/мин ");
    EXPECT_EQ(view.Label19, "300 зн/мин ");
    EXPECT_EQ(view.Label21, "1 текст");
    EXPECT_EQ(view.Label22, "1,24%");
    EXPECT_EQ(view.Rangname, "Профи");
}

TEST_F(ModeSummaryTest, AveragesFollowStoredOrder)
{
    for (const auto &[time, speed, errorr] : {std::tuple{"40", "100", "2,000"}, {"50", "250", "1,000"},
                                             {"60", "200", "0,500"}})
        addResult("Обычный", time, speed, errorr);
    const ModeSummary summary = ReadModeSummary(*db, "Обычный");
    EXPECT_EQ(summary.ModeResultCount, 3);
    EXPECT_EQ(summary.ModeBestSpeed, 250);
    EXPECT_EQ(summary.ModeTotalTime, 150);
    // 100 → round(75 + 70) = 145 → round(60 + 101.5) = 162 (161.5, halves to even).
    EXPECT_EQ(summary.ModeAverageSpeed, 162);
    // 2,00 → 0.3 + 1.4 = 1,70 → 0.15 + 1.19 = 1,34.
    EXPECT_EQ(summary.ModeAverageMistakes, "1,34");
}

TEST_F(ModeSummaryTest, PointsAndMileageDrawLevelAndMedal)
{
    SetSetting(*db, "level", "30000");
    fakes::addResults(*db, "Обычный", 300);
    const SummaryView view = refresh("Обычный");
    EXPECT_EQ(view.level->hint, "Очки: 15000 / 36000");
    EXPECT_EQ(view.medal.picture, "i300");
    EXPECT_EQ(view.Label21, "300 текстов");
}

TEST_F(ModeSummaryTest, ModeWithoutResultsTableHasNone)
{
    fakes::addMode(*db, {"Книжка"});
    db->Execute(QStringLiteral("DROP TABLE %1").arg(QuoteIdentifier(ResultsTableName("Книжка"))));
    EXPECT_EQ(ReadModeSummary(*db, "Книжка").ModeResultCount, 0);
}

TEST_F(ModeSummaryTest, BookShowsPositionAsMileage)
{
    fakes::addMode(*db, {"Книга", "book", "text", {"Раз."}, {{"book_poz", "21"}, {"book_len", "300"}}});
    const SummaryView view = refresh("Книга");
    EXPECT_EQ(view.Label21, "21 текст из 300");
    EXPECT_EQ(view.StaticText1, kBookKeysHint);
    EXPECT_FALSE(view.Hrust);
}

TEST_F(ModeSummaryTest, MemorisationShowsItsState)
{
    fakes::addMode(*db, {"Стихи", "book", "zubr", {"Раз.", "Два."},
                         {{"book_poz", "1"}, {"prohod", "4"}, {"limitspeed", "250"}}});
    const SummaryView view = refresh("Стихи");
    const QString indent(10, ' ');
    EXPECT_EQ(view.Hrust, QStringList({" ", indent + "ЗАУЧИВАНИЕ", "", indent + "Текущая сложность: 2", "",
                                        indent + "Текущий текст: 2", "", indent + "Необходимая скорость: 250", "",
                                        indent + "Лимит ошибок: 0"})
                              .join("\r\n"));
    EXPECT_EQ(view.Label21, "1 текст из 2") << "a memorisation set is a book too";
}

struct BookMarathonCase {
    const char *name;
    const char *typed;
    int textLength;
    const char *totalTime;
    QStringList tail; // the lines after the header
};

void PrintTo(const BookMarathonCase &c, std::ostream *out)
{
    *out << c.name;
}

class BookMarathonNoteTest : public ModeSummaryTest, public ::testing::WithParamInterface<BookMarathonCase> {};

TEST_P(BookMarathonNoteTest, ShowsProgressAndEstimate)
{
    const BookMarathonCase &c = GetParam();
    fakes::addMode(*db, {"Книгомарафон", "marathon", "book", {QString(c.textLength, QChar(u'ж'))},
                         {{"book_poz", c.typed}}});
    addResult("Книгомарафон", c.totalTime, "300", "0,000");
    const QString indent(10, ' ');
    const QStringList expected =
        QStringList{" ", indent + "СТАТИСТИКА ПО КНИГОМАРАФОНУ"} + c.tail;
    EXPECT_EQ(refresh("Книгомарафон").Hrust, expected.join("\r\n"));
}

const QString kIndent(10, ' ');

INSTANTIATE_TEST_SUITE_P(
    Estimates, BookMarathonNoteTest,
    ::testing::Values(
        BookMarathonCase{"nothing_typed", "0", 200, "600",
                         {"", kIndent + "Символов  набрано: 0 (0,00%)", "", kIndent + "Символов осталось: 200 (100,00%)"}},
        BookMarathonCase{"a_day_left", "100", 200, "86400",
                         {"", kIndent + "Символов  набрано: 100 (50,00%)", "",
                          kIndent + "Символов осталось: 100 (50,00%)", "", kIndent + "Затраченное время: 1 д. 00:00:00",
                          "", kIndent + "Оставшееся  время: 1 д. 00:00:00"}},
        BookMarathonCase{"just_under_a_day", "100", 200, "86399",
                         {"", kIndent + "Символов  набрано: 100 (50,00%)", "",
                          kIndent + "Символов осталось: 100 (50,00%)", "", kIndent + "Затраченное время: 23:59:59",
                          "", kIndent + "Оставшееся  время: 23:59:59"}},
        BookMarathonCase{"a_third_typed", "30", 90, "3600",
                         {"", kIndent + "Символов  набрано: 30 (33,33%)", "",
                          kIndent + "Символов осталось: 60 (66,67%)", "", kIndent + "Затраченное время: 01:00:00",
                          "", kIndent + "Оставшееся  время: 02:00:00"}},
        BookMarathonCase{"empty_book", "0", 0, "60",
                         {"", kIndent + "Символов  набрано: 0 (0,00%)", "", kIndent + "Символов осталось: 0 (0,00%)"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ModeSummaryTest, ExerciseCoursesShowTheirNotes)
{
    fakes::addMode(*db, {"Обучение", "trainer", "text", {"фыва"}, {{"book_poz", "2"}}});
    fakes::addMode(*db, {"ХРУСТяшки", "trainer", "text", {"фыва"}, {{"book_poz", "16"}}});
    EXPECT_EQ(refresh("Обучение").Hrust, LearningNote(2));
    const SummaryView crunch = refresh("ХРУСТяшки", "Профи");
    EXPECT_EQ(crunch.Hrust, CrunchNote(16));
    EXPECT_EQ(crunch.Rangname, "Гонщик");

    SetModeSettings(*db, "Обучение", {{"book_poz", "5"}});
    EXPECT_FALSE(refresh("Обучение").Hrust) << "an exercise beyond the course leaves the box as it is";
}

} // namespace
