#pragma once

#include "modes/BuiltInModes.h"
#include "modes/ModeSettings.h"

#include <QString>

namespace tesmi {

class Database;
class Prompts;

inline const QString kCrunchGateMessage =
    QStringLiteral("Чтобы проходить ХРУСТяшки, требуется пробег\r\nв режиме \"Обычный\" не менее 10 текстов");

// The kind of a mode, from row 1 of its table.
struct ModeKind {
    QString ModeType;
    QString ModeSubtype;
    int ZubrRounds = 0;      // memorisation rounds left ("prohod")
    int ZubrSpeedLimit = 0;  // memorisation speed a race must reach ("limitspeed")
};

ModeKind LoadModeKind(Database &db, const QString &mode);

// Finished and started races of a mode, this session and in all time.
struct RaceCounters {
    int SessionFinished = 0;
    int SessionStarted = 0;
    int TotalFinished = 0;
    int TotalStarted = 0;
};

RaceCounters LoadRaceCounters(Database &db, const QString &mode);
void SaveRaceCounters(Database &db, const QString &mode, const RaceCounters &counters);
// "[75,00%] Сеанс", "[100%] Сеанс" while nothing was started; likewise "Все время".
QString SessionCaption(const RaceCounters &counters);
QString TotalCaption(const RaceCounters &counters);

// What a switch tells the window to show.
struct SwitchOutcome {
    QString mode;             // the mode now current (Обычный when ХРУСТяшки was refused)
    QString labelColour;      // "#RRGGBB"
    bool topButtonVisible = false;
    bool clearExerciseNote = false;
    int limitMaximum = 50;
};

// The mode part of the main window's state and the operations on it.
class ModeSession {
public:
    ModeSession(Database &db, Prompts &prompts);

    // Reads the global marks and makes `mode` current without saving anything.
    void start(const QString &mode);
    // Makes `chosen` current. Unless at start-up, the mode being left keeps the
    // panel's settings and its race counters first.
    SwitchOutcome SwitchMode(const QString &chosen, bool atStart = false);
    // Back to Обычный after the current mode was deleted or replaced: nothing of
    // the old mode is saved.
    SwitchOutcome ReturnToDefaultMode();
    // Writes what a switch would write for the current mode (at exit).
    void saveCurrentMode();
    // Reads the current mode's kind again after a race moved its memorisation passes.
    void reloadKind() { kind_ = LoadModeKind(db_, currentMode_); }

    // Ticking or clearing a mark takes effect at once and is remembered.
    void setGlobalMark(int mark, bool on);

    const QString &CurrentMode() const { return currentMode_; }
    const ModeKind &kind() const { return kind_; }
    int MarathonMinutes() const { return marathonMinutes_; }
    const GlobalMarks &marks() const { return marks_; }
    ModeSettings &settings() { return settings_; }
    const ModeSettings &settings() const { return settings_; }
    RaceCounters &counters() { return counters_; }

    // The rank shown in the top bar; leaving Обычный stores it as the regular rank.
    void setRankCaption(const QString &rank) { rankCaption_ = rank; }
    const QString &RegularRank() const { return regularRank_; }
    // After something else stored a new regular rank (deleting a result).
    void reloadRegularRank();

private:
    void loadSettings(const QString &mode);

    Database &db_;
    Prompts &prompts_;
    QString currentMode_;
    ModeKind kind_;
    int marathonMinutes_ = 5;
    GlobalMarks marks_{};
    ModeSettings settings_;
    RaceCounters counters_;
    QString rankCaption_;
    QString regularRank_;
};

// Colour of the mode label for a mode of this name and type.
QString ModeLabelColour(const QString &mode, const QString &type);
// The online top exists only for the modes that ship with the program.
bool HasOnlineTop(const QString &mode);

} // namespace tesmi
