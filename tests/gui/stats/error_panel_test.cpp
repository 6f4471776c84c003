#include "app/MainWindow.h"

#include "app/SplashWindow.h"
#include "online/Login.h"
#include "progress/Points.h"
#include "stats/ErrorList.h"

#include "GuiFixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

using namespace tesmi;

namespace {

class ErrorPanelTest : public fakes::GuiTest {
protected:
    std::unique_ptr<MainWindow> start(const QString &login)
    {
        StoreLogin(*db, login);
        ErrorList list;
        for (int race = 0; race < 5; ++race)
            list.MergeMistypedWords({"кот"});
        list.MergeMistypedWords({"дом"});
        list.SaveErrorList(*db);
        auto window = startMainWindow();
        QTest::keyClick(window.get(), Qt::Key_E, Qt::AltModifier);
        return window;
    }

};

TEST_F(ErrorPanelTest, OnlyTheModeratorOpensIt)
{
    auto window = start("racer_1");
    const QWidget *panel = window->findChild<QWidget *>("Panel9");
    EXPECT_TRUE(panel == nullptr || !panel->isVisible());
}

TEST_F(ErrorPanelTest, ShowsWordsAndFrequentCountAndGivesPoints)
{
    auto window = start("Kwentorbal");
    ASSERT_TRUE(child(window.get(), "Panel9")->isVisible());
    auto *grid = child<QTableWidget>(window.get(), "errorgrid");
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(0, 1)->text(), "кот");
    EXPECT_EQ(grid->item(0, 2)->text(), "5");
    EXPECT_EQ(child<QLabel>(window.get(), "Label44")->text(), "1");
    auto *points = child<QLineEdit>(window.get(), "Edit2");
    points->setText("500");
    QTest::keyClick(points, Qt::Key_Return);
    EXPECT_EQ(CurrentPoints(*db), 500);
    EXPECT_FALSE(child(window.get(), "Panel9")->isVisible());
}

TEST_F(ErrorPanelTest, EditedWordsReachTheStoredList)
{
    auto window = start("Kwentorbal");
    auto *grid = child<QTableWidget>(window.get(), "errorgrid");
    grid->item(1, 1)->setText("дым");
    window->close();
    const ErrorList stored = ErrorList::LoadErrorList(*db);
    EXPECT_EQ(stored.entries().at(1).word, "дым");
}

} // namespace
