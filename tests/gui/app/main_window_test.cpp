#include "app/MainWindow.h"

#include "app/ClickableLabel.h"
#include "app/SplashWindow.h"
#include "app/Startup.h"
#include "app/Style.h"
#include "online/Login.h"
#include "storage/Settings.h"

#include "GuiFixture.h"

#include <QApplication>
#include <QDialog>
#include <QEnterEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace tesmi;

namespace {

class MainWindowTest : public fakes::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ApplyStyle(*qApp);
    }

    bool visible(const QWidget &window, const QString &name) { return child(&window, name)->isVisible(); }

};

TEST_F(MainWindowTest, FreshStartShowsRegularModeAtMinimumSizeAndAsksForLogin)
{
    auto window = startMainWindow();
    EXPECT_EQ(window->size(), QSize(1024, 650));
    EXPECT_EQ(window->pos(), QPoint(0, 0));
    EXPECT_EQ(window->windowTitle(), "TesmiTrainer");
    EXPECT_EQ(child<QLabel>(window.get(), "Label39")->text(), "Обычный");
    EXPECT_EQ(child<QLabel>(window.get(), "Username")->text(), "Войти");
    EXPECT_EQ(child<QLabel>(window.get(), "Rangname")->text(), "Новичок");
    for (const char *area : {"Panel1", "Panel4", "Panel3", "Panel7", "arrows", "StaticText1", "StaticText2"})
        EXPECT_TRUE(visible(*window, area)) << area;
    EXPECT_EQ(child<QLabel>(window.get(), "StaticText1")->text(),
              "Alt+R — заново  |  Ctrl+Right — следующий текст  |   Escape — сброс игры  |  F11 — "
              "полноэкранный режим");
    saveScreenshot(*window, "main_window");
}

TEST_F(MainWindowTest, FirstRunStepShowsMessageAndRepositoryOnlyOnFirstRun)
{
    ASSERT_TRUE(firstRun);
    auto window = startMainWindow();
    bool repositoryShown = false;
    QTimer::singleShot(0, [&] {
        auto *repository = window->findChild<QDialog *>("Form19");
        repositoryShown = repository && repository->isVisible();
        if (repository)
            repository->reject();
    });
    window->firstRunStep();
    EXPECT_EQ(fake.prompts.messages, QStringList{kFirstRunMessage});
    EXPECT_TRUE(repositoryShown);

    firstRun = EnsureSchema(*db);
    fake.prompts.messages.clear();
    auto second = startMainWindow();
    second->firstRunStep();
    EXPECT_TRUE(fake.prompts.messages.isEmpty());
}

TEST_F(MainWindowTest, CollapsingHidesSidePartsAndNarrowsWindow)
{
    SetSetting(*db, "width", "1400");
    SetSetting(*db, "height", "800");
    auto window = startMainWindow();
    auto *arrows = child<QToolButton>(window.get(), "arrows");
    arrows->click();
    EXPECT_EQ(window->width(), 1200);
    EXPECT_EQ(arrows->text(), "<");
    EXPECT_EQ(arrows->toolTip(), "Развернуть панель настроек");
    for (const char *hidden : {"Panel3", "Rangname", "Garaj", "Label45", "menu", "Username"})
        EXPECT_FALSE(visible(*window, hidden)) << hidden;
    EXPECT_EQ(arrows->geometry().right() + 1, window->width());
    saveScreenshot(*window, "main_window_collapsed");

    arrows->click();
    EXPECT_EQ(window->width(), 1400);
    EXPECT_EQ(arrows->text(), ">");
    EXPECT_TRUE(visible(*window, "Panel3"));
    EXPECT_EQ(window->minimumWidth(), 824);
}

TEST_F(MainWindowTest, CollapsedPanelSurvivesRestartWithTheSameWidth)
{
    SetSetting(*db, "width", "1300");
    {
        auto window = startMainWindow();
        window->toggleSettingsPanel();
        ASSERT_EQ(window->width(), 1100);
        window->close();
    }
    EXPECT_EQ(GetSetting(*db, "min"), "1");
    auto again = startMainWindow();
    EXPECT_TRUE(again->settingsCollapsed());
    EXPECT_EQ(again->width(), 1100);
}

TEST_F(MainWindowTest, ExitSavesGeometryAndLastMode)
{
    auto window = startMainWindow();
    window->move(40, 30);
    window->resize(1200, 700);
    window->close();
    EXPECT_EQ(GetSetting(*db, "left"), "40");
    EXPECT_EQ(GetSetting(*db, "top"), "30");
    EXPECT_EQ(GetSetting(*db, "width"), "1200");
    EXPECT_EQ(GetSetting(*db, "height"), "700");
    EXPECT_EQ(GetSetting(*db, "last"), "Обычный");
    EXPECT_EQ(GetSetting(*db, "carID"), "ЗАЗ_965");
    EXPECT_EQ(GetSetting(*db, "colorcar"), "4");
    EXPECT_EQ(GetSetting(*db, "min"), "0");
}

