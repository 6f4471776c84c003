#pragma once

#include "modes/RaceText.h"

#include <QString>
#include <QStringList>

namespace tesmi {

class Transcript;
struct RaceOutcome;

// Looks of the race text's characters.
enum class TextStyle {
    Silver,         // the whole text before the start
    Plain,          // typed, or not yet reached
    AutoReplace,    // a word of the auto-replace list: green, underlined
    Highlight,      // the next character or the current word: blue, underlined
    ErrorHighlight, // the same after a wrong key: red, underlined
};

// Looks of the input line.
enum class InputLook {
    Normal,  // black on white
    Error,   // white on dark red, underlined
    Message, // silver on white: the placeholder or a message after a race
};

// What the place of the text shows.
enum class TextArea {
    Cover,      // "Текст скрыт до начала игры"
    Text,       // the race text
    Transcript, // the record of the keystrokes, after a race
};

// The live captions beside the text.
enum class Indicator {
    Status, // status line and stopwatch (Label26)
    Errors, // error counter (Label27)
    Speed,  // speedometer (Label12)
};

// The timers the window runs for the race; each calls one engine method.
enum class RaceTimer {
    Countdown, // Timer1, 1000 ms: CountdownTick
    Limits,    // Timer2, 900 ms: LimitsTick
    Idle,      // Timer3, 1000 ms: IdleTick
    Seconds,   // precise 1000 ms: SecondsTick
};

inline constexpr int kRaceTimerCount = 4;

// The race area of the window as the race engine drives it. Positions are
// 0-based indexes into the shown text. Every call changes only what it names.
class RaceView {
public:
    virtual ~RaceView() = default;

    // Replaces the text of the text view; all of it silver.
    virtual void setRaceText(const QString &shown) = 0;
    virtual void styleText(int from, int count, TextStyle style) = 0;
    virtual void setTextFont(const QString &family, int points) = 0;
    // The text of the bottom line the text view shows for the current text.
    virtual QString lastDisplayedLine() const = 0;
    virtual void showArea(TextArea area) = 0;
    virtual void showTranscript(const Transcript &transcript, const QString &family, int points) = 0;

    virtual void showInput(const QString &text, InputLook look) = 0;
    virtual void setIndicator(Indicator which, const QString &text) = 0;
    virtual void setIndicatorVisible(Indicator which, bool visible) = 0;
    // Exactly one of the four start lights is lit: 0 idle, 1 at three seconds,
    // 2 at two and one, 3 while racing.
    virtual void setLight(int lit) = 0;
    virtual void setCapsAlert(bool shown) = 0;

    virtual void setTrackMaximum(int maximum) = 0;
    virtual void setTrackPosition(int position) = 0;
    virtual int trackPosition() const = 0;
    virtual int trackMaximum() const = 0;
    virtual void setTrackEnabled(bool enabled) = 0;

    // Starting a running timer leaves it running on its old beat.
    virtual void setTimerRunning(RaceTimer timer, bool running) = 0;
    // Keys go to the race, not to a control of the window.
    virtual void holdKeyboardFocus() = 0;
};

// The current mode and its settings, as a race reads them.
struct RaceMode {
    QString name;        // the mode the user chose
    QString ModeType;
    QString ModeSubtype;
    int MarathonMinutes = 5;
    QString lighting;    // "символ", "слово" or "нет"
    QString fontFamily;
    int textSize = 10;   // the setting; the text shows 10 points larger
    bool Speedometr = false;
    bool Sekundomer = true;
    bool Errorcount = true;
    bool limit = false;  // the error limit is on
    int limitkol = 0;    // errors allowed before the race leaves the track
    bool doezd = false;  // finish counters are kept
    bool moderator = false;

    bool marathon() const { return ModeType == QStringLiteral("marathon"); }
};

// The rest of the program as a race needs it: the mode, its texts and what a
// race changes outside the race area.
class RaceHost {
public:
    virtual ~RaceHost() = default;

    virtual RaceMode raceMode() = 0;
    // The next text of the current mode (Безошибочный races on Обычный's texts).
    virtual RaceTextResult MakeRaceText() = 0;
    virtual QStringList autoReplaceWords() = 0;
    // A book marathon keeps how far it was typed.
    virtual void advanceBookPosition(int typed) = 0;
    // A race that left the track counts as started and not finished.
    virtual void countUnfinishedStart() = 0;
    // Hands a finished race to the result rules.
    virtual void raceFinished(const RaceOutcome &outcome) = 0;

    // The font and highlight choices cannot change while a race runs.
    virtual void setSettingsLocked(bool locked) = 0;
    // The result panel, its "cancelled" note and the record banner.
    virtual void hideResults() = 0;
    // "Работа над ошибками" and "Исправить текст".
    virtual void setErrorWorkButtonVisible(bool visible) = 0;
    virtual void setFixTextButtonVisible(bool visible) = 0;
};

} // namespace tesmi
