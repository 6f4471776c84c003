#include "util/Formatting.h"
#include "util/Guard.h"

#include "FakePlatform.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <ostream>

#include <stdexcept>

using namespace tesmi;

namespace {

struct PluralCase {
    const char *count;
    const char *mistakes;
    const char *texts;
};

std::ostream &operator<<(std::ostream &out, const PluralCase &c)
{
    return out << c.count;
}

class PluralTest : public ::testing::TestWithParam<PluralCase> {};

TEST_P(PluralTest, ChoosesFormByLastTwoCharacters)
{
    const PluralCase &c = GetParam();
    EXPECT_EQ(PluralMistakes(QString::fromUtf8(c.count)), QString::fromUtf8(c.mistakes));
    EXPECT_EQ(PluralTexts(QString::fromUtf8(c.count)), QString::fromUtf8(c.texts));
}

INSTANTIATE_TEST_SUITE_P(
    Counts, PluralTest,
    ::testing::Values(PluralCase{"0", "ошибок", "текстов"}, PluralCase{"1", "ошибка", "текст"},
                      PluralCase{"4", "ошибки", "текста"}, PluralCase{"5", "ошибок", "текстов"},
                      PluralCase{"11", "ошибок", "текстов"}, PluralCase{"14", "ошибок", "текстов"},
                      PluralCase{"19", "ошибок", "текстов"}, PluralCase{"20", "ошибок", "текстов"},
                      PluralCase{"21", "ошибка", "текст"}, PluralCase{"104", "ошибки", "текста"},
                      PluralCase{"111", "ошибок", "текстов"}, PluralCase{"112", "ошибок", "текстов"},
                      PluralCase{"122", "ошибки", "текста"}, PluralCase{"1000", "ошибок", "текстов"},
                      PluralCase{"1001", "ошибка", "текст"}, PluralCase{"10003", "ошибки", "текста"},
                      PluralCase{"-1", "ошибка", "текст"}, PluralCase{"-12", "ошибок", "текстов"}));

using GuardedPlural = QString (*)(const Guard &, const QString &);

TEST(GuardedHelpersTest, BadCountEndsProgramWithHelpersCode)
{
    const std::pair<GuardedPlural, QString> helpers[] = {{&PluralMistakes, "o_t_t"}, {&PluralTexts, "t_t_t"}};
    for (const auto &[helper, code] : helpers) {
        for (const QString &bad : {QString(), QStringLiteral("12a")}) {
            fakes::FakePlatform fake;
            const Guard guard(fake.prompts, fake.termination);
            EXPECT_THROW(helper(guard, bad), TerminationRequested);
            EXPECT_EQ(fake.prompts.messages, QStringList{"Программа будет закрыта. Код ошибки: " + code});
        }
    }
}

TEST(GuardedHelpersTest, GoodInputPassesThroughWithoutPrompt)
{
    fakes::FakePlatform fake;
    const Guard guard(fake.prompts, fake.termination);
    EXPECT_EQ(PluralMistakes(guard, "3"), "ошибки");
    EXPECT_EQ(FormatFixed(guard, 2.5, 2), "2,50");
    EXPECT_EQ(SecondsToTime(guard, 61).toString("mm:ss"), "01:01");
    EXPECT_TRUE(fake.prompts.messages.isEmpty());
    EXPECT_EQ(fake.termination.calls, 0);
}

TEST(GuardedHelpersTest, FormatFixedOfNonNumberEndsWithRE)
{
    fakes::FakePlatform fake;
    const Guard guard(fake.prompts, fake.termination);
    EXPECT_THROW(FormatFixed(guard, std::numeric_limits<double>::quiet_NaN(), 2), TerminationRequested);
    EXPECT_EQ(fake.prompts.messages, QStringList{"Программа будет закрыта. Код ошибки: RE"});
}

TEST(GuardedHelpersTest, SecondsPastADayReachTheCallerUnguarded)
{
    fakes::FakePlatform fake;
    const Guard guard(fake.prompts, fake.termination);
    EXPECT_THROW(SecondsToTime(guard, 86400), std::out_of_range);
    EXPECT_TRUE(fake.prompts.messages.isEmpty());
}

struct ClockCase {
    int seconds;
    const char *pattern;
    const char *shown;
};

std::ostream &operator<<(std::ostream &out, const ClockCase &c)
{
    return out << c.seconds;
}

class SecondsToTimeTest : public ::testing::TestWithParam<ClockCase> {};

TEST_P(SecondsToTimeTest, ShowsClockValue)
{
    const ClockCase &c = GetParam();
    EXPECT_EQ(SecondsToTime(c.seconds).toString(QString::fromLatin1(c.pattern)), QString::fromLatin1(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Values, SecondsToTimeTest,
                         ::testing::Values(ClockCase{0, "hh:mm:ss", "00:00:00"}, ClockCase{59, "mm:ss", "00:59"},
                                           ClockCase{3600, "hh:mm:ss", "01:00:00"},
                                           ClockCase{3725, "hh:mm:ss", "01:02:05"},
                                           ClockCase{86399, "hh:mm:ss", "23:59:59"}));

TEST(SecondsToTimeRangeTest, RejectsValuesOutsideADay)
{
    EXPECT_THROW(SecondsToTime(86400), std::out_of_range);
    EXPECT_THROW(SecondsToTime(-1), std::out_of_range);
}

struct FixedCase {
    double value;
    int decimals;
    const char *text;
};

std::ostream &operator<<(std::ostream &out, const FixedCase &c)
{
    return out << c.value << "/" << c.decimals;
}

class FormatFixedTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedTest, WritesCommaAndNoPadding)
{
    const FixedCase &c = GetParam();
    EXPECT_EQ(FormatFixed(c.value, c.decimals), QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(Values, FormatFixedTest,
                         ::testing::Values(FixedCase{2.5, 2, "2,50"}, FixedCase{55.5555, 2, "55,56"},
                                           FixedCase{0, 3, "0,000"}, FixedCase{100, 2, "100,00"},
                                           FixedCase{-1.5, 2, "-1,50"}, FixedCase{1.23456, 3, "1,235"},
                                           FixedCase{-0.001, 2, "0,00"}, FixedCase{0.03125, 4, "0,0312"},
                                           FixedCase{0.09375, 4, "0,0938"}));

TEST(WaveFramesTest, RunsOneFlippedCharacterThroughCaption)
{
    EXPECT_EQ(WaveFrames("Аб1"), (QStringList{"аб1", "АБ1", "Аб1", "Аб1"}));
    EXPECT_EQ(WaveFrames("ok"), (QStringList{"Ok", "oK", "ok"}));
    EXPECT_TRUE(WaveFrames(QString()).isEmpty());
}

} // namespace