TEST_F(MainWindowTest, DonationLinkHiddenWhileRecentDonationCounts)
{
    db->Execute("CREATE TABLE _donate (id INTEGER PRIMARY KEY, date TEXT)");
    db->Execute("INSERT INTO _donate (date) VALUES (?)", {fake.clock.today().addDays(-30).toString("dd.MM.yyyy")});
    auto window = startMainWindow();
    EXPECT_FALSE(visible(*window, "StaticText2"));
}

struct LoginCase {
    const char *answer;
    const char *stored;
    bool refused;
};

class LoginClickTest : public MainWindowTest, public ::testing::WithParamInterface<LoginCase> {};

TEST_P(LoginClickTest, StoresOnlyValidLogin)
{
    const LoginCase &c = GetParam();
    auto window = startMainWindow();
    fake.prompts.textAnswers.push_back(QString::fromUtf8(c.answer));
    QTest::mouseClick(child(window.get(), "Username"), Qt::LeftButton);
    EXPECT_EQ(UserLogin(*db), QString::fromUtf8(c.stored));
    EXPECT_EQ(fake.prompts.messages, c.refused ? QStringList{kLoginRefused} : QStringList{});
    EXPECT_EQ(child<QLabel>(window.get(), "Username")->text(), c.refused ? "Войти" : QString::fromUtf8(c.stored));
}

INSTANTIATE_TEST_SUITE_P(Answers, LoginClickTest,
                         ::testing::Values(LoginCase{"racer_1", "racer_1", false}, LoginCase{"гонщик", "", true},
                                           LoginCase{"ab", "", true}, LoginCase{"x'); DROP TABLE _settings;--", "", true}),
                         [](const auto &info) {
                             return (info.param.refused ? "refused_" : "stored_") + std::to_string(info.index);
                         });

TEST_F(MainWindowTest, F1OpensAboutWhichEscapeCloses)
{
    auto window = startMainWindow();
    QString version;
    bool hasLogo = false;
    QTimer::singleShot(0, [&] {
        auto *about = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->objectName(), "Form11");
        version = about->findChild<QLabel *>("version")->text();
        hasLogo = !about->findChild<QLabel *>("logo")->pixmap().isNull();
        saveScreenshot(*about, "about");
        QTest::keyClick(about, Qt::Key_Escape);
    });
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(version, "TesmiTrainer 3.4.1.4");
    EXPECT_TRUE(hasLogo);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindowTest, SplashStepFillsItsBarAndNamesTheWork)
{
    SplashWindow shown;
    shown.showNow();
    shown.step(50, QStringLiteral("Расчет средних"));
    const QLabel *status = child<QLabel>(&shown, "Label2");
    EXPECT_EQ(status->text(), "Расчет средних");
    EXPECT_GE(status->width(), status->sizeHint().width()) << "the whole status is painted, not its first letter";
    // Amber segments fill the first half of the bar's inside and nothing after it.
    auto *loader = child<SegmentedBar>(&shown, "loader");
    const QImage bar = loader->grab().toImage();
    const int middle = bar.height() / 2;
    const int half = 2 + (bar.width() - 4) / 2;
    const QColor amber(0xf0, 0xa0, 0x30);
    int amberBefore = 0;
    int amberAfter = 0;
    for (int x = 0; x < bar.width(); ++x)
        (x < half ? amberBefore : amberAfter) += bar.pixelColor(x, middle) == amber;
    EXPECT_GT(amberBefore, (half - 2) * SegmentedBar::kSegment / (SegmentedBar::kSegment + SegmentedBar::kGap) - 2);
    EXPECT_EQ(amberAfter, 0);
    saveScreenshot(shown, QStringLiteral("splash"));
}

TEST(ClickableLabelTest, LinkTakesItsHoverColourWhileTheMouseIsOver)
{
    ClickableLabel link(QStringLiteral("Гараж"));
    link.setLinkColours(Qt::blue, Qt::red);
    const auto colour = [&] { return link.palette().color(QPalette::WindowText); };
    EXPECT_EQ(colour(), QColor(Qt::blue));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&link, &enter);
    EXPECT_EQ(colour(), QColor(Qt::red));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&link, &leave);
    EXPECT_EQ(colour(), QColor(Qt::blue));
}

} // namespace
