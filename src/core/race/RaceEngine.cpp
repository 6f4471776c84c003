#include "race/RaceEngine.h"

#include "app/Startup.h"
#include "modes/BuiltInModes.h"
#include "modes/RaceText.h"
#include "platform/Platform.h"
#include "progress/ExerciseCourses.h"
#include "race/AutoReplace.h"
#include "storage/Schema.h"

namespace tesmi {

namespace {

const QString kMarathonKind = QStringLiteral("marathon");
constexpr int kIdleTicksAllowed = 5;
// A moderator's Ctrl+Right skips texts with straight or angle quotes; a mode
// whose every text has them must not hang the program.
constexpr int kModeratorRedraws = 100;

// Built-in modes whose texts are not fixed from the race.
const QStringList kFixedTextModes{kErrorlessMode,    kShortTextsMode, kRegularMode,        kLearningMode,
                                  kMiniMarathonMode, kCrunchMode,     kRegularEnglishMode, kFrequencyMode};

bool hasQuotes(const QString &text)
{
    return text.contains('"') || text.contains(QChar(0x00BB)) || text.contains(QChar(0x00AB));
}

} // namespace

RaceEngine::RaceEngine(RaceView &view, RaceHost &host, const Platform &platform)
    : view_(view), host_(host), platform_(platform), guard_(platform.prompts, platform.termination)
{
}

// ---- texts and the countdown ----

void RaceEngine::MakeRaceText()
{
    mode_ = host_.raceMode();
    const RaceTextResult text = host_.MakeRaceText();
    s_.RaceText = text.RaceText;
    s_.TextKind = text.TextKind;
    s_.MarathonRest = text.MarathonRest;
    s_.MarathonNextWindow = text.MarathonNextWindow;
    shownText_ = text.shownText.isEmpty() ? text.RaceText : text.shownText;
    view_.setRaceText(shownText_);
    view_.setTrackMaximum(text.trackMaximum);
}

void RaceEngine::NextText(bool byHotkey)
{
    if (byHotkey && !platform_.desktop.mainWindowActive())
        return;
    askToKeepBookPosition();
    setRaceButtonsHidden();
    s_.RepeatRun = false;
    s_.ErrorWorkRun = false;
    view_.setIndicatorVisible(Indicator::Status, true);
    stopTimers();
    showPlaceholder();
    s_.RaceRunning = false;

    MakeRaceText();
    const bool quoteFreeMode =
        mode_.name == kRegularMode || mode_.name == kErrorlessMode || mode_.name == kRegularEnglishMode;
    if (byHotkey && mode_.moderator && quoteFreeMode) {
        for (int redraw = 0; redraw < kModeratorRedraws && hasQuotes(s_.RaceText); ++redraw)
            MakeRaceText();
    }
    StartCountdown();
}

void RaceEngine::StartErrorWork(const QString &practiceText)
{
    s_.RaceText = practiceText;
    shownText_ = practiceText;
    view_.setRaceText(practiceText);
    view_.setTrackMaximum(textLength());
    s_.ErrorWorkRun = true;
    s_.RepeatRun = false;
    setRaceButtonsHidden();
    view_.setIndicatorVisible(Indicator::Status, true);
    StartCountdown();
}

void RaceEngine::StartCountdown()
{
    mode_ = host_.raceMode();
    prepareStart(3);
    runTimer(RaceTimer::Countdown, true);
    showPlaceholder();
    view_.showArea(TextArea::Cover);
    view_.setLight(1);
    view_.setIndicator(Indicator::Status, kCountdownStatus + QString::number(s_.Countdown));
    paintSilver();
    transcript_.clear();
    host_.setSettingsLocked(false);
}

void RaceEngine::CountdownTick()
{
    swallowFailures([this] {
        CheckCapsLock();
        if (!marathon() && !platform_.desktop.mainWindowActive()) {
            StopRace(kSwitchedAwayMessage);
            return;
        }
        --s_.Countdown;
        view_.setIndicatorVisible(Indicator::Status, true);
        if (s_.Countdown > 0) {
            view_.setIndicator(Indicator::Status, kCountdownStatus + QString::number(s_.Countdown));
            // Two seconds before the start the text shows, still silver.
            if (s_.Countdown == 2) {
                view_.showArea(TextArea::Text);
                view_.setLight(2);
            }
            return;
        }
        runTimer(RaceTimer::Countdown, false);
        view_.showInput(QString(), InputLook::Normal);
        view_.showArea(TextArea::Text);
        s_.IdleSeconds = 0;
        view_.setIndicator(Indicator::Errors, QStringLiteral("0"));
        view_.setIndicator(Indicator::Speed, QStringLiteral("0"));
        view_.setLight(3);
        StartRace();
    });
}

void RaceEngine::StartRace()
{
    refuseTypingRobot();
    mode_ = host_.raceMode();
    keyRules_ = {mode_.name == kDigitsMode && !mode_.marathon(), mode_.marathon()};
    highlight_ = mode_.lighting == QStringLiteral("символ")  ? Highlight::Character
                 : mode_.lighting == QStringLiteral("слово") ? Highlight::Word
                                                             : Highlight::None;
    view_.setTrackEnabled(false);
    runTimer(RaceTimer::Countdown, false);
    runTimer(RaceTimer::Idle, false);
    runTimer(RaceTimer::Limits, false);
    view_.showInput(QString(), InputLook::Normal);

    RenderRaceText();

    view_.setIndicatorVisible(Indicator::Status, mode_.Sekundomer);
    view_.setIndicatorVisible(Indicator::Errors, mode_.Errorcount);
    view_.setIndicator(Indicator::Status, StopwatchText(0, marathon(), mode_.MarathonMinutes));
    view_.holdKeyboardFocus();
    host_.setSettingsLocked(true);
    view_.setIndicatorVisible(Indicator::Speed, mode_.Speedometr);
    host_.hideResults();
    host_.setFixTextButtonVisible(fixTextButtonVisible());

    s_.MistypedWords.clear();
    // A marathon's transcript is never shown.
    transcriptOfPos_.assign(marathon() ? 0 : std::size_t(textLength()) + 1, -1);
    s_.RaceRunning = true;
    runTimer(RaceTimer::Limits, true);
    runTimer(RaceTimer::Seconds, true);
    runTimer(RaceTimer::Idle, true);
    s_.StartTime = ClockStamp::now(platform_.clock);
}

void RaceEngine::RestartText()
{
    mode_ = host_.raceMode();
    if (mode_.ModeType == QStringLiteral("book") || s_.RaceText.isEmpty())
        return;
    s_.RepeatRun = true;
    view_.setTrackEnabled(false);
    host_.setErrorWorkButtonVisible(false);
    view_.setIndicatorVisible(Indicator::Status, true);
    // The idle check stops too: its count from the last race must not end this one.
    prepareStart(1);

    // A reset emptied the text view; the text comes back with the restart.
    view_.setRaceText(shownText_);
    paintSilver();
    view_.showArea(TextArea::Text);
    view_.setLight(2);
    view_.setIndicator(Indicator::Status, kCountdownStatus + QString::number(s_.Countdown));
    transcript_.clear();
    host_.setSettingsLocked(false);
    runTimer(RaceTimer::Countdown, true);
}

// ---- stopping ----

void RaceEngine::ResetRace()
{
    view_.holdKeyboardFocus();
    askToKeepBookPosition();
    view_.setTrackEnabled(false);
    s_.RaceRunning = false;
    setRaceButtonsHidden();
    view_.setRaceText(QString());
    stopTimers();

    resetRaceFields();
    s_.ElapsedSeconds = 0;
    view_.setIndicator(Indicator::Speed, QString());
    view_.setIndicator(Indicator::Errors, QString());
    view_.setIndicator(Indicator::Status, kWaitingStatus);
    view_.setIndicatorVisible(Indicator::Status, true);
    view_.setLight(0);
    host_.setSettingsLocked(false);
    view_.showArea(TextArea::Cover);
    host_.hideResults();
    view_.setTrackPosition(0);
    showPlaceholder();
    mode_ = host_.raceMode();
}

void RaceEngine::StopRace(const QString &message)
{
    if (!marathon()) {
        s_.ElapsedSeconds = 0;
        s_.Countdown = 3;
        appendTranscriptTail();
        resetRaceFields();
        view_.holdKeyboardFocus();
        view_.showTranscript(transcript_, mode_.fontFamily, mode_.textSize + 11);
    }
    view_.showInput(message, InputLook::Message);
    stopTimers();
    s_.RaceRunning = false;
    view_.setLight(0);
    host_.setSettingsLocked(false);
}

void RaceEngine::StopMarathon(const QString &message)
{
    resetRaceFields();
    view_.showInput(message, InputLook::Message);
    view_.showArea(TextArea::Cover);
    stopTimers();
    s_.RaceRunning = false;
    view_.setLight(0);
    host_.setSettingsLocked(false);
}

void RaceEngine::FinishRace(RaceOutcome::Reason reason)
{
    if (reason != RaceOutcome::Reason::MarathonTimeUp)
        s_.FinishTime = ClockStamp::now(platform_.clock);
    runTimer(RaceTimer::Limits, false);
    runTimer(RaceTimer::Seconds, false);
    s_.RaceRunning = false;

    RaceOutcome outcome;
    outcome.reason = reason;
    outcome.TextKind = s_.TextKind;
    outcome.textLength = textLength();
    outcome.TypedCount = s_.TypedCount;
    outcome.ErrorCount = s_.ErrorCount;
    outcome.elapsedMs = ElapsedMs(s_.StartTime, s_.FirstKeyTime, s_.FinishTime);
    outcome.sinceStartMs = MsBetween(s_.StartTime, s_.FinishTime);
    outcome.RepeatRun = s_.RepeatRun;
    outcome.ErrorWorkRun = s_.ErrorWorkRun;
    outcome.MistypedWords = s_.MistypedWords;
    outcome.finishedAt = platform_.clock.now();

    // A marathon is measured from the start signal, whatever the first key did.
    const int speed = outcome.marathon() ? RaceSpeed(outcome.TypedCount, outcome.sinceStartMs)
                                         : RaceSpeed(outcome.textLength, outcome.elapsedMs);
    view_.setIndicator(Indicator::Speed, QString::number(speed));
    const RaceMode mode = host_.raceMode();
    view_.setIndicatorVisible(Indicator::Speed, mode.Speedometr);
    view_.setIndicatorVisible(Indicator::Status, mode.Sekundomer);
    view_.setIndicatorVisible(Indicator::Errors, mode.Errorcount);
    view_.setTrackEnabled(outcome.counted());

    // Everything was typed: the transcript has no rest to add.
    if (reason == RaceOutcome::Reason::TextComplete)
        s_.TextPos = textLength() + 1;
    StopRace(kGameOverMessage);
    if (outcome.marathon())
        view_.showArea(TextArea::Cover);
    // The stopwatch ends on the marathon's full length, not on the tick that came last.
    if (reason == RaceOutcome::Reason::MarathonTimeUp)
        view_.setIndicator(Indicator::Status, QStringLiteral("%1:00").arg(mode.MarathonMinutes, 2, 10, QChar('0')));
    host_.raceFinished(outcome);
}

// ---- the timers ----

void RaceEngine::IdleTick()
{
    swallowFailures([this] {
        if (!marathon() && !platform_.desktop.mainWindowActive()) {
            StopRace(kSwitchedAwayMessage);
            return;
        }
        ++s_.IdleSeconds;
        if (s_.IdleSeconds > kIdleTicksAllowed && !marathon() && mode_.name != kLearningMode)
            StopRace(kGameOverMessage);
    });
}

void RaceEngine::SecondsTick()
{
    swallowFailures([this] {
        if (!s_.RaceRunning)
            return;
        ++s_.ElapsedSeconds;
        view_.setIndicator(Indicator::Status, StopwatchText(s_.ElapsedSeconds, marathon(), mode_.MarathonMinutes));
    });
}

void RaceEngine::LimitsTick()
{
    // A late tick must not let the stopwatch run past the marathon's end.
    if (s_.RaceRunning && marathon() && s_.ElapsedSeconds >= mode_.MarathonMinutes * 60) {
        if (s_.TypedCount == 0) {
            ResetRace();
            platform_.prompts.message(kNothingTypedMessage);
            return;
        }
        runTimer(RaceTimer::Seconds, false);
        s_.FinishTime = ClockStamp::now(platform_.clock);
        FinishRace(RaceOutcome::Reason::MarathonTimeUp);
        return;
    }
    refuseTypingRobot();
    view_.setIndicatorVisible(Indicator::Status, host_.raceMode().Sekundomer);
}

void RaceEngine::PrepareNextWindow()
{
    if (!s_.RaceRunning || s_.TextKind != kMarathonKind || !s_.MarathonNextWindow.isEmpty()
        || s_.MarathonRest.isEmpty())
        return;
    // The next window opens with the line now last on screen, so the eye stays put.
    const auto [window, rest] = CutMarathonWindow(s_.MarathonRest);
    s_.MarathonNextWindow = view_.lastDisplayedLine() + QChar(' ') + window;
    s_.MarathonRest = rest;
}

// ---- keys ----

void RaceEngine::CheckCapsLock()
{
    view_.setCapsAlert(platform_.desktop.capsLockOn());
}

void RaceEngine::HandleCharKey(QChar key, KeyModifiers modifiers)
{
    CheckCapsLock();
    if (key == kEscapeKey) {
        view_.holdKeyboardFocus();
        ResetRace();
        return;
    }
    if (!s_.RaceRunning)
        return;
    s_.IdleSeconds = 0;
    if (key == kEnterKey)
        return;
    runTimer(RaceTimer::Idle, true);
    if (modifiers.ctrl && !modifiers.altGr)
        return;
    view_.holdKeyboardFocus();
    if (s_.AwaitingFirstKey) {
        s_.FirstKeyTime = ClockStamp::now(platform_.clock);
        s_.AwaitingFirstKey = false;
        transcript_.clear();
    }
    if (key == kBackspaceKey)
        Erase();
    else if (key.isPrint() || key == kNoBreakSpace)
        Type(key);
}

void RaceEngine::Type(QChar key)
{
    if (s_.InputPos == textLength() + 1)
        return; // no more input fits before the end of the text
    ++s_.InputPos;
    if (marathon())
        ++s_.TypedCount;
    s_.TypedWord += key;

    const QChar expected = expectedChar();
    const bool wrong = ComparedKey(key, expected, keyRules_) != expected;
    if (!wrong && !s_.InError) {
        acceptRightKey(expected);
        return;
    }
    // Wrong input, or a right key typed while wrong input is still standing.
    ++s_.WrongRun;
    if (!marathon())
        pendingWrong_.push_back(transcript_.append(key, TranscriptStyle::Wrong));
    view_.showInput(s_.TypedWord, InputLook::Error);
    if (wrong && !s_.InError)
        countError();
}

void RaceEngine::countError()
{
    ++s_.ErrorCount;
    const WordRange word = WordAt(s_.RaceText, s_.TextPos - 1);
    s_.MistypedWords << s_.RaceText.mid(word.start, word.length());
    styleCurrent(TextStyle::ErrorHighlight);
    view_.setIndicator(Indicator::Errors, QString::number(s_.ErrorCount));
    if (mode_.limit && !s_.ErrorWorkRun && !s_.RepeatRun && s_.ErrorCount > mode_.limitkol) {
        if (mode_.doezd)
            host_.countUnfinishedStart();
        if (marathon())
            StopMarathon(kOffTrackMessage);
        else
            StopRace(kOffTrackMessage);
        view_.setTrackPosition(view_.trackMaximum());
        return;
    }
    s_.InError = true;
}

void RaceEngine::acceptRightKey(QChar expected)
{
    const int index = s_.TextPos - 1;
    const bool separator = IsWordSeparator(expected);
    if (highlight_ == Highlight::Character) {
        plainAt(index);
        if (index + 1 < textLength())
            highlightAt(index + 1, TextStyle::Highlight);
    } else if (highlight_ == Highlight::Word && separator) {
        const WordRange word = HighlightedWordAt(s_.RaceText, index);
        view_.styleText(word.start, word.length(), TextStyle::Plain);
        if (index + 1 < textLength()) {
            const WordRange next = HighlightedWordAt(s_.RaceText, index + 1);
            view_.styleText(next.start, next.length(), TextStyle::Highlight);
        }
    }
    if (!marathon())
        transcriptOfPos_[std::size_t(s_.TextPos)] = transcript_.append(expected, TranscriptStyle::Correct);
    if (separator)
        s_.TypedWord.clear();
    view_.showInput(s_.TypedWord, InputLook::Normal);
    if (s_.InputPos > 3 && s_.InputPos % 4 == 0)
        UpdateLiveSpeed();
    const int progress = marathon() ? s_.TypedCount : s_.TextPos;
    if (progress > view_.trackPosition())
        view_.setTrackPosition(progress);

    if (!marathon()) {
        if (s_.TextPos == textLength()) {
            FinishRace(RaceOutcome::Reason::TextComplete);
            return;
        }
    } else if (changeMarathonWindow()) {
        return;
    }
    ++s_.TextPos;
    s_.InError = false;
}

// True when the key moved the race to a new window or finished it.
bool RaceEngine::changeMarathonWindow()
{
    const int lastLine = int(view_.lastDisplayedLine().size());
    const bool endsNextToLastLine = lastLine < textLength() && s_.TextPos == textLength() - lastLine;
    if (endsNextToLastLine && !(s_.MarathonNextWindow.isEmpty() && s_.MarathonRest.isEmpty())) {
        // Typing outran the preparation: prepare it now.
        PrepareNextWindow();
        s_.RaceText = s_.MarathonNextWindow;
        s_.MarathonNextWindow.clear();
        shownText_ = s_.RaceText;
        view_.setRaceText(shownText_);
        s_.TextPos = 1;
        s_.InputPos = 1;
        s_.InError = false;
        s_.TypedWord.clear();
        view_.showInput(QString(), InputLook::Normal);
        RenderRaceText();
        return true;
    }
    if (s_.MarathonRest.isEmpty() && s_.MarathonNextWindow.isEmpty() && s_.TextPos == textLength()) {
        FinishRace(RaceOutcome::Reason::MarathonTextExhausted);
        return true;
    }
    return false;
}

void RaceEngine::Erase()
{
    if (s_.TypedWord.isEmpty())
        return; // nothing typed since the last accepted space
    --s_.InputPos;
    if (marathon())
        --s_.TypedCount;
    s_.TypedWord.chop(1);
    if (s_.InError) {
        --s_.WrongRun;
        if (!pendingWrong_.empty())
            pendingWrong_.pop_back();
        if (s_.TypedWord.isEmpty() || s_.InputPos == s_.TextPos) {
            s_.InError = false;
            styleCurrent(TextStyle::Highlight);
        }
        showTypedWord();
        return;
    }
    --s_.TextPos;
    if (highlight_ == Highlight::Character) {
        highlightAt(s_.TextPos - 1, TextStyle::Highlight);
        plainAt(s_.TextPos);
    } else {
        styleCurrent(TextStyle::Highlight);
    }
    if (!marathon())
        transcript_.restyle(transcriptOfPos_[std::size_t(s_.TextPos)], TranscriptStyle::Erased);
    showTypedWord();
}

void RaceEngine::EraseWord()
{
    if (!s_.RaceRunning)
        return;
    s_.IdleSeconds = 0;
    view_.setTrackEnabled(false);
    const int erased = int(s_.TypedWord.size());
    if (erased == 0)
        return;
    const int oldTextPos = s_.TextPos;
    if (highlight_ == Highlight::Character)
        plainAt(oldTextPos - 1);
    s_.InputPos -= erased;
    if (marathon())
        s_.TypedCount -= erased;
    s_.TextPos = s_.InputPos;
    if (!marathon()) {
        for (int pos = s_.TextPos; pos < oldTextPos; ++pos)
            transcript_.restyle(transcriptOfPos_[std::size_t(pos)], TranscriptStyle::Erased);
    }
    pendingWrong_.clear();
    s_.WrongRun = 0;
    s_.InError = false;
    s_.TypedWord.clear();
    view_.showInput(QString(), InputLook::Normal);
    styleCurrent(TextStyle::Highlight);
}

// ---- showing ----

void RaceEngine::UpdateLiveSpeed()
{
    const int characters = marathon() ? s_.TypedCount : s_.InputPos - 1;
    const qint64 elapsed = ElapsedMs(s_.StartTime, s_.FirstKeyTime, ClockStamp::now(platform_.clock));
    view_.setIndicator(Indicator::Speed, QString::number(RaceSpeed(characters, elapsed)));
}

void RaceEngine::RenderRaceText()
{
    view_.styleText(0, textLength(), TextStyle::Plain);
    if (mode_.ModeSubtype != QStringLiteral("zubr")) {
        const AutoReplaceMatcher matcher(host_.autoReplaceWords());
        for (const WordRange &piece : matcher.matches(s_.RaceText))
            view_.styleText(piece.start, piece.length(), TextStyle::AutoReplace);
    }
    styleCurrent(TextStyle::Highlight);
    view_.setTextFont(mode_.fontFamily, mode_.textSize + 10);
}

void RaceEngine::appendTranscriptTail()
{
    // What stood wrong in the input line at the stop is shown, not struck out.
    for (const int index : pendingWrong_)
        transcript_.restyle(index, TranscriptStyle::WrongPending);
    if (s_.TextPos <= textLength())
        transcript_.appendText(s_.RaceText.mid(s_.TextPos - 1), TranscriptStyle::Rest);
}

void RaceEngine::highlightAt(int index, TextStyle style)
{
    view_.styleText(index, 1, style);
}

void RaceEngine::plainAt(int index)
{
    if (index >= 0 && index < textLength())
        view_.styleText(index, 1, TextStyle::Plain);
}

// The next character or the current word, as the highlight mode shows it.
void RaceEngine::styleCurrent(TextStyle style)
{
    const int index = s_.TextPos - 1;
    if (index < 0 || index >= textLength())
        return;
    if (highlight_ == Highlight::Character) {
        highlightAt(index, style);
    } else if (highlight_ == Highlight::Word) {
        const WordRange word = HighlightedWordAt(s_.RaceText, index);
        view_.styleText(word.start, word.length(), style);
    }
}

void RaceEngine::paintSilver()
{
    view_.setTextFont(mode_.fontFamily, mode_.textSize + 10);
    view_.styleText(0, int(shownText_.size()), TextStyle::Silver);
}

void RaceEngine::showPlaceholder()
{
    view_.showInput(kInputPlaceholder, InputLook::Message);
}

void RaceEngine::showTypedWord()
{
    view_.showInput(s_.TypedWord, s_.InError ? InputLook::Error : InputLook::Normal);
}

void RaceEngine::setRaceButtonsHidden()
{
    host_.setErrorWorkButtonVisible(false);
    host_.setFixTextButtonVisible(false);
}

bool RaceEngine::fixTextButtonVisible() const
{
    if (mode_.moderator)
        return true;
    if (s_.ErrorWorkRun || kFixedTextModes.contains(mode_.name))
        return false;
    return mode_.ModeType == QStringLiteral("book") || mode_.ModeType == QStringLiteral("text")
           || (mode_.marathon() && mode_.name != kRegularMode);
}

// ---- state ----

void RaceEngine::prepareStart(int countdown)
{
    stopTimers();
    host_.hideResults();
    view_.setTrackPosition(0);
    s_.AwaitingFirstKey = true;
    s_.ElapsedSeconds = 0;
    s_.Countdown = countdown;
    s_.RaceRunning = false;
    resetRaceFields();
    view_.holdKeyboardFocus();
}

void RaceEngine::resetRaceFields()
{
    s_.TypedWord.clear();
    s_.TextPos = 1;
    s_.InError = false;
    s_.ErrorCount = 0;
    s_.WrongRun = 0;
    s_.InputPos = 1;
    s_.TypedCount = 0;
    pendingWrong_.clear();
}

void RaceEngine::askToKeepBookPosition()
{
    if (!(s_.RaceRunning && mode_.marathon() && mode_.ModeSubtype == QStringLiteral("book") && s_.TypedCount != 0))
        return;
    if (!platform_.prompts.askYesNo(kBookPositionQuestion))
        return;
    const RaceMode now = host_.raceMode();
    if (now.marathon() && now.ModeSubtype == QStringLiteral("book"))
        host_.advanceBookPosition(s_.TypedCount);
}

void RaceEngine::refuseTypingRobot()
{
    RefuseTypingRobot(platform_.desktop, guard_);
}

void RaceEngine::runTimer(RaceTimer timer, bool on)
{
    bool &running = timersOn_[std::size_t(timer)];
    if (running == on)
        return;
    running = on;
    view_.setTimerRunning(timer, on);
}

void RaceEngine::stopTimers()
{
    for (const RaceTimer timer : {RaceTimer::Countdown, RaceTimer::Limits, RaceTimer::Idle, RaceTimer::Seconds})
        runTimer(timer, false);
}

// The ticks keep the program alive whatever fails inside them; only a
// deliberate end of the program goes through.
template <typename Tick>
void RaceEngine::swallowFailures(Tick &&tick)
{
    try {
        tick();
    } catch (const TerminationRequested &) {
        throw;
    } catch (...) {
    }
}

} // namespace tesmi
