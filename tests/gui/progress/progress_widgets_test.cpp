#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "app/Style.h"
#include "app/TopBar.h"
#include "modes/ModeCatalog.h"
#include "modes/ModeSession.h"
#include "progress/ExerciseCourses.h"
#include "progress/ModeSummary.h"
#include "progress/ResultPanel.h"
#include "race/RaceResults.h"
#include "storage/Settings.h"

#include "GuiFixture.h"
#include "ModeFixture.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace tesmi;

namespace {

class ProgressWidgetsTest : public fakes::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ApplyStyle(*qApp);
    }

    // The top bar showing a mode's summary, laid out again as the window does after a change.
    TopBar *showSummary(MainWindow &window, const QString &mode)
    {
        auto *topBar = window.findChild<TopBar *>("Panel1");
        topBar->showSummary(RefreshModeSummary(*db, mode, "Профи", context->guard));
        window.resize(window.width() + 1, window.height());
        return topBar;
    }

    static bool shown(const QWidget *parent, const QString &name)
    {
        return child(parent, name)->isVisibleTo(parent);
    }

    static QString text(const QWidget *parent, const QString &name) { return child<QLabel>(parent, name)->text(); }

};

TEST_F(ProgressWidgetsTest, TopBarShowsFiguresBadgeAndMedal)
{
    fakes::addResults(*db, "Обычный", 1000, "356");
    SetSetting(*db, "level", "30000"); // 15000 points: level 1, step 1
    auto window = startMainWindow();
    TopBar *topBar = showSummary(*window, "Обычный");

    EXPECT_EQ(text(topBar, "Label17"), "356 зн/мин ");
    EXPECT_EQ(text(topBar, "Label19"), "356 зн/мин ");
    EXPECT_EQ(text(topBar, "Label22"), "1,00%");
    EXPECT_EQ(text(topBar, "Label21"), "1000 текстов");
    EXPECT_EQ(text(topBar, "Rangname"), "Профи");
    EXPECT_EQ(text(topBar, "level_l"), "1");
    EXPECT_EQ(child(topBar, "RzPanel8")->toolTip(), "Очки: 15000 / 36000");
    EXPECT_EQ(child(topBar, "level_l")->toolTip(), "Очки: 15000 / 36000");
    for (int step = 1; step <= 11; ++step)
        EXPECT_EQ(shown(topBar, QStringLiteral("l%1").arg(step)), step == 1) << step;
    for (const char *medal : {"i300", "i1000", "i2000", "i5000", "i10000", "i20000"})
        EXPECT_EQ(shown(topBar, medal), QString(medal) == "i1000") << medal;
    EXPECT_EQ(child(topBar, "i1000")->toolTip(), "Звезда за 1000 текстов пробега");
    const QRect badge = child(topBar, "RzPanel7")->geometry();
    EXPECT_TRUE(topBar->rect().contains(badge));
    EXPECT_LT(child(topBar, "summary")->geometry().right(), badge.left()) << "the badge stands clear of the figures";
    saveScreenshot(*topBar, "top_bar_level_1_medal");
}

TEST_F(ProgressWidgetsTest, StartUpShowsSummaryOfLastMode)
{
    fakes::addMode(*db, {"ХРУСТяшки", "trainer", "text", {"фыва"}, {{"book_poz", "0"}}});
    fakes::addResults(*db, "ХРУСТяшки", 300, "420");
    fakes::addResults(*db, "Обычный", 10); // the mileage ХРУСТяшки asks for
    SetSetting(*db, "last", "ХРУСТяшки");
    SetSetting(*db, "rangob", "Профи");
    auto window = startMainWindow();
    EXPECT_EQ(text(window.get(), "Label21"), "300 текстов");
    EXPECT_TRUE(shown(window.get(), "i300"));
    EXPECT_EQ(text(window.get(), "Rangname"), "Гонщик") << "ХРУСТяшки names the rank after the regular one";
    EXPECT_EQ(text(window.get(), "level_l"), "0");
    EXPECT_EQ(text(window.get(), "Hrust"), *CrunchNote(0));
    EXPECT_TRUE(shown(window.get(), "Hrust"));
    saveScreenshot(*window, "main_window_crunch_summary");
}

