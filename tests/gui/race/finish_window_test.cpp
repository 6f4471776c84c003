#include "progress/Points.h"
#include "progress/ResultPanel.h"
#include "stats/ErrorList.h"
#include "storage/Database.h"
#include "storage/ModeName.h"

#include "RaceFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace tesmi;

namespace {

class FinishWindowTest : public fakes::RaceWindowFixture {
protected:
    // The placeholder text with one wrong key in "означающий": 65 characters,
    // the first at once, the other 64 in 12 800 ms, 305 зн/мин.
    void raceWithOneMistake()
    {
        startRace();
        typeText(fakes::kPlaceholderText.left(1), 0);
        typeText(fakes::kPlaceholderText.mid(1, 28), 200);
        QTest::keyClick(find("label1"), Qt::Key_X);
        QTest::keyClick(find("label1"), Qt::Key_Backspace);
        typeText(fakes::kPlaceholderText.mid(29), 200);
        ASSERT_FALSE(engine->state().RaceRunning);
    }

    QString text(const char *name) { return find<QLabel>(name)->text(); }
};

TEST_F(FinishWindowTest, FinishedRaceIsStoredBeforeThePanelShowsIt)
{
    start();
    raceWithOneMistake();
    ASSERT_TRUE(find("Panel2")->isVisible());
    EXPECT_EQ(text("Label5"), "305");
    EXPECT_EQ(text("Label3"), "00:12");
    EXPECT_EQ(text("Label7"), "1");
    EXPECT_EQ(text("Label8"), "1,54");
    // A second connection sees the committed row, as a restart after a crash would.
    auto other = Database::OpenDatabase(paths->databaseFile());
    const QueryResult rows = other->Query("SELECT time, speed, errorr, error FROM " + ResultsTableName(kRegularMode));
    ASSERT_EQ(rows.count(), 1);
    EXPECT_EQ(rows.rows.front(), (QStringList{"12", "305", "1,538", "1"}));
    EXPECT_EQ(CurrentPoints(*db), 65);
    EXPECT_EQ(text("Label21"), "1 текст");
    EXPECT_TRUE(find("SpeedButton6")->isVisible()) << "a race with mistakes offers error work";
    saveScreenshot(*window, "race_result");
}

TEST_F(FinishWindowTest, AFailingStoreIsReportedAndTheProgramGoesOn)
{
    start();
    db->Execute("DROP TABLE " + ResultsTableName(kRegularMode));
    raceWithOneMistake();
    ASSERT_EQ(fake.prompts.messages.size(), 1);
    EXPECT_TRUE(fake.prompts.messages.front().contains("no such table")) << fake.prompts.messages.front().toStdString();
    EXPECT_EQ(fake.termination.calls, 0);
    QTest::keyClick(window.get(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_TRUE(engine->active()) << "the next race can start";
}

TEST_F(FinishWindowTest, MistypedWordIsMergedAndKeptRightAway)
{
    start();
    raceWithOneMistake();
    QApplication::processEvents(); // the merge runs as queued work after the finish
    const ErrorList stored = ErrorList::LoadErrorList(*db);
    ASSERT_EQ(stored.entries().size(), 1);
    EXPECT_EQ(stored.entries().front().word, "означающий,");
}

TEST_F(FinishWindowTest, ErrorWorkRacesOnTheMistypedWordFiveTimes)
{
    start();
    raceWithOneMistake();
    find<QPushButton>("SpeedButton6")->click();
    EXPECT_TRUE(engine->state().ErrorWorkRun);
    EXPECT_EQ(engine->state().RaceText.split(' ').size(), 5);
    EXPECT_FALSE(find("SpeedButton6")->isVisible());
    EXPECT_FALSE(find("Panel2")->isVisible());
}

TEST_F(FinishWindowTest, CancellingTakesTheRowBackForPoints)
{
    start();
    raceWithOneMistake();
    raceWithOneMistake(); // the only result of a mode cannot be cancelled
    AddPoints(*db, 3000);
    auto *cancel = find<QToolButton>("SpeedButton2");
    ASSERT_TRUE(cancel->isVisible());
    cancel->click();
    EXPECT_TRUE(find("RzPanel5")->isVisible());
    EXPECT_EQ(db->Query("SELECT count(*) FROM " + ResultsTableName(kRegularMode)).value(), "1");
    EXPECT_EQ(CurrentPoints(*db), 130);
}

} // namespace
