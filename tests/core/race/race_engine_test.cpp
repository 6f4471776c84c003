#include "race/RaceEngine.h"

#include "FakePlatform.h"
#include "RaceFakes.h"

#include <gtest/gtest.h>

using namespace tesmi;

namespace {

using fakes::RecordingView;

RaceMode regularMode()
{
    RaceMode mode;
    mode.name = QStringLiteral("Обычный");
    mode.ModeType = QStringLiteral("text");
    mode.ModeSubtype = QStringLiteral("text");
    mode.lighting = QStringLiteral("символ");
    mode.fontFamily = QStringLiteral("Tahoma");
    mode.textSize = 10;
    mode.Speedometr = true;
    return mode;
}

class RaceEngineTest : public ::testing::Test {
protected:
    RaceEngineTest() { host.mode = regularMode(); }

    // Draws the text and counts down to the start signal.
    void start(const QString &text, const QString &kind = "text")
    {
        host.setText(text, kind);
        engine.NextText(false);
        countDown();
    }
    void countDown()
    {
        while (view.timer(RaceTimer::Countdown))
            engine.CountdownTick();
    }
    void type(const QString &keys, int msBefore = 0)
    {
        for (const QChar key : keys) {
            fake.clock.advanceMs(msBefore);
            engine.HandleCharKey(key);
        }
    }
    void backspace(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            engine.HandleCharKey(kBackspaceKey);
    }
    const RaceState &s() const { return engine.state(); }
    std::vector<TranscriptStyle> transcriptStyles() const
    {
        std::vector<TranscriptStyle> styles;
        for (int i = 0; i < view.transcript.size(); ++i)
            styles.push_back(view.transcript.style(i));
        return styles;
    }