TEST_F(ProgressWidgetsTest, BadgeAtMaximumLevel)
{
    SetSetting(*db, "level", "7800002"); // 3 900 001 points
    auto window = startMainWindow();
    TopBar *topBar = showSummary(*window, "Обычный");
    EXPECT_EQ(text(topBar, "level_l"), "max");
    EXPECT_TRUE(shown(topBar, "l11"));
    EXPECT_EQ(child(topBar, "RzPanel8")->toolTip(), "Достигнут максимальный уровень");
    EXPECT_LT(child<QLabel>(topBar, "level_l")->font().pointSizeF(), 12) << "max is drawn smaller";
    for (const char *medal : {"i300", "i1000", "i2000", "i5000", "i10000", "i20000"})
        EXPECT_FALSE(shown(topBar, medal)) << medal;
    saveScreenshot(*topBar, "top_bar_level_max");
}

TEST_F(ProgressWidgetsTest, FinishedRaceFillsPanelAfterRowIsStored)
{
    fakes::addResults(*db, "Обычный", 4, "250");
    ModeSession session(*db, fake.prompts);
    session.start("Обычный");
    session.SwitchMode("Обычный", true);
    RaceResults results(*db, session, context->guard, fake.prompts);

    RaceOutcome outcome;
    outcome.TextKind = "text";
    outcome.textLength = 300;
    outcome.ErrorCount = 3;
    outcome.elapsedMs = 51430;
    outcome.sinceStartMs = 51430;
    outcome.finishedAt = fake.clock.now();
    const FinishReport report = results.FinishRace(outcome);
    EXPECT_EQ(CountResults(*db, "Обычный"), 5);

    QWidget host;
    host.resize(860, 140);
    auto *panel = new ResultPanel(&host);
    panel->move(10, 15);
    host.show();
    panel->showResult(report.panel, report.record, report.cancelVisible);
    QApplication::processEvents(); // lets the layout place the labels
    EXPECT_EQ(text(panel, "Label5"), "350");
    EXPECT_EQ(text(panel, "Label6"), " зн/мин");
    EXPECT_EQ(text(panel, "Label3"), "00:51");
    EXPECT_EQ(text(panel, "Label4"), ".4");
    EXPECT_EQ(text(panel, "Label7"), "3");
    EXPECT_EQ(text(panel, "Label9"), "ошибки (");
    EXPECT_EQ(text(panel, "Label8"), "1,00");
    EXPECT_EQ(text(panel, "Label28"), "%)");
    EXPECT_EQ(child(panel, "Label28")->x(), child(panel, "Label8")->geometry().right() + 1);
    EXPECT_TRUE(shown(panel, "rek"));
    EXPECT_TRUE(shown(panel, "SpeedButton2"));
    EXPECT_EQ(child(panel, "SpeedButton2")->toolTip(), "Отменить результат");
    EXPECT_FALSE(shown(panel, "RzPanel5"));
    saveScreenshot(host, "result_panel_record");

    QSignalSpy cancel(panel, &ResultPanel::cancelClicked);
    QTest::mouseClick(child(panel, "SpeedButton2"), Qt::LeftButton);
    EXPECT_EQ(cancel.count(), 1);
    panel->showCancelled();
    QApplication::processEvents();
    EXPECT_TRUE(shown(panel, "RzPanel5"));
    EXPECT_FALSE(shown(panel, "SpeedButton2"));
    EXPECT_FALSE(shown(panel, "rek")) << "a cancelled result is no record";
    EXPECT_GE(child(panel, "RzPanel5")->width(), child(panel, "RzPanel5")->sizeHint().width());
    saveScreenshot(host, "result_panel_cancelled");
}

TEST_F(ProgressWidgetsTest, RecordBannerWavesOnceAfterTimer8)
{
    QWidget host;
    auto *panel = new ResultPanel(&host);
    host.show();
    panel->showResult({"300", "00:20", ".0", "0", "ошибок (", "0,00"}, true, false);
    EXPECT_TRUE(panel->recordTimer().isActive());
    panel->recordTimerTick();
    EXPECT_FALSE(panel->recordTimer().isActive());
    const QString banner = kRecordBanner;
    EXPECT_TRUE(panel->wave().running());
    EXPECT_EQ(text(panel, "rek"), "в" + banner.mid(1));
    while (panel->wave().running())
        panel->wave().step();
    EXPECT_EQ(text(panel, "rek"), banner);

    panel->hideForNextRace();
    EXPECT_FALSE(panel->isVisibleTo(&host));
    EXPECT_FALSE(shown(panel, "rek"));
}

} // namespace
