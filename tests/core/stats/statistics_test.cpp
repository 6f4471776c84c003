#include "stats/Statistics.h"

#include "progress/Points.h"
#include "storage/Schema.h"
#include "storage/Settings.h"

#include "FakePlatform.h"
#include "ModeFixture.h"
#include "TempDatabase.h"

#include <gtest/gtest.h>

using namespace tesmi;

namespace {

class StatisticsTest : public fakes::TempDatabaseTest {
protected:
    void SetUp() override
    {
        TempDatabaseTest::SetUp();
        EnsureSchema(*db);
    }

    void addResult(const QString &mode, const QString &speed, const QString &errorr, const QString &date)
    {
        db->Execute(QStringLiteral("INSERT INTO %1 (time, speed, errorr, date, error) VALUES ('60', ?, ?, ?, '2')")
                        .arg(ResultsTableName(mode)),
                    {speed, errorr, date});
    }

    int results(const QString &mode)
    {
        return db->Query("SELECT count(*) FROM " + ResultsTableName(mode)).value().toInt();
    }

    fakes::FakePrompts prompts;
};

TEST_F(StatisticsTest, EmptyModeShowsZeroFigures)
{
    const ModeStatistics statistics = LoadModeStatistics(*db, "Обычный");
    EXPECT_TRUE(statistics.races.isEmpty());
    EXPECT_EQ(statistics.Label6, "0 зн/мин ");
    EXPECT_EQ(statistics.Label7, "0 текстов");
    EXPECT_EQ(statistics.Label10, "0,00%");
    EXPECT_EQ(statistics.Label8, "0 зн/мин ");
}

TEST_F(StatisticsTest, AveragesMatchTheSummaryAndEveryRaceIsCharted)
{
    addResult("Обычный", "100", "1,000", "27.11.2011 15:16:21");
    addResult("Обычный", "200", "3,000", "28.11.2011 9:05:03");
    const ModeStatistics statistics = LoadModeStatistics(*db, "Обычный");
    ASSERT_EQ(statistics.races.size(), 2);
    EXPECT_EQ(statistics.races[0].dateLabel, "27.11.11.");
    EXPECT_EQ(statistics.races[0].averageSpeed, 100);
    EXPECT_EQ(statistics.races[1].averageSpeed, 130);
    EXPECT_DOUBLE_EQ(statistics.races[1].mistakes, 3.0);
    EXPECT_DOUBLE_EQ(statistics.races[1].averageMistakes, 1.6);
    EXPECT_EQ(statistics.Label6, "130 зн/мин ");
    EXPECT_EQ(statistics.Label7, "2 текста");
    EXPECT_EQ(statistics.Label8, "200 зн/мин ");
    EXPECT_EQ(statistics.Label10, "1,60%");
    EXPECT_EQ(TotalMileageCaption(21), "21 текст");
}

struct RefusalCase {
    const char *name;
    qint64 points;
    const char *typed;
    const char *message;
};

std::ostream &operator<<(std::ostream &out, const RefusalCase &c)
{
    return out << c.name;
}

class DeletionRefusalTest : public StatisticsTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(DeletionRefusalTest, ChangesNothing)
{
    const RefusalCase &c = GetParam();
    addResult("Обычный", "300", "1,000", "27.11.2011 15:16:21");
    AddPoints(*db, c.points);
    const DeletionOutcome outcome = DeleteResultByDate(*db, prompts, "Обычный", QString::fromUtf8(c.typed));
    EXPECT_FALSE(outcome.deleted);
    EXPECT_EQ(prompts.messages, QStringList{QString::fromUtf8(c.message)});
    EXPECT_TRUE(prompts.questions.isEmpty());
    EXPECT_EQ(results("Обычный"), 1);
    EXPECT_EQ(CurrentPoints(*db), c.points);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, DeletionRefusalTest,
    ::testing::Values(RefusalCase{"too_few_points", 9999, "27.11.2011 15:16:21", "У вас недостаточное количество очков"},
                      RefusalCase{"empty_date", 10000, "", "Введите дату и время заезда"},
                      RefusalCase{"two_spaces", 10000, "27.11.2011  15:16:21", "Заезда с такой датой не существует!"},
                      RefusalCase{"quote_in_date", 10000, "27.11.2011\" OR \"1\"=\"1",
                                  "Заезда с такой датой не существует!"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(StatisticsTest, DeletingRemovesEveryRaceOfThatSecondForOnePrice)
{
    addResult("Обычный", "300", "1,000", "27.11.2011 15:16:21");
    addResult("Обычный", "310", "1,000", "27.11.2011 15:16:21");
    addResult("Обычный", "120", "1,000", "28.11.2011 10:00:00");
    AddPoints(*db, 10000);
    const DeletionOutcome outcome = DeleteResultByDate(*db, prompts, "Обычный", "27.11.2011 15:16:21");
    EXPECT_TRUE(outcome.deleted);
    EXPECT_EQ(results("Обычный"), 1);
    EXPECT_EQ(CurrentPoints(*db), 0);
    EXPECT_EQ(prompts.questions.front(),
              "Вы действительно хотите удалить результат заезда со следующими показателями: \r\nскорость: 300\r\n"
              "количество ошибок: 2 ?");
    EXPECT_EQ(prompts.messages, QStringList{"Результат был успешно удален"});
    EXPECT_EQ(GetSetting(*db, "rangob"), "Любитель") << "the regular rank follows the best remaining speed";
}

TEST_F(StatisticsTest, DeletingLastRegularResultMakesANovice)
{
    SetSetting(*db, "rangob", "Профи");
    addResult("Обычный", "400", "0,000", "27.11.2011 15:16:21");
    AddPoints(*db, 10000);
    DeleteResultByDate(*db, prompts, "Обычный", "27.11.2011 15:16:21");
    EXPECT_EQ(GetSetting(*db, "rangob"), "Новичок");
}

TEST_F(StatisticsTest, AnsweringNoKeepsResultAndPoints)
{
    addResult("Обычный", "300", "1,000", "27.11.2011 15:16:21");
    AddPoints(*db, 10000);
    prompts.answers = {false};
    const DeletionOutcome outcome = DeleteResultByDate(*db, prompts, "Обычный", "27.11.2011 15:16:21");
    EXPECT_FALSE(outcome.deleted);
    EXPECT_TRUE(outcome.clearField);
    EXPECT_EQ(results("Обычный"), 1);
    EXPECT_EQ(CurrentPoints(*db), 10000);
}

} // namespace