    fakes::FakePlatform fake;
    Platform platform = fake.platform();
    RecordingView view;
    fakes::FakeRaceHost host;
    RaceEngine engine{view, host, platform};
};

// ---- lifecycle ----

TEST_F(RaceEngineTest, CountdownShowsTheSilverTextAtTwoAndStartsAtZero)
{
    host.setText(QStringLiteral("мама мыла раму"));
    engine.NextText(false);
    EXPECT_EQ(view.area, TextArea::Cover);
    EXPECT_EQ(view.light, 1);
    EXPECT_EQ(view.indicators[Indicator::Status], "Старт через 3");
    EXPECT_EQ(view.input, kInputPlaceholder);
    EXPECT_EQ(view.inputLook, InputLook::Message);
    EXPECT_TRUE(view.timer(RaceTimer::Countdown));
    EXPECT_TRUE(engine.active());

    engine.CountdownTick();
    EXPECT_EQ(view.indicators[Indicator::Status], "Старт через 2");
    EXPECT_EQ(view.area, TextArea::Text);
    EXPECT_EQ(view.light, 2);
    EXPECT_EQ(view.styled(TextStyle::Silver).size(), 14u);
    EXPECT_EQ(view.fontPoints, 20);

    // A key during the countdown does nothing.
    type(QStringLiteral("м"));
    EXPECT_EQ(s().InputPos, 1);

    engine.CountdownTick();
    EXPECT_EQ(view.indicators[Indicator::Status], "Старт через 1");
    EXPECT_EQ(view.area, TextArea::Text);
    EXPECT_EQ(view.light, 2);
    EXPECT_FALSE(s().RaceRunning);

    engine.CountdownTick();
    EXPECT_TRUE(s().RaceRunning);
    EXPECT_EQ(view.light, 3);
    EXPECT_EQ(view.indicators[Indicator::Status], "00:00");
    EXPECT_EQ(view.indicators[Indicator::Speed], "0");
    EXPECT_EQ(view.indicators[Indicator::Errors], "0");
    EXPECT_EQ(view.input, "");
    EXPECT_EQ(view.inputLook, InputLook::Normal);
    EXPECT_EQ(view.styled(TextStyle::Highlight), std::vector<int>{0});
    EXPECT_EQ(view.styled(TextStyle::Plain).size(), 13u);
    EXPECT_FALSE(view.timer(RaceTimer::Countdown));
    EXPECT_TRUE(view.timer(RaceTimer::Limits));
    EXPECT_TRUE(view.timer(RaceTimer::Idle));
    EXPECT_TRUE(view.timer(RaceTimer::Seconds));
    EXPECT_TRUE(host.locked);
    EXPECT_TRUE(s().AwaitingFirstKey);
}

TEST_F(RaceEngineTest, EscapeReturnsToWaitingFromCountdownAndRace)
{
    host.setText(QStringLiteral("мама"));
    engine.NextText(false);
    engine.CountdownTick();
    engine.HandleCharKey(kEscapeKey);
    EXPECT_EQ(view.indicators[Indicator::Status], kWaitingStatus);
    EXPECT_EQ(view.area, TextArea::Cover);
    EXPECT_EQ(view.light, 0);
    EXPECT_FALSE(engine.active());
    for (std::size_t t = 0; t < kRaceTimerCount; ++t)
        EXPECT_FALSE(view.timers[t]);

    countDown();
    EXPECT_FALSE(s().RaceRunning);
    start(QStringLiteral("мама"));
    type(QStringLiteral("мx"));
    engine.HandleCharKey(kEscapeKey);
    EXPECT_FALSE(s().RaceRunning);
    EXPECT_EQ(s().ErrorCount, 0);
    EXPECT_EQ(s().TextPos, 1);
    EXPECT_EQ(view.input, kInputPlaceholder);
}

TEST_F(RaceEngineTest, SwitchingAwayStopsCountdownAndRaceButNotAMarathon)
{
    host.setText(QStringLiteral("мама мыла"));
    engine.NextText(false);
    fake.desktop.active = false;
    engine.CountdownTick();
    EXPECT_FALSE(engine.active());
    EXPECT_EQ(view.input, kSwitchedAwayMessage);
    EXPECT_EQ(view.area, TextArea::Transcript);
    EXPECT_EQ(view.transcript.text(), "мама мыла");

    fake.desktop.active = true;
    start(QStringLiteral("мама мыла"));
    fake.desktop.active = false;
    engine.IdleTick();
    EXPECT_FALSE(s().RaceRunning);
    EXPECT_EQ(view.input, kSwitchedAwayMessage);

    host.mode.ModeType = "marathon";
    fake.desktop.active = true;
    start(QStringLiteral("мама мыла"), "marathon");
    fake.desktop.active = false;
    engine.IdleTick();
    EXPECT_TRUE(s().RaceRunning);
}

TEST_F(RaceEngineTest, CtrlRightActsOnlyWhileTheWindowIsActive)
{
    host.setText(QStringLiteral("мама"));
    fake.desktop.active = false;
    engine.NextText(true);
    EXPECT_EQ(host.textsMade, 0);
    fake.desktop.active = true;
    engine.NextText(true);
    EXPECT_EQ(host.textsMade, 1);
    EXPECT_TRUE(engine.active());
}

TEST_F(RaceEngineTest, ModeratorSkipsTextsWithQuotesOnCtrlRightOnly)
{
    host.mode.moderator = true;
    RaceTextResult quoted;
    quoted.RaceText = QStringLiteral("Он сказал «да».");
    RaceTextResult plain;
    plain.RaceText = QStringLiteral("Он сказал да.");
    host.texts = {quoted, quoted, plain};
    engine.NextText(true);
    EXPECT_EQ(s().RaceText, plain.RaceText);

    host.texts = {quoted, plain};
    engine.NextText(false);
    EXPECT_EQ(s().RaceText, quoted.RaceText);

    // Only quoted texts: the draw gives up instead of hanging.
    host.texts = {quoted};
    engine.NextText(true);
    EXPECT_EQ(s().RaceText, quoted.RaceText);
}

TEST_F(RaceEngineTest, IdleTicksEndARaceAfterTheSixthExceptInTrainingAndMarathons)
{
    start(QStringLiteral("мама мыла"));
    for (int i = 0; i < 5; ++i)
        engine.IdleTick();
    type(QStringLiteral("м")); // a key starts the count again
    for (int i = 0; i < 5; ++i)
        engine.IdleTick();
    EXPECT_TRUE(s().RaceRunning);
    engine.IdleTick();
    EXPECT_FALSE(s().RaceRunning);
    EXPECT_EQ(view.input, kGameOverMessage);

    for (const auto &[name, type] : {std::pair{"Обучение", "trainer"}, std::pair{"Марафон", "marathon"}}) {
        host.mode.name = name;
        host.mode.ModeType = type;
        start(QStringLiteral("мама мыла"), type);
        for (int i = 0; i < 10; ++i)
            engine.IdleTick();
        EXPECT_TRUE(s().RaceRunning) << name;
    }
}

TEST_F(RaceEngineTest, AltRInABookDoesNothing)
{
    host.mode.ModeType = "book";
    start(QStringLiteral("мама мыла"), "book");
    type(QStringLiteral("мам"));
    engine.RestartText();
    EXPECT_TRUE(s().RaceRunning);
    EXPECT_FALSE(s().RepeatRun);
    EXPECT_EQ(s().TextPos, 4);
}

TEST_F(RaceEngineTest, AltRRestartsTheSameTextAfterOneTickUnrecorded)
{
    host.mode.limit = true;
    host.mode.limitkol = 0;
    start(QStringLiteral("мама"));
    type(QStringLiteral("ма"));
    engine.HandleCharKey(kEscapeKey); // the text view is emptied
    engine.RestartText();
    EXPECT_TRUE(s().RepeatRun);
    EXPECT_EQ(view.text, "мама");
    EXPECT_EQ(view.area, TextArea::Text);
    EXPECT_EQ(view.light, 2);
    EXPECT_EQ(view.indicators[Indicator::Status], "Старт через 1");
    EXPECT_FALSE(view.timer(RaceTimer::Idle));
    engine.CountdownTick();
    EXPECT_TRUE(s().RaceRunning);
    EXPECT_EQ(host.textsMade, 1);

    // The error limit does not apply to a repeat.
    type(QStringLiteral("мxa"));
    EXPECT_TRUE(s().RaceRunning);
    backspace(2);
    type(QStringLiteral("ама"));
    ASSERT_EQ(host.outcomes.size(), 1u);
    EXPECT_TRUE(host.outcomes[0].RepeatRun);
    EXPECT_FALSE(host.outcomes[0].counted());
}

struct FixTextCase {
    const char *mode;
    const char *type;
    bool moderator;
    bool visible;
};

void PrintTo(const FixTextCase &c, std::ostream *out)
{
    *out << c.mode << (c.moderator ? " as moderator" : "");
}

class FixTextButtonTest : public RaceEngineTest, public ::testing::WithParamInterface<FixTextCase> {};

TEST_P(FixTextButtonTest, ShowsForTheUsersOwnTextsAndForTheModerator)
{
    const FixTextCase &c = GetParam();
    host.mode.name = QString::fromUtf8(c.mode);
    host.mode.ModeType = QString::fromUtf8(c.type);
    host.mode.moderator = c.moderator;
    start(QStringLiteral("мама"), host.mode.ModeType);
    EXPECT_EQ(host.fixTextButton, c.visible);
    engine.NextText(false);
    EXPECT_FALSE(host.fixTextButton);
}

INSTANTIATE_TEST_SUITE_P(Modes, FixTextButtonTest,
                         ::testing::Values(FixTextCase{"Мои тексты", "text", false, true},
                                           FixTextCase{"Моя книга", "book", false, true},
                                           FixTextCase{"Мой марафон", "marathon", false, true},
                                           FixTextCase{"Мои фразы", "slova", false, false},
                                           FixTextCase{"Обычный", "text", false, false},
                                           FixTextCase{"Короткие_тексты", "text", false, false},
                                           FixTextCase{"Мини_марафон", "marathon", false, false},
                                           FixTextCase{"Обычный", "text", true, true},
                                           FixTextCase{"Цифры", "digits", true, true}));

// ---- keys ----

TEST_F(RaceEngineTest, ThreeWrongKeysCountOneErrorAndNeedThreeBackspaces)
{
    start(QStringLiteral("мама мыла"));
    type(QStringLiteral("мxyz"));
    EXPECT_EQ(s().ErrorCount, 1);
    EXPECT_TRUE(s().InError);
    EXPECT_EQ(s().WrongRun, 3);
    EXPECT_EQ(s().TextPos, 2);
    EXPECT_EQ(s().InputPos, 5);
    EXPECT_EQ(view.input, "мxyz");
    EXPECT_EQ(view.inputLook, InputLook::Error);
    EXPECT_EQ(view.styleAt(1), TextStyle::ErrorHighlight);
    EXPECT_EQ(view.indicators[Indicator::Errors], "1");

    backspace(2);
    EXPECT_TRUE(s().InError);
    EXPECT_EQ(view.styleAt(1), TextStyle::ErrorHighlight);
    backspace();
    EXPECT_FALSE(s().InError);
    EXPECT_EQ(view.input, "м");
    EXPECT_EQ(view.inputLook, InputLook::Normal);
    EXPECT_EQ(view.styleAt(1), TextStyle::Highlight);

    // A right key typed into a wrong run is wrong too and must go as well.
    type(QStringLiteral("xа"));
    EXPECT_EQ(s().ErrorCount, 2);
    EXPECT_EQ(s().TextPos, 2);
    backspace();
    EXPECT_TRUE(s().InError);
    backspace();
    EXPECT_FALSE(s().InError);
    type(QStringLiteral("ама мыла"));
    ASSERT_EQ(host.outcomes.size(), 1u);
    EXPECT_EQ(host.outcomes[0].ErrorCount, 2);
}

struct LimitCase {
    int limit;
    int errorsToLeave;
};

void PrintTo(const LimitCase &c, std::ostream *out)
{
    *out << "limit " << c.limit;
}

class ErrorLimitTest : public RaceEngineTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(ErrorLimitTest, TheErrorAfterTheLimitLeavesTheTrack)
{
    host.mode.limit = true;
    host.mode.limitkol = GetParam().limit;
    host.mode.doezd = true;
    start(QStringLiteral("абвгдежзик"));
    view.setTrackMaximum(10);
    for (int error = 1; error < GetParam().errorsToLeave; ++error) {
        type(QStringLiteral("x"));
        backspace();
        type(s().RaceText.mid(s().TextPos - 1, 1));
    }
    EXPECT_TRUE(s().RaceRunning);
    EXPECT_EQ(host.unfinishedStarts, 0);
    type(QStringLiteral("x"));
    EXPECT_FALSE(s().RaceRunning);
    EXPECT_EQ(view.input, kOffTrackMessage);
    EXPECT_EQ(view.area, TextArea::Transcript);
    EXPECT_EQ(view.trackPos, 10);
    EXPECT_EQ(host.unfinishedStarts, 1);
    EXPECT_TRUE(host.outcomes.empty());
}

INSTANTIATE_TEST_SUITE_P(Limits, ErrorLimitTest, ::testing::Values(LimitCase{0, 1}, LimitCase{3, 4}));

struct EquivalenceCase {
    const char *mode;
    const char *type;
    const char *text;
    const char *typed;
    int errors;
};

void PrintTo(const EquivalenceCase &c, std::ostream *out)
{
    *out << c.mode << ": " << c.typed << " for " << c.text;
}

class EquivalenceTest : public RaceEngineTest, public ::testing::WithParamInterface<EquivalenceCase> {};

TEST_P(EquivalenceTest, AcceptedVariantsAdvanceTheRace)
{
    const EquivalenceCase &c = GetParam();
    host.mode.name = QString::fromUtf8(c.mode);
    host.mode.ModeType = QString::fromUtf8(c.type);
    start(QString::fromUtf8(c.text), host.mode.ModeType);
    type(QString::fromUtf8(c.typed));
    EXPECT_EQ(s().ErrorCount, c.errors);
    // The texts run one character longer than what is typed, so no race finishes.
    EXPECT_EQ(s().TextPos, c.errors == 0 ? 1 + int(QString::fromUtf8(c.typed).size()) : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EquivalenceTest,
    ::testing::Values(EquivalenceCase{"Обычный", "text", "«ёлка» — ёж!", "\"елка\" - еж", 0},
                      EquivalenceCase{"Обычный", "text", "\"елка", "«", 1},
                      EquivalenceCase{"Обычный", "text", "Ёж", "е", 1},
                      EquivalenceCase{"Цифры", "digits", "1,5 2.", "1.5 2", 0},
                      EquivalenceCase{"Обычный", "text", "1,5", ".", 1},
                      EquivalenceCase{"Марафон", "marathon", "а\u00A0бв", "а б", 0},
                      EquivalenceCase{"Обычный", "text", "а\u00A0б", " ", 1},
                      EquivalenceCase{"Цифры", "marathon", "1,5", ".", 1}));

TEST_F(RaceEngineTest, InputLineShowsTheKeyAsTyped)
{
    start(QStringLiteral("«ёлка»"));
    type(QStringLiteral("\"ел"));
    EXPECT_EQ(view.input, "\"ел");
}

TEST_F(RaceEngineTest, CtrlLettersAreIgnoredAltGrCharactersAccepted)
{
    start(QStringLiteral("@x"));
    engine.HandleCharKey(QChar('@'), {true, false});
    EXPECT_EQ(s().InputPos, 1);
    EXPECT_TRUE(s().AwaitingFirstKey);
    engine.HandleCharKey(QChar('@'), {true, true});
    EXPECT_EQ(s().TextPos, 2);
    engine.HandleCharKey(kEnterKey);
    EXPECT_EQ(s().InputPos, 2);
}

TEST_F(RaceEngineTest, KeysPastTheEndOfTheTextAreIgnored)
{
    start(QStringLiteral("аб"));
    type(QStringLiteral("аxyz"));
    EXPECT_EQ(s().InputPos, 3);
    EXPECT_EQ(view.input, "аx");
}

TEST_F(RaceEngineTest, BackspaceAfterAnAcceptedSpaceDoesNothing)
{
    start(QStringLiteral("мама мыла"));
    type(QStringLiteral("мама "));
    backspace();
    EXPECT_EQ(s().TextPos, 6);
    EXPECT_EQ(s().InputPos, 6);
    EXPECT_EQ(view.input, "");
    EXPECT_EQ(view.styleAt(5), TextStyle::Highlight);

    type(QStringLiteral("мы"));
    backspace();
    EXPECT_EQ(s().TextPos, 7);
    EXPECT_EQ(view.input, "м");
    EXPECT_EQ(view.styleAt(6), TextStyle::Highlight);
    EXPECT_EQ(view.styleAt(7), TextStyle::Plain);
}

TEST_F(RaceEngineTest, CtrlBackspaceReturnsToTheWordStartWithTheErrorStillCounted)
{
    start(QStringLiteral("мама мыла раму"));
    type(QStringLiteral("мама мыxy"));
    engine.EraseWord();
    EXPECT_EQ(s().TextPos, 6);
    EXPECT_EQ(s().InputPos, 6);
    EXPECT_FALSE(s().InError);
    EXPECT_EQ(s().WrongRun, 0);
    EXPECT_EQ(s().ErrorCount, 1);
    EXPECT_EQ(view.input, "");
    EXPECT_EQ(view.inputLook, InputLook::Normal);
    EXPECT_EQ(view.styled(TextStyle::Highlight), std::vector<int>{5});
    EXPECT_TRUE(view.styled(TextStyle::ErrorHighlight).empty());

    type(QStringLiteral("мыла раму"));
    ASSERT_EQ(host.outcomes.size(), 1u);
    EXPECT_EQ(host.outcomes[0].ErrorCount, 1);
    // The erased keys stay in the transcript, struck out.
    EXPECT_EQ(view.transcript.text(), "мама мыxyмыла раму");
    using T = TranscriptStyle;
    const std::vector<T> expected{T::Correct, T::Correct, T::Correct, T::Correct, T::Correct, T::Erased,
                                  T::Erased,  T::Wrong,   T::Wrong,   T::Correct, T::Correct, T::Correct,
                                  T::Correct, T::Correct, T::Correct, T::Correct, T::Correct, T::Correct};
    EXPECT_EQ(transcriptStyles(), expected);
}

TEST_F(RaceEngineTest, TheMistypedWordIsTheTextsWord)
{
    start(QStringLiteral("мама мыла\u00A0раму"));
    type(QStringLiteral("мама мт"));
    backspace();
    type(QStringLiteral("ыла"));
    engine.HandleCharKey(QChar(' '));
    backspace();
    type(QStringLiteral("\u00A0р"));
    type(QStringLiteral("у"));
    EXPECT_EQ(s().MistypedWords, QStringList({"мыла", "мыла", "раму"}));
}

TEST_F(RaceEngineTest, WordHighlightCoversTheWordUntilItsSpace)
{
    host.mode.lighting = QStringLiteral("слово");
    start(QStringLiteral("мама мыла"));
    EXPECT_EQ(view.styled(TextStyle::Highlight), (std::vector<int>{0, 1, 2, 3, 4}));
    type(QStringLiteral("мама"));
    EXPECT_EQ(view.styled(TextStyle::Highlight), (std::vector<int>{0, 1, 2, 3, 4}));
    type(QStringLiteral(" "));
    EXPECT_EQ(view.styled(TextStyle::Highlight), (std::vector<int>{5, 6, 7, 8}));
    type(QStringLiteral("x"));
    EXPECT_EQ(view.styled(TextStyle::ErrorHighlight), (std::vector<int>{5, 6, 7, 8}));
    backspace();
    EXPECT_EQ(view.styled(TextStyle::Highlight), (std::vector<int>{5, 6, 7, 8}));
}

TEST_F(RaceEngineTest, NoHighlightModePaintsNothingButTheText)
{
    host.mode.lighting = QStringLiteral("нет");
    start(QStringLiteral("мама"));
    type(QStringLiteral("мx"));
    EXPECT_EQ(view.styled(TextStyle::Plain).size(), 4u);
}

TEST_F(RaceEngineTest, AutoReplaceWordsAreGreenExceptInMemorisation)
{
    host.autoReplace = {QStringLiteral("тчк")};
    start(QStringLiteral("раз (тчк) два"));
    EXPECT_EQ(view.styled(TextStyle::AutoReplace), (std::vector<int>{4, 5, 6, 7, 8}));

    host.mode.ModeType = "book";
    host.mode.ModeSubtype = "zubr";
    start(QStringLiteral("раз (тчк) два"), "book");
    EXPECT_TRUE(view.styled(TextStyle::AutoReplace).empty());
}

TEST_F(RaceEngineTest, MemorisationShowsHiddenWordsButChecksTheWholeText)
{
    RaceTextResult text;
    text.RaceText = QStringLiteral("Мама мыла раму.");
    text.shownText = QStringLiteral("Мама **** раму.");
    text.TextKind = "book";
    host.texts = {text};
    engine.NextText(false);
    countDown();
    EXPECT_EQ(view.text, "Мама **** раму.");
    type(QStringLiteral("Мама мыла"));
    EXPECT_EQ(s().ErrorCount, 0);
}

TEST_F(RaceEngineTest, EachKeyRestylesOnlyTheCharactersItAffects)
{
    start(QString(QStringLiteral("мама мыла раму ")).repeated(1000));
    view.styledChars = 0;
    type(QStringLiteral("м"));
    EXPECT_EQ(view.styledChars, 2);
    view.styledChars = 0;
    type(QStringLiteral("x"));
    backspace();
    EXPECT_EQ(view.styledChars, 2);

    host.mode.lighting = QStringLiteral("слово");
    start(QString(QStringLiteral("мама мыла раму ")).repeated(1000));
    view.styledChars = 0;
    type(QStringLiteral("мама "));
    EXPECT_EQ(view.styledChars, 10);
}

// ---- clock and indicators ----

TEST_F(RaceEngineTest, SpeedometerRefreshesAfterThe3rd7thAnd11thCharacter)
{
    start(QStringLiteral("абвгдежзийклмнопр"));
    std::vector<int> refreshed;
    for (int i = 1; i <= 12; ++i) {
        view.indicators[Indicator::Speed] = "-";
        type(s().RaceText.mid(s().TextPos - 1, 1), 100);
        if (view.indicators[Indicator::Speed] != "-")
            refreshed.push_back(i);
    }
    EXPECT_EQ(refreshed, (std::vector<int>{3, 7, 11}));
}

TEST_F(RaceEngineTest, LiveSpeedCountsTypedCharactersOverElapsedTime)
{
    start(QStringLiteral("абвгдежзийклмнопр"));
    type(QStringLiteral("абв"), 500); // first key 500 ms after the start: timed from it
    EXPECT_EQ(view.indicators[Indicator::Speed], "180"); // 3 in 1000 ms
}

struct FirstKeyCase {
    int firstKeyMs;
    qint64 elapsedMs;
    QString speed;
};

void PrintTo(const FirstKeyCase &c, std::ostream *out)
{
    *out << "first key at " << c.firstKeyMs << " ms";
}

class FirstKeyTest : public RaceEngineTest, public ::testing::WithParamInterface<FirstKeyCase> {};

TEST_P(FirstKeyTest, ARaceIsTimedFromTheFirstKeyOnlyWithinASecond)
{
    const QString text = QString(QStringLiteral("абвг ")).repeated(20);
    start(text);
    fake.clock.advanceMs(GetParam().firstKeyMs);
    type(text.left(1));
    // 99 more keys in exactly 20 000 ms.
    for (int i = 1; i < 100; ++i)
        type(text.mid(i, 1), i % 99 == 0 ? 20'000 - 98 * 202 : 202);
    ASSERT_EQ(host.outcomes.size(), 1u);
    EXPECT_EQ(host.outcomes[0].elapsedMs, GetParam().elapsedMs);
    EXPECT_EQ(host.outcomes[0].sinceStartMs, GetParam().firstKeyMs + 20'000);
    EXPECT_EQ(view.indicators[Indicator::Speed], GetParam().speed);
    EXPECT_EQ(host.outcomes[0].reason, RaceOutcome::Reason::TextComplete);
}

INSTANTIATE_TEST_SUITE_P(Stamps, FirstKeyTest,
                         ::testing::Values(FirstKeyCase{999, 20'000, "300"}, FirstKeyCase{1000, 21'000, "286"}));

TEST_F(RaceEngineTest, FinishedRaceStopsShowsTheSpeedAndHandsOverTheOutcome)
{
    host.mode.Sekundomer = false;
    start(QStringLiteral("мама мыла"));
    type(QStringLiteral("мама мыx"), 100);
    backspace();
    type(QStringLiteral("ла"), 100);
    EXPECT_FALSE(s().RaceRunning);
    EXPECT_EQ(view.input, kGameOverMessage);
    EXPECT_EQ(view.light, 0);
    EXPECT_EQ(view.area, TextArea::Transcript);
    EXPECT_EQ(view.transcript.text(), "мама мыxла");
    EXPECT_EQ(view.transcriptPoints, 21);
    EXPECT_FALSE(view.indicatorShown[Indicator::Status]);
    EXPECT_TRUE(view.indicatorShown[Indicator::Speed]);
    EXPECT_TRUE(view.trackEnabled);
    for (std::size_t t = 0; t < kRaceTimerCount; ++t)
        EXPECT_FALSE(view.timers[t]);
    EXPECT_FALSE(host.locked);

    ASSERT_EQ(host.outcomes.size(), 1u);
    const RaceOutcome &outcome = host.outcomes[0];
    EXPECT_EQ(outcome.textLength, 9);
    EXPECT_EQ(outcome.ErrorCount, 1);
    EXPECT_EQ(outcome.MistypedWords, QStringList{"мыла"});
    EXPECT_EQ(outcome.elapsedMs, 900); // ten keys, timed from the first
    EXPECT_EQ(view.indicators[Indicator::Speed], "600");
    EXPECT_TRUE(outcome.counted());
}

TEST_F(RaceEngineTest, StoppedRaceTranscriptShowsTheStandingWrongKeysAndTheRest)
{
    start(QStringLiteral("мама мыла"));
    type(QStringLiteral("маxy"));
    for (int i = 0; i < 6; ++i)
        engine.IdleTick();
    EXPECT_EQ(view.transcript.text(), "маxyма мыла");
    using T = TranscriptStyle;
    const std::vector<T> expected{T::Correct, T::Correct, T::WrongPending, T::WrongPending, T::Rest, T::Rest,
                                  T::Rest,    T::Rest,    T::Rest,         T::Rest,         T::Rest};
    EXPECT_EQ(transcriptStyles(), expected);
}

TEST_F(RaceEngineTest, StopwatchCountsSecondsOfTheRace)
{
    start(QStringLiteral("мама"));
    for (int i = 0; i < 65; ++i)
        engine.SecondsTick();
    EXPECT_EQ(s().ElapsedSeconds, 65);
    EXPECT_EQ(view.indicators[Indicator::Status], "01:05");
    host.mode.Sekundomer = false;
    engine.LimitsTick();
    EXPECT_FALSE(view.indicatorShown[Indicator::Status]);
}

TEST_F(RaceEngineTest, TypingRobotWindowEndsTheProgram)
{
    start(QStringLiteral("мама"));
    fake.desktop.windowCaptions << "SuperTypeRacer!";
    EXPECT_THROW(engine.LimitsTick(), TerminationRequested);
    EXPECT_EQ(fake.prompts.messages.size(), 1);
}

TEST_F(RaceEngineTest, CapsLockWarningFollowsTheKeyboard)
{
    start(QStringLiteral("мама"));
    fake.desktop.capsLock = true;
    type(QStringLiteral("м"));
    EXPECT_TRUE(view.capsAlert);
    fake.desktop.capsLock = false;
    type(QStringLiteral("а"));
    EXPECT_FALSE(view.capsAlert);
}

// ---- marathons ----

class MarathonTest : public RaceEngineTest {
protected:
    MarathonTest()
    {
        host.mode.name = QStringLiteral("Марафон");
        host.mode.ModeType = QStringLiteral("marathon");
        host.mode.MarathonMinutes = 5;
    }
    void startMarathon(const QString &window, const QString &rest)
    {
        RaceTextResult text;
        text.RaceText = window;
        text.TextKind = "marathon";
        text.MarathonRest = rest;
        text.trackMaximum = 4000;
        host.texts = {text};
        engine.NextText(false);
        countDown();
    }
    void runSeconds(int seconds)
    {
        for (int i = 0; i < seconds; ++i) {
            fake.clock.advanceMs(1000);
            engine.SecondsTick();
        }
    }
};

TEST_F(MarathonTest, TimeLimitFinishesAtTheFullDuration)
{
    startMarathon(QStringLiteral("Первое предложение."), QString());
    type(QStringLiteral("Первое"));
    runSeconds(299);
    engine.LimitsTick();
    EXPECT_TRUE(s().RaceRunning);
    runSeconds(1);
    EXPECT_EQ(view.indicators[Indicator::Status], "05:00 / 05:00");
    engine.LimitsTick();
    EXPECT_FALSE(s().RaceRunning);
    ASSERT_EQ(host.outcomes.size(), 1u);
    EXPECT_EQ(host.outcomes[0].reason, RaceOutcome::Reason::MarathonTimeUp);
    EXPECT_EQ(host.outcomes[0].TypedCount, 6);
    EXPECT_EQ(host.outcomes[0].sinceStartMs, 300'000);
    EXPECT_EQ(view.indicators[Indicator::Speed], "1"); // 6 characters in five minutes, from the start signal
    EXPECT_EQ(view.indicators[Indicator::Status], "05:00");
    EXPECT_EQ(view.area, TextArea::Cover);
}

TEST_F(MarathonTest, NothingTypedWhenTimeIsUpResetsTheRace)
{
    startMarathon(QStringLiteral("Первое предложение."), QString());
    runSeconds(301); // a late Timer2 tick still ends it
    engine.LimitsTick();
    EXPECT_FALSE(s().RaceRunning);
    EXPECT_TRUE(host.outcomes.empty());
    EXPECT_EQ(fake.prompts.messages, QStringList{kNothingTypedMessage});
    EXPECT_EQ(view.indicators[Indicator::Status], kWaitingStatus);
}

TEST_F(MarathonTest, NextWindowOpensWithTheLastLineAndCutsTheRestAtASentenceEnd)
{
    // A rest of 299 characters becomes the next window whole.
    const QString short299 = QString(QStringLiteral("Слово. ")).repeated(42) + QStringLiteral("Конец");
    ASSERT_EQ(short299.size(), 299);
    startMarathon(QStringLiteral("Первая строка. Вторая строка."), short299);
    view.lastLine = QStringLiteral("Вторая строка.");
    engine.PrepareNextWindow();
    EXPECT_EQ(s().MarathonNextWindow, QStringLiteral("Вторая строка. ") + short299);
    EXPECT_TRUE(s().MarathonRest.isEmpty());

    // A longer one is cut at the first sentence end from index 300 on.
    const QString head = QString(QStringLiteral("абвгд ")).repeated(50); // 300 characters, no sentence end
    const QString longRest = QStringLiteral("Раз. ") + head.mid(5) + QStringLiteral("Два. Три.");
    startMarathon(QStringLiteral("Первая строка. Вторая строка."), longRest);
    engine.PrepareNextWindow();
    EXPECT_EQ(s().MarathonNextWindow, QStringLiteral("Вторая строка. ") + longRest.left(304));
    EXPECT_EQ(s().MarathonRest, "Три.");
}

TEST_F(MarathonTest, WindowChangesAtTheLastLineAndTheExhaustedTextFinishes)
{
    startMarathon(QStringLiteral("Первая строка. Вторая строка."), QStringLiteral("Дальше."));
    view.lastLine = QStringLiteral("Вторая строка.");
    // Typing outruns the preparation of the next window.
    type(QStringLiteral("Первая строка. "));
    EXPECT_EQ(s().RaceText, "Вторая строка. Дальше.");
    EXPECT_EQ(view.text, "Вторая строка. Дальше.");
    EXPECT_EQ(s().TextPos, 1);
    EXPECT_EQ(s().InputPos, 1);
    EXPECT_EQ(s().TypedCount, 15);
    EXPECT_EQ(view.styled(TextStyle::Highlight), std::vector<int>{0});
    EXPECT_EQ(view.trackPos, 15);

    view.lastLine = QStringLiteral("Дальше.");
    type(QStringLiteral("Вторая строка. Дальше."));
    ASSERT_EQ(host.outcomes.size(), 1u);
    EXPECT_EQ(host.outcomes[0].reason, RaceOutcome::Reason::MarathonTextExhausted);
    EXPECT_EQ(host.outcomes[0].TypedCount, 15 + 22);
}

TEST_F(MarathonTest, LeavingTheTrackHidesTheTextWithoutTranscript)
{
    host.mode.limit = true;
    startMarathon(QStringLiteral("Первая строка."), QString());
    type(QStringLiteral("x"));
    EXPECT_FALSE(s().RaceRunning);
    EXPECT_EQ(view.area, TextArea::Cover);
    EXPECT_EQ(view.input, kOffTrackMessage);
}

TEST_F(MarathonTest, EscapeInABookMarathonAsksToKeepThePosition)
{
    host.mode.ModeSubtype = QStringLiteral("book");
    startMarathon(QStringLiteral("Первая строка."), QString());
    type(QStringLiteral("Перx"));
    fake.prompts.answers = {false};
    engine.HandleCharKey(kEscapeKey);
    EXPECT_EQ(fake.prompts.questions, QStringList{kBookPositionQuestion});
    EXPECT_EQ(host.bookAdvance, 0);

    startMarathon(QStringLiteral("Первая строка."), QString());
    type(QStringLiteral("Пер"));
    engine.NextText(false);
    EXPECT_EQ(host.bookAdvance, 3);
}

} // namespace
