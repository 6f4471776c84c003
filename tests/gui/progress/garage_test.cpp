#include "app/MainWindow.h"

#include "app/SplashWindow.h"
#include "app/Style.h"
#include "progress/Points.h"
#include "storage/Settings.h"

#include "GuiFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace tesmi;

namespace {

class GarageWindowTest : public fakes::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ApplyStyle(*qApp);
    }

    std::unique_ptr<MainWindow> openGarage(qint64 points)
    {
        AddPoints(*db, points);
        auto window = startMainWindow();
        window->resize(1300, 900);
        QTest::mouseClick(child(window.get(), "Garaj"), Qt::LeftButton);
        EXPECT_TRUE(child(window.get(), "Panel8")->isVisible());
        return window;
    }

    QList<bool> usableButtons(const MainWindow &window)
    {
        QList<bool> usable;
        for (int n = 1; n <= 66; ++n)
            usable << child(&window, QStringLiteral("take%1").arg(n))->property("usable").toBool();
        return usable;
    }

    void buy(const MainWindow &window, int card)
    {
        QTest::mouseClick(child(&window, QStringLiteral("take%1").arg(card)), Qt::LeftButton);
    }

    bool shows(const MainWindow &window, const QString &name, const QString &picture)
    {
        return child<QLabel>(&window, name)->pixmap().toImage() == cars.picture(picture).toImage();
    }

};

TEST_F(GarageWindowTest, TooFewPointsBuyNothing)
{
    auto window = openGarage(19999);
    EXPECT_EQ(usableButtons(*window).count(true), 0);
    buy(*window, 29);
    EXPECT_EQ(CurrentPoints(*db), 19999);
    EXPECT_TRUE(fake.prompts.messages.isEmpty());
}

TEST_F(GarageWindowTest, TwentyThousandBuyAndLeaveNothing)
{
    auto window = openGarage(20000);
    buy(*window, 29);
    EXPECT_EQ(CurrentPoints(*db), 0);
    EXPECT_EQ(usableButtons(*window).count(true), 0);
    EXPECT_TRUE(shows(*window, "mycar", "НЛО_Green"));
}

TEST_F(GarageWindowTest, FortyFiveThousandLeaveOnlyNewCarLocked)
{
    auto window = openGarage(45000);
    EXPECT_FALSE(usableButtons(*window)[0]) << "the car owned from the start";
    buy(*window, 62);
    EXPECT_EQ(CurrentPoints(*db), 25000);
    QList<bool> expected(66, true);
    expected[61] = false;
    EXPECT_EQ(usableButtons(*window), expected);
    saveScreenshot(*window, "garage");
    buy(*window, 62);
    EXPECT_EQ(fake.prompts.messages, QStringList{"Этот транспорт уже куплен"});
    EXPECT_EQ(CurrentPoints(*db), 25000);
}

TEST_F(GarageWindowTest, ColourIsFreeAndCarAndColourSurviveRestart)
{
    {
        auto window = openGarage(20000);
        buy(*window, 62);
        auto *colours = child<QComboBox>(window.get(), "ComboBox3");
        EXPECT_FALSE(colours->isEditable()) << "typed text has no picture";
        colours->setCurrentIndex(2);
        emit colours->activated(2);
        EXPECT_TRUE(shows(*window, "mycar", "Трамвай_Red"));
        EXPECT_EQ(CurrentPoints(*db), 0);
        window->close();
    }
    EXPECT_EQ(GetSetting(*db, "carID"), "Трамвай");
    EXPECT_EQ(GetSetting(*db, "colorcar"), "2");
    auto again = openGarage(0);
    EXPECT_EQ(child<QComboBox>(again.get(), "ComboBox3")->currentIndex(), 2);
    EXPECT_TRUE(shows(*again, "mycar", "Трамвай_Red"));
}

TEST_F(GarageWindowTest, HolidayVehicleReplacesTheCar)
{
    fake.clock.current = QDateTime(QDate(2027, 12, 31), QTime(10, 0));
    auto window = openGarage(0);
    EXPECT_TRUE(shows(*window, "mycar", "NY"));
}

TEST_F(GarageWindowTest, WheelScrollsFortyPixelsWithinBounds)
{
    auto window = openGarage(0);
    auto *garage = child<QAbstractScrollArea>(window.get(), "Panel8");
    QWheelEvent down(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(window.get(), &down);
    EXPECT_EQ(garage->verticalScrollBar()->value(), 40);
    for (int i = 0; i < 200; ++i)
        QApplication::sendEvent(window.get(), &down);
    EXPECT_EQ(garage->verticalScrollBar()->value(), garage->verticalScrollBar()->maximum());
}

} // namespace
