#include "modes/ModeSession.h"

#include "storage/Schema.h"
#include "storage/Settings.h"

#include "FakePlatform.h"
#include "ModeFixture.h"
#include "TempDatabase.h"

#include <gtest/gtest.h>

using namespace tesmi;

namespace {

class ModeSessionTest : public fakes::TempDatabaseTest {
protected:
    void SetUp() override
    {
        TempDatabaseTest::SetUp();
        EnsureSchema(*db);
        fakes::addMode(*db, {"A"});
        fakes::addMode(*db, {"B"});
        fakes::addMode(*db, {"ХРУСТяшки", "trainer", "text"});
        session = std::make_unique<ModeSession>(*db, fake.prompts);
        session->start("Обычный");
        session->SwitchMode("Обычный", true);
    }

    fakes::FakePlatform fake;
    std::unique_ptr<ModeSession> session;
};

TEST_F(ModeSessionTest, SettingSurvivesSwitchAwayAndBack)
{
    session->SwitchMode("A");
    session->settings().setNumber(Setting::TextSize, 25);
    session->settings().setText(Setting::Lighting, "слово");
    session->SwitchMode("B");
    EXPECT_EQ(session->settings().number(Setting::TextSize), 10);
    session->SwitchMode("A");
    EXPECT_EQ(session->settings().number(Setting::TextSize), 25);
    EXPECT_EQ(session->settings().text(Setting::Lighting), "слово");
}

TEST_F(ModeSessionTest, GlobalMarkMakesModesShareSetting)
{
    session->SwitchMode("A");
    session->setGlobalMark(3, true);
    session->settings().setNumber(Setting::TextSize, 30);
    session->SwitchMode("B");
    EXPECT_EQ(session->settings().number(Setting::TextSize), 30);
    EXPECT_EQ(GetSetting(*db, "textsize"), "30");
    EXPECT_EQ(GetModeSetting(*db, "A", "textsize"), "10") << "a global setting stays out of the mode";
    EXPECT_EQ(GetSetting(*db, "chk3"), "1") << "the mark itself is remembered";

    ModeSession afterRestart(*db, fake.prompts);
    afterRestart.start("B");
    afterRestart.SwitchMode("B", true);
    EXPECT_TRUE(afterRestart.marks()[1]);
    EXPECT_EQ(afterRestart.settings().number(Setting::TextSize), 30);
}

TEST_F(ModeSessionTest, LimitAndItsSwitchFollowOneMark)
{
    session->setGlobalMark(10, true);
    session->settings().setFlag(Setting::LimitErrors, true);
    session->settings().setNumber(Setting::LimitKol, 7);
    session->SwitchMode("A");
    EXPECT_TRUE(session->settings().flag(Setting::LimitErrors));
    EXPECT_EQ(session->settings().number(Setting::LimitKol), 7);
}

TEST_F(ModeSessionTest, CountersOfTheModeLeftAreStored)
{
    session->SwitchMode("A");
    session->counters() = {3, 4, 30, 40};
    session->SwitchMode("B");
    EXPECT_EQ(GetModeSetting(*db, "A", "tek_doehano"), "3");
    EXPECT_EQ(GetModeSetting(*db, "A", "all_bylo"), "40");
    session->SwitchMode("A");
    EXPECT_EQ(session->counters().TotalFinished, 30);
}

TEST_F(ModeSessionTest, StartUpSwitchSavesNothing)
{
    session->settings().setNumber(Setting::TextSize, 33);
    session->SwitchMode("A", true);
    EXPECT_EQ(GetModeSetting(*db, "Обычный", "textsize"), "10");
}

TEST_F(ModeSessionTest, LeavingRegularStoresRankAsRegularRank)
{
    session->setRankCaption("Профи");
    session->SwitchMode("A");
    EXPECT_EQ(GetSetting(*db, "rangob"), "Профи");
    EXPECT_EQ(session->RegularRank(), "Профи");
}

struct GateCase {
    int regularResults;
    const char *expectedMode;
    bool refused;
};

std::ostream &operator<<(std::ostream &out, const GateCase &c)
{
    return out << c.regularResults;
}

class CrunchGateTest : public ModeSessionTest, public ::testing::WithParamInterface<GateCase> {};

TEST_P(CrunchGateTest, NeedsTenRegularResults)
{
    const GateCase &c = GetParam();
    fakes::addResults(*db, "Обычный", c.regularResults);
    const SwitchOutcome outcome = session->SwitchMode("ХРУСТяшки");
    EXPECT_EQ(outcome.mode, QString::fromUtf8(c.expectedMode));
    EXPECT_EQ(session->CurrentMode(), QString::fromUtf8(c.expectedMode));
    EXPECT_EQ(fake.prompts.messages, c.refused ? QStringList{kCrunchGateMessage} : QStringList{});
    EXPECT_EQ(outcome.labelColour, c.refused ? "#000000" : "#008040");
    EXPECT_EQ(outcome.clearExerciseNote, c.refused);
}

INSTANTIATE_TEST_SUITE_P(Counts, CrunchGateTest,
                         ::testing::Values(GateCase{9, "Обычный", true}, GateCase{10, "ХРУСТяшки", false}));

TEST_F(ModeSessionTest, ErrorlessModeForcesLimitOfAtMostOne)
{
    SetModeSettings(*db, "Безошибочный", {{"limitkol", "5"}, {"limiterrors", "0"}});
    const SwitchOutcome outcome = session->SwitchMode("Безошибочный");
    EXPECT_TRUE(session->settings().flag(Setting::LimitErrors));
    EXPECT_EQ(session->settings().number(Setting::LimitKol), 1);
    EXPECT_EQ(outcome.limitMaximum, 1);
    EXPECT_EQ(session->SwitchMode("A").limitMaximum, 50);
}

TEST_F(ModeSessionTest, ReturnToDefaultModeDoesNotSaveModeLeft)
{
    session->SwitchMode("A");
    session->settings().setNumber(Setting::TextSize, 22);
    db->Execute("DROP TABLE A");
    db->Execute("DROP TABLE _A");
    const SwitchOutcome outcome = session->ReturnToDefaultMode();
    EXPECT_EQ(outcome.mode, "Обычный");
    EXPECT_EQ(session->CurrentMode(), "Обычный");
    EXPECT_EQ(session->settings().number(Setting::TextSize), 10);
}

TEST_F(ModeSessionTest, ModeLackingADisplayColumnTakesTheGlobalValue)
{
    db->Execute("CREATE TABLE Narrow (id INTEGER PRIMARY KEY, text TEXT, type TEXT, subtype TEXT)");
    db->Execute("INSERT INTO Narrow (text, type, subtype) VALUES ('x', 'text', 'text')");
    db->Execute(CreateResultsTableSql("Narrow"));
    session->SwitchMode("Narrow");
    EXPECT_EQ(session->settings().number(Setting::TextSize), 14) << "the global default";
    EXPECT_EQ(session->CurrentMode(), "Narrow");
}

TEST_F(ModeSessionTest, MarathonDurationSetsMinutes)
{
    fakes::addMode(*db, {"Марафон", "marathon", "text", {"x"}, {{"duration", "3"}}});
    session->SwitchMode("Марафон");
    EXPECT_EQ(session->MarathonMinutes(), 20);
    EXPECT_EQ(session->kind().ModeType, "marathon");
}

TEST(ModeLabelColourTest, LaterRulesWin)
{
    EXPECT_EQ(ModeLabelColour("Обычный", "text"), "#000000");
    EXPECT_EQ(ModeLabelColour("Безошибочный", "text"), "#4692AA");
    EXPECT_EQ(ModeLabelColour("Мини_марафон", "marathon"), "#D43E68");
    EXPECT_EQ(ModeLabelColour("Буквы", "liter"), "#B55900");
    EXPECT_EQ(ModeLabelColour("Letters", "letters"), "#B55900");
    EXPECT_EQ(ModeLabelColour("Цифры", "digits"), "#777777");
    EXPECT_EQ(ModeLabelColour("Спринт", "text"), "#833F3A");
    EXPECT_EQ(ModeLabelColour("Обучение", "marathon"), "#FF0000");
    EXPECT_EQ(ModeLabelColour("ХРУСТяшки", "trainer"), "#008040");
    EXPECT_EQ(ModeLabelColour("Мой словарь", "text"), "#524CA7");
}

TEST(CounterCaptionTest, PercentOfStartedRaces)
{
    EXPECT_EQ(SessionCaption({0, 0, 0, 0}), "[100%] Сеанс");
    EXPECT_EQ(SessionCaption({3, 4, 0, 0}), "[75,00%] Сеанс");
    EXPECT_EQ(TotalCaption({0, 0, 1, 3}), "[33,33%] Все время");
    EXPECT_EQ(TotalCaption({0, 0, 0, 0}), "[100%] Все время");
}

} // namespace
