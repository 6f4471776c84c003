#include "app/MainWindow.h"

#include "app/SplashWindow.h"
#include "app/Style.h"
#include "progress/Points.h"
#include "stats/RaceChart.h"
#include "stats/StatisticsWindow.h"

#include "GuiFixture.h"
#include "ModeFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace tesmi;

namespace {

class StatisticsWindowTest : public fakes::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ApplyStyle(*qApp);
    }

    void addResult(const QString &speed, const QString &errorr, const QString &date)
    {
        db->Execute("INSERT INTO _AAAPaaabaabeaaazaaaoaabeaaak (time, speed, errorr, date, error) VALUES ('60', ?, ?, ?, '1')",
                    {speed, errorr, date});
    }

    // Opens the statistics with F6 and runs `inside` while the window is shown.
    void withStatistics(MainWindow &window, const std::function<void(QDialog &)> &inside)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto *statistics = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(statistics, nullptr);
            inside(*statistics);
            ran = true;
            statistics->reject();
        });
        QTest::keyClick(&window, Qt::Key_F6);
        EXPECT_TRUE(ran);
    }

};

TEST_F(StatisticsWindowTest, ShowsFiguresAndBothRacesOnEachChart)
{
    addResult("100", "1,000", "27.11.2011 15:16:21");
    addResult("200", "3,000", "28.11.2011 9:05:03");
    auto window = startMainWindow();
    withStatistics(*window, [&](QDialog &statistics) {
        EXPECT_EQ(statistics.objectName(), "Form9");
        EXPECT_EQ(statistics.windowTitle(), "Статистика");
        EXPECT_EQ(child<QComboBox>(&statistics, "ComboBox1")->currentText(), "Обычный");
        EXPECT_EQ(child<QComboBox>(&statistics, "ComboBox2")->currentText(), "Обычный (2)");
        EXPECT_EQ(child<QLabel>(&statistics, "Label6")->text(), "130 зн/мин ");
        EXPECT_EQ(child<QLabel>(&statistics, "Label7")->text(), "2 текста");
        EXPECT_EQ(child<QLabel>(&statistics, "Label10")->text(), "1,60%");
        EXPECT_EQ(child<QLabel>(&statistics, "Label11")->text(), "2 текста");
        for (const char *name : {"cht1", "Chart1"}) {
            auto *chart = child<RaceChart>(&statistics, name);
            EXPECT_EQ(chart->raceLine().points.size(), 2) << name;
            EXPECT_EQ(chart->averageLine().points.size(), 2) << name;
            EXPECT_EQ(chart->raceLine().colour, QColor(90, 90, 90));
            EXPECT_EQ(chart->averageLine().colour, QColor(224, 118, 14));
        }
        EXPECT_EQ(child<RaceChart>(&statistics, "cht1")->raceLine().name, "lnsrsSeries1");
        EXPECT_EQ(child<RaceChart>(&statistics, "Chart1")->averageLine().name, "LineSeries2");
        EXPECT_DOUBLE_EQ(child<RaceChart>(&statistics, "Chart1")->averageLine().points.at(1).y(), 1.6);
        EXPECT_DOUBLE_EQ(child<RaceChart>(&statistics, "cht1")->topValue(), 300) << "200 and a tenth more, up to a whole step";
        EXPECT_EQ(child(&statistics, "cht1")->toolTip(), "Сдвигается правой кнопкой мыши");
    });
}

TEST_F(StatisticsWindowTest, ExportWritesTheChosenFile)
{
    addResult("356", "0,412", "27.11.2011 15:16:21");
    const QString path = dir.filePath("export.csv");
    fake.prompts.saveFileAnswers.push_back(path);
    auto window = startMainWindow();
    withStatistics(*window, [&](QDialog &statistics) { child<QPushButton>(&statistics, "SpeedButton1")->click(); });
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().endsWith("\r\n1;27.11.2011 15:16:21;60;356;1;0,412\r\n"));
    EXPECT_EQ(fake.prompts.messages, QStringList{"Статистика сохранена и находится по адресу:\r\n" + path});
}

TEST_F(StatisticsWindowTest, DeletingUpdatesListsAndSummary)
{
    addResult("300", "1,000", "27.11.2011 15:16:21");
    addResult("200", "1,000", "28.11.2011 10:00:00");
    AddPoints(*db, 10000);
    auto window = startMainWindow();
    withStatistics(*window, [&](QDialog &statistics) {
        child<QLineEdit>(&statistics, "Edit1")->setText("27.11.2011 15:16:21");
        child<QPushButton>(&statistics, "SpeedButton2")->click();
        EXPECT_EQ(child<QComboBox>(&statistics, "ComboBox2")->currentText(), "Обычный (1)");
        EXPECT_EQ(child<QLabel>(&statistics, "Label8")->text(), "200 зн/мин ");
        EXPECT_TRUE(child<QLineEdit>(&statistics, "Edit1")->text().isEmpty());
    });
    EXPECT_EQ(CurrentPoints(*db), 0);
    EXPECT_EQ(child<QLabel>(window.get(), "Label21")->text(), "1 текст");
}

TEST_F(StatisticsWindowTest, TwentyThousandRacesOpenOnTheLatestAndScrollBack)
{
    fakes::addResults(*db, "Обычный", 20000);
    auto window = startMainWindow();
    withStatistics(*window, [&](QDialog &statistics) {
        auto *speeds = statistics.findChild<RaceChart *>("cht1");
        EXPECT_EQ(speeds->raceLine().points.size(), 20000);
        EXPECT_DOUBLE_EQ(speeds->lastShown(), 19999);
        EXPECT_DOUBLE_EQ(speeds->firstShown(), 19999 - RaceChart::kVisibleRaces);
        EXPECT_LE(speeds->labelledRaces().size(), 12) << "only the visible dates are labelled";
        speeds->scrollRaces(-1000);
        EXPECT_DOUBLE_EQ(speeds->lastShown(), 18999);
        speeds->scrollRaces(-100000);
        EXPECT_DOUBLE_EQ(speeds->firstShown(), 0);
        statistics.resize(900, 700);
        saveScreenshot(statistics, "statistics");
    });
}

} // namespace
