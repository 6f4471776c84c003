#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "app/Style.h"
#include "race/InputLine.h"
#include "race/RaceController.h"
#include "race/RaceTextView.h"
#include "race/TypingArea.h"
#include "storage/ModeName.h"
#include "storage/Schema.h"
#include "storage/Settings.h"

#include "RaceFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using namespace tesmi;

namespace {

using RaceWindowTest = fakes::RaceWindowFixture;
using fakes::kPlaceholderText;

TEST_F(RaceWindowTest, TypingTheWholeTextShowsTranscriptAndSpeed)
{
    start();
    EXPECT_TRUE(find("Image7")->isVisible());
    saveScreenshot(*window, "race_waiting");
    startRace();
    saveScreenshot(*find("Panel4"), "race_started");

    // 65 characters, the first at once, the other 64 in 12 800 ms: 304,6875 → 305.
    typeText(kPlaceholderText.left(1), 0);
    typeText(kPlaceholderText.mid(1, 28), 200);
    QTest::keyClick(find("label1"), Qt::Key_X);
    EXPECT_EQ(find<InputLine>("vvod_edit")->text(), "означающийx");
    saveScreenshot(*find("Panel4"), "race_error");
    QTest::keyClick(find("label1"), Qt::Key_Backspace);
    typeText(kPlaceholderText.mid(29), 200);

    EXPECT_FALSE(engine->state().RaceRunning);
    EXPECT_EQ(find<QLabel>("Label12")->text(), "305");
    EXPECT_TRUE(find("Label12")->isVisible());
    EXPECT_EQ(find<QLabel>("Label27")->text(), "1");
    EXPECT_EQ(find<InputLine>("vvod_edit")->text(), "Игра окончена");
    auto *transcript = find<QTextEdit>("RichEdit2");
    EXPECT_TRUE(transcript->isVisible());
    EXPECT_FALSE(find("RichEdit1")->isVisible());
    EXPECT_EQ(transcript->toPlainText(), kPlaceholderText.left(29) + "x" + kPlaceholderText.mid(29));
    saveScreenshot(*window, "race_finished");
}

TEST_F(RaceWindowTest, HighlightFollowsTheTypingCharacterByCharacter)
{
    start();
    startRace();
    auto *text = find<RaceTextView>("RichEdit1");
    EXPECT_EQ(text->styleAt(0), TextStyle::Highlight);
    typeText(QStringLiteral("Это"), 100);
    EXPECT_EQ(text->styleAt(2), TextStyle::Plain);
    EXPECT_EQ(text->styleAt(3), TextStyle::Highlight);
    typeText(QStringLiteral("ж"), 100);
    EXPECT_EQ(text->styleAt(3), TextStyle::ErrorHighlight);
    QTest::keyClick(find("label1"), Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(text->styleAt(0), TextStyle::Highlight);
    EXPECT_EQ(engine->state().TextPos, 1);
}

TEST_F(RaceWindowTest, TextShowsAtTwoSecondsTwoLinesHighUnderTheCover)
{
    start();
    auto *cover = find("Image7");
    auto *text = find<RaceTextView>("RichEdit1");
    QTest::keyClick(window.get(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_TRUE(cover->isVisible());
    EXPECT_TRUE(find("semafor1")->isVisible());
    EXPECT_EQ(find<QLabel>("Label26")->text(), "Старт через 3");
    saveScreenshot(*find("Panel4"), "race_countdown_3");
    engine->CountdownTick();
    EXPECT_FALSE(cover->isVisible());
    EXPECT_TRUE(text->isVisible());
    EXPECT_TRUE(find("semafor2")->isVisible());
    EXPECT_EQ(text->styleAt(0), TextStyle::Silver);
    EXPECT_EQ(cover->geometry(), text->geometry());
    EXPECT_EQ(text->font().pointSize(), 20);
    // The placeholder sentence takes two lines at this size: the view is two lines high.
    EXPECT_EQ(text->height(), 2 * text->lineHeight() + 2 * RaceTextView::kPadding);
    saveScreenshot(*find("Panel4"), "race_countdown_2");
}

TEST_F(RaceWindowTest, LongerTextsGrowTheViewUpToTenLinesThenScroll)
{
    const QString sentence = QStringLiteral("Съешь же ещё этих мягких французских булок, да выпей чаю. ");
    const QString table = QuoteIdentifier(EncodeModeName(kRegularMode));
    const int rows = db->Query("SELECT count(*) FROM " + table).value().toInt();
    db->Execute(QStringLiteral("INSERT INTO %1 (text) VALUES (?), (?)").arg(table),
                {sentence.repeated(4).trimmed(), sentence.repeated(20).trimmed()});
    start();
    auto *text = find<RaceTextView>("RichEdit1");
    const auto linesHigh = [&](int lines) { return lines * text->lineHeight() + 2 * RaceTextView::kPadding; };

    fake.random.scripted = {rows}; // the first added text
    startRace();
    const int lines = text->lineCount(text->width());
    ASSERT_GT(lines, 2);
    ASSERT_LT(lines, 10);
    EXPECT_EQ(text->height(), linesHigh(lines));
    EXPECT_EQ(find("Image7")->geometry(), text->geometry());
    saveScreenshot(*window, "race_long_text");

    fake.random.scripted = {rows + 1};
    startRace();
    EXPECT_EQ(text->height(), linesHigh(10));
    // Typing on past the tenth line keeps the highlight in sight.
    for (int i = 0; i < 700; ++i)
        engine->HandleCharKey(engine->state().RaceText[engine->state().TextPos - 1]);
    EXPECT_EQ(text->styleAt(700), TextStyle::Highlight);
    saveScreenshot(*window, "race_book_text");
}

TEST_F(RaceWindowTest, RaceKeysReachTheRaceWhateverHoldsTheFocus)
{
    start();
    startRace();
    typeText(QStringLiteral("Эт"), 100);
    // Tab is swallowed, Enter ignored.
    QTest::keyClick(find("label1"), Qt::Key_Tab);
    QTest::keyClick(find("label1"), Qt::Key_Return);
    EXPECT_EQ(engine->state().TextPos, 3);
    EXPECT_TRUE(find("label1")->hasFocus());
    // Escape resets from anywhere in the window.
    QTest::keyClick(find("StaticText1"), Qt::Key_Escape);
    EXPECT_FALSE(engine->active());
    EXPECT_EQ(find<QLabel>("Label26")->text(), "Ожидание старта...");
    // Alt+R restarts the same text after one tick.
    QTest::keyClick(window.get(), Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(engine->state().RepeatRun);
    engine->CountdownTick();
    EXPECT_TRUE(engine->state().RaceRunning);
    EXPECT_EQ(engine->state().RaceText, kPlaceholderText);
    // Ctrl+Right reaches the race whichever control the key was meant for.
    QTest::keyClick(find("Label39"), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_FALSE(engine->state().RaceRunning);
    EXPECT_TRUE(engine->active());
    EXPECT_FALSE(engine->state().RepeatRun);
}

TEST_F(RaceWindowTest, WindowTimersRunWithTheRace)
{
    start();
    auto *area = find<TypingArea>("Panel4");
    const auto running = [&](RaceTimer timer) { return area->timer(timer).isActive(); };
    EXPECT_EQ(area->timer(RaceTimer::Countdown).interval(), 1000);
    EXPECT_EQ(area->timer(RaceTimer::Limits).interval(), 900);
    EXPECT_EQ(area->timer(RaceTimer::Idle).interval(), 1000);
    EXPECT_EQ(area->timer(RaceTimer::Seconds).interval(), 1000);
    EXPECT_EQ(area->timer(RaceTimer::Seconds).timerType(), Qt::PreciseTimer);

    QTest::keyClick(window.get(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_TRUE(running(RaceTimer::Countdown));
    for (int tick = 0; tick < 3; ++tick)
        engine->CountdownTick();
    EXPECT_FALSE(running(RaceTimer::Countdown));
    EXPECT_TRUE(running(RaceTimer::Limits));
    EXPECT_TRUE(running(RaceTimer::Idle));
    EXPECT_TRUE(running(RaceTimer::Seconds));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    for (const RaceTimer timer : {RaceTimer::Countdown, RaceTimer::Limits, RaceTimer::Idle, RaceTimer::Seconds})
        EXPECT_FALSE(running(timer));
}

TEST_F(RaceWindowTest, F11TogglesFullScreen)
{
    start();
    QTest::keyClick(window.get(), Qt::Key_F11);
    EXPECT_TRUE(window->isFullScreen());
    QTest::keyClick(window.get(), Qt::Key_F11);
    EXPECT_FALSE(window->isFullScreen());
}

TEST_F(RaceWindowTest, ClickOnTheKeyHintsStartsTheNextText)
{
    start();
    QTest::mouseClick(find("StaticText1"), Qt::LeftButton);
    EXPECT_TRUE(engine->active());
    EXPECT_TRUE(find("semafor1")->isVisible());
}

TEST_F(RaceWindowTest, CapsLockWarningShowsOnTheNextKey)
{
    start();
    startRace();
    fake.desktop.capsLock = true;
    typeText(QStringLiteral("Э"), 100);
    EXPECT_TRUE(find("CapsAlert")->isVisible());
    EXPECT_EQ(find<QLabel>("CapsAlert")->text(), "Внимание! Включен CAPS LOCK!!!");
    saveScreenshot(*find("Panel4"), "race_caps");
}

TEST_F(RaceWindowTest, CopyMenuPutsTranscriptOrTextOnTheClipboard)
{
    start();
    startRace();
    typeText(QStringLiteral("Эту"), 100);
    QTest::keyClick(find("label1"), Qt::Key_Escape);
    engine->RestartText();
    engine->CountdownTick();
    typeText(QStringLiteral("Эту"), 100);
    engine->StopRace(QStringLiteral("Игра окончена"));
    QStringList actions;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), "PopupMenu1");
        for (QAction *action : menu->actions())
            actions << action->text();
        menu->actions().at(1)->trigger();
        menu->close();
    });
    auto *transcript = find<QTextEdit>("RichEdit2");
    emit transcript->customContextMenuRequested(QPoint(5, 5));
    EXPECT_EQ(actions, QStringList({"Копировать", "Копировать без ошибок"}));
    EXPECT_EQ(QApplication::clipboard()->text(), kPlaceholderText);
    EXPECT_EQ(transcript->toPlainText(), "Этуо" + kPlaceholderText.mid(3));
}

} // namespace
