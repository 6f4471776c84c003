#include "app/MainWindow.h"

#include "app/SplashWindow.h"
#include "app/Style.h"
#include "modes/ModePicker.h"
#include "modes/SettingsPanel.h"
#include "storage/Settings.h"

#include "GuiFixture.h"
#include "ModeFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

using namespace tesmi;

namespace {

class ModesWindowTest : public fakes::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ApplyStyle(*qApp);
        fakes::addMode(*db, {"A"});
        fakes::addMode(*db, {"B"});
        fakes::addMode(*db, {"ХРУСТяшки", "trainer", "text"});
        fakes::addResults(*db, "A", 5);
        fakes::addResults(*db, "B", 12);
    }

    // Picks a mode the way a user does: click the mode label, choose the entry.
    void choose(MainWindow &window, const QString &mode)
    {
        QTest::mouseClick(child(&window, "Label39"), Qt::LeftButton);
        auto *names = child<QComboBox>(&window, "rejim_list");
        auto *picker = child<QComboBox>(&window, "rejim_double");
        ASSERT_TRUE(picker->isVisible());
        const int index = names->findText(mode);
        ASSERT_GE(index, 0) << mode.toStdString();
        picker->setCurrentIndex(index);
        emit picker->activated(index);
        picker->hidePopup();
    }

    QSpinBox *spinner(MainWindow &window, const char *name) { return child<QSpinBox>(&window, name); }

};

TEST_F(ModesWindowTest, PickListShowsModesByResultCountAsTheyAreWhenOpened)
{
    auto window = startMainWindow();
    auto *picker = child<QComboBox>(window.get(), "rejim_double");
    EXPECT_FALSE(picker->isVisible());
    const auto firstEntries = [&] {
        QTest::mouseClick(child(window.get(), "Label39"), Qt::LeftButton);
        const QStringList entries{picker->itemText(0), picker->itemText(1)};
        picker->hidePopup();
        return entries;
    };
    EXPECT_EQ(firstEntries(), (QStringList{"B (12)", "A (5)"}));
    fakes::addResults(*db, "A", 10);
    EXPECT_EQ(firstEntries(), (QStringList{"A (15)", "B (12)"}));
    EXPECT_EQ(child<QLabel>(window.get(), "Label39")->toolTip(), "Сменить режим");
}

TEST_F(ModesWindowTest, SettingSurvivesSwitchButNotAnotherMode)
{
    auto window = startMainWindow();
    choose(*window, "A");
    EXPECT_EQ(child<QLabel>(window.get(), "Label39")->text(), "A");
    spinner(*window, "RzSpinner1")->setValue(25);
    EXPECT_TRUE(child(window.get(), "label1")->hasFocus()) << "keys go back to the race";
    choose(*window, "B");
    EXPECT_EQ(spinner(*window, "RzSpinner1")->value(), 10);
    choose(*window, "A");
    EXPECT_EQ(spinner(*window, "RzSpinner1")->value(), 25);
}

TEST_F(ModesWindowTest, ExitKeepsCurrentModesSettingsForNextStart)
{
    {
        auto window = startMainWindow();
        choose(*window, "A");
        spinner(*window, "RzSpinner2")->setValue(14);
        window->close();
    }
    auto again = startMainWindow();
    EXPECT_EQ(child<QLabel>(again.get(), "Label39")->text(), "A");
    EXPECT_EQ(spinner(*again, "RzSpinner2")->value(), 14);
}

TEST_F(ModesWindowTest, GlobalMarksAppearOnDemandAndAreStoredAtOnce)
{
    auto window = startMainWindow();
    auto *mark = child<QCheckBox>(window.get(), "CheckBox3");
    EXPECT_FALSE(mark->isVisible());
    child<QToolButton>(window.get(), "SpeedButton1")->click();
    EXPECT_TRUE(mark->isVisible());
    saveScreenshot(*window, "settings_panel_marks");
    mark->click();
    EXPECT_EQ(GetSetting(*db, "chk3"), "1");
    spinner(*window, "RzSpinner1")->setValue(31);
    choose(*window, "B");
    EXPECT_EQ(spinner(*window, "RzSpinner1")->value(), 31) << "a global size follows into every mode";
}

TEST_F(ModesWindowTest, ErrorlessModeLocksTheLimit)
{
    auto window = startMainWindow();
    choose(*window, "Безошибочный");
    auto *limit = child<QCheckBox>(window.get(), "limit");
    EXPECT_TRUE(limit->isChecked());
    EXPECT_FALSE(limit->isEnabled());
    EXPECT_EQ(spinner(*window, "RzSpinner3")->maximum(), 1);
    choose(*window, "A");
    EXPECT_TRUE(limit->isEnabled());
    EXPECT_EQ(spinner(*window, "RzSpinner3")->maximum(), 50);
}

TEST_F(ModesWindowTest, LimitAndFinishCounterSetPanelHeight)
{
    auto window = startMainWindow();
    auto *panel = child(window.get(), "Panel3");
    auto *limit = child<QCheckBox>(window.get(), "limit");
    auto *finishCounter = child<QCheckBox>(window.get(), "doezd");
    EXPECT_EQ(panel->height(), 285);
    EXPECT_FALSE(finishCounter->isVisible());
    limit->click();
    EXPECT_EQ(panel->height(), 311);
    EXPECT_TRUE(finishCounter->isVisible());
    finishCounter->click();
    EXPECT_EQ(panel->height(), 356);
    EXPECT_TRUE(child(window.get(), "RzPanel4")->isVisible());
    EXPECT_EQ(child<QLabel>(window.get(), "Label36")->text(), "[100%] Сеанс");
    saveScreenshot(*window, "settings_panel_counters");
    limit->click();
    EXPECT_EQ(panel->height(), 285);
}

TEST_F(ModesWindowTest, CrunchModeNeedsRegularMileage)
{
    auto window = startMainWindow();
    choose(*window, "ХРУСТяшки");
    EXPECT_EQ(fake.prompts.messages.size(), 1);
    EXPECT_EQ(child<QLabel>(window.get(), "Label39")->text(), "Обычный");
}

TEST_F(ModesWindowTest, ModeListIsIgnoredWhileClosedLabelClickOpensIt)
{
    auto window = startMainWindow();
    auto *picker = child<QComboBox>(window.get(), "rejim_double");
    QTest::mouseClick(child(window.get(), "Label39"), Qt::LeftButton);
    EXPECT_TRUE(picker->isVisible());
    picker->hidePopup();
    EXPECT_FALSE(picker->isVisible());
}

} // namespace
