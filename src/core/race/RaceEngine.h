#pragma once

#include "race/Keystroke.h"
#include "race/RaceClock.h"
#include "race/RaceOutcome.h"
#include "race/RaceView.h"
#include "race/Transcript.h"
#include "util/Guard.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace tesmi {

struct Platform;

inline const QString kSwitchedAwayMessage = QStringLiteral("Нельзя переключаться между приложениями во время заезда.");
inline const QString kGameOverMessage = QStringLiteral("Игра окончена");
inline const QString kOffTrackMessage = QStringLiteral("Вы сошли с трассы");
inline const QString kNothingTypedMessage = QStringLiteral("Вы не набрали ни одного знака!");
inline const QString kBookPositionQuestion = QStringLiteral("Запомнить текущую позицию в тексте?");
inline const QString kWaitingStatus = QStringLiteral("Ожидание старта...");
inline const QString kCountdownStatus = QStringLiteral("Старт через ");
inline const QString kInputPlaceholder = QStringLiteral("Набирайте здесь текст после начала игры");

// What one race carries. Positions are 1-based like the text positions a user
// counts; InputPos never exceeds the text length + 1.
struct RaceState {
    QString RaceText;
    QString TextKind;
    QString TypedWord;          // the input line: typed since the last accepted space
    int TextPos = 1;            // the next character to type
    int InputPos = 1;           // grows with every accepted key, right or wrong
    int TypedCount = 0;         // marathon: characters typed, net of erasures
    int ErrorCount = 0;
    int WrongRun = 0;           // keys typed since the first wrong one and not erased yet
    bool InError = false;
    QStringList MistypedWords;  // the text's words in which errors were made
    bool RaceRunning = false;
    bool AwaitingFirstKey = false;
    bool RepeatRun = false;     // restarted with Alt+R: not recorded
    bool ErrorWorkRun = false;  // on the error-work text: not recorded, no points
    int Countdown = 3;
    int ElapsedSeconds = 0;
    int IdleSeconds = 0;
    ClockStamp StartTime;
    ClockStamp FirstKeyTime;
    ClockStamp FinishTime;
    QString MarathonRest;       // marathon text not yet shown
    QString MarathonNextWindow; // prepared next window of a marathon
};

// Modifier keys held with a character key.
struct KeyModifiers {
    bool ctrl = false;
    bool altGr = false; // the right Alt key: Ctrl with it still types characters
};

inline constexpr QChar kBackspaceKey(0x08);
inline constexpr QChar kDeleteKey(0x7F);
inline constexpr QChar kEnterKey(0x0D);
inline constexpr QChar kEscapeKey(0x1B);

// The race: countdown, start, keystrokes, clock and stop. The window runs the
// timers and calls one method per tick; everything to be shown goes to the view.
class RaceEngine {
public:
    RaceEngine(RaceView &view, RaceHost &host, const Platform &platform);

    // A new text of the current mode, shown under the cover; no countdown.
    void MakeRaceText();
    // Ctrl+Right (`byHotkey`) or a click on the key hints.
    void NextText(bool byHotkey);
    void StartCountdown();
    void RestartText();
    // A practice race on the given text: not recorded, no points, no limit.
    void StartErrorWork(const QString &practiceText);
    void ResetRace();
    void StopRace(const QString &message);
    void StopMarathon(const QString &message);

    void HandleCharKey(QChar key, KeyModifiers modifiers = {});
    void EraseWord();
    void CheckCapsLock();

    void CountdownTick();     // Timer1
    void LimitsTick();        // Timer2
    void IdleTick();          // Timer3
    void PrepareNextWindow(); // Timer4
    void SecondsTick();       // the 1-second tick

    const RaceState &state() const { return s_; }
    const Transcript &transcript() const { return transcript_; }
    // A countdown or a race: keys belong to the race.
    bool active() const { return s_.RaceRunning || timerOn(RaceTimer::Countdown); }

private:
    enum class Highlight { Character, Word, None };

    void StartRace();
    void Type(QChar key);
    void Erase();
    void acceptRightKey(QChar expected);
    void countError();
    bool changeMarathonWindow();
    void FinishRace(RaceOutcome::Reason reason);
    void UpdateLiveSpeed();
    void RenderRaceText();
    void appendTranscriptTail();

    // Timers stopped, the last result and the car run cleared, the race fields
    // back at the first character: what every start of a countdown shares.
    void prepareStart(int countdown);
    void resetRaceFields();
    void askToKeepBookPosition();
    void refuseTypingRobot();
    void paintSilver();
    void showPlaceholder();
    void showTypedWord();
    void showCounters(const RaceMode &mode);
    void setRaceButtonsHidden();
    bool fixTextButtonVisible() const;

    // Highlight of the next character or word (0-based positions).
    void highlightAt(int index, TextStyle style);
    void plainAt(int index);
    void styleCurrent(TextStyle style);
    int textLength() const { return int(s_.RaceText.size()); }
    QChar expectedChar() const { return s_.RaceText[s_.TextPos - 1]; }
    bool marathon() const { return mode_.marathon(); }

    void runTimer(RaceTimer timer, bool on);
    void stopTimers();
    bool timerOn(RaceTimer timer) const { return timersOn_[std::size_t(timer)]; }
    template <typename Tick>
    void swallowFailures(Tick &&tick);

    RaceView &view_;
    RaceHost &host_;
    const Platform &platform_;
    Guard guard_;
    RaceState s_;
    RaceMode mode_;      // read when a text is drawn and when a race starts
    Highlight highlight_ = Highlight::None;
    KeyRules keyRules_;
    QString shownText_;  // the text view's text (memorisation hides words)
    Transcript transcript_;
    std::vector<int> transcriptOfPos_; // where each accepted text character went in the transcript
    std::vector<int> pendingWrong_;    // transcript indexes of the keys of the wrong run
    std::array<bool, kRaceTimerCount> timersOn_{};
};

} // namespace tesmi
