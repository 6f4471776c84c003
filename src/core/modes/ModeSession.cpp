#include "modes/ModeSession.h"

#include "modes/ModeCatalog.h"
#include "platform/Prompts.h"
#include "storage/Database.h"
#include "storage/Schema.h"
#include "storage/Settings.h"
#include "util/Formatting.h"

namespace tesmi {

namespace {

QString counterCaption(int finished, int started, const QString &suffix)
{
    if (started == 0)
        return QStringLiteral("[100%] ") + suffix;
    return QStringLiteral("[") + FormatFixed(double(finished) / started * 100, 2) + QStringLiteral("%] ") + suffix;
}

// "duration" "0" … "5" stand for 5 … 30 minutes; anything else changes nothing.
void readMarathonMinutes(Database &db, const QString &mode, int &minutes)
{
    bool ok = false;
    const int code = GetModeSetting(db, mode, QStringLiteral("duration")).toInt(&ok);
    if (ok && code >= 0 && code <= 5)
        minutes = (code + 1) * 5;
}

} // namespace

ModeKind LoadModeKind(Database &db, const QString &mode)
{
    ModeKind kind;
    kind.ModeType = GetModeSetting(db, mode, QStringLiteral("type"));
    kind.ModeSubtype = GetModeSetting(db, mode, QStringLiteral("subtype"));
    if (kind.ModeSubtype == QStringLiteral("zubr")) {
        kind.ZubrRounds = GetModeSetting(db, mode, QStringLiteral("prohod")).toInt();
        kind.ZubrSpeedLimit = GetModeSetting(db, mode, QStringLiteral("limitspeed")).toInt();
    }
    return kind;
}

RaceCounters LoadRaceCounters(Database &db, const QString &mode)
{
    // A dictionary from elsewhere may keep no counters; it has counted nothing yet.
    const auto read = [&](const char *column) {
        try {
            return GetModeSetting(db, mode, QString::fromLatin1(column)).toInt();
        } catch (const DatabaseError &) {
            return 0;
        }
    };
    return {read("tek_doehano"), read("tek_bylo"), read("all_doehano"), read("all_bylo")};
}

void SaveRaceCounters(Database &db, const QString &mode, const RaceCounters &c)
{
    SetModeSettings(db, mode,
                    {{"tek_doehano", QString::number(c.SessionFinished)},
                     {"tek_bylo", QString::number(c.SessionStarted)},
                     {"all_doehano", QString::number(c.TotalFinished)},
                     {"all_bylo", QString::number(c.TotalStarted)}});
}

QString SessionCaption(const RaceCounters &c)
{
    return counterCaption(c.SessionFinished, c.SessionStarted, QStringLiteral("Сеанс"));
}

QString TotalCaption(const RaceCounters &c)
{
    return counterCaption(c.TotalFinished, c.TotalStarted, QStringLiteral("Все время"));
}

QString ModeLabelColour(const QString &mode, const QString &type)
{
    // Each later rule wins over the earlier ones.
    QString colour = mode == kCrunchMode ? QStringLiteral("#008040") : QStringLiteral("#524CA7");
    if (mode == kRegularMode)
        colour = QStringLiteral("#000000");
    if (mode == kErrorlessMode)
        colour = QStringLiteral("#4692AA");
    if (type == QStringLiteral("marathon"))
        colour = QStringLiteral("#D43E68");
    if (mode == kLettersMode || mode == kEnglishLettersMode)
        colour = QStringLiteral("#B55900");
    if (mode == kDigitsMode)
        colour = QStringLiteral("#777777");
    if (mode == kSprintMode)
        colour = QStringLiteral("#833F3A");
    if (mode == kLearningMode)
        colour = QStringLiteral("#FF0000");
    return colour;
}

bool HasOnlineTop(const QString &mode)
{
    static const QStringList modes{kErrorlessMode, kShortTextsMode,     kRegularMode,   kMiniMarathonMode,
                                   kCrunchMode,    kRegularEnglishMode, kFrequencyMode};
    return modes.contains(mode);
}

ModeSession::ModeSession(Database &db, Prompts &prompts) : db_(db), prompts_(prompts) {}

void ModeSession::start(const QString &mode)
{
    marks_ = LoadGlobalMarks(db_);
    regularRank_ = GetSetting(db_, QStringLiteral("rangob"));
    rankCaption_ = regularRank_;
    currentMode_ = mode;
}

void ModeSession::loadSettings(const QString &mode)
{
    if (GetModeSetting(db_, mode, QStringLiteral("type")) == QStringLiteral("marathon"))
        readMarathonMinutes(db_, mode, marathonMinutes_);
    settings_ = LoadModeSettings(db_, mode, marks_);
    // Безошибочный always races with the limit on, and at most one mistake.
    if (mode == kErrorlessMode) {
        settings_.setFlag(Setting::LimitErrors, true);
        settings_.setNumber(Setting::LimitKol, std::min(settings_.number(Setting::LimitKol), 1));
    }
}

void ModeSession::saveCurrentMode()
{
    if (currentMode_ == kRegularMode) {
        SetSetting(db_, QStringLiteral("rangob"), rankCaption_);
        regularRank_ = rankCaption_;
    }
    SaveModeSettings(db_, currentMode_, marks_, settings_);
    SaveRaceCounters(db_, currentMode_, counters_);
}

SwitchOutcome ModeSession::SwitchMode(const QString &chosen, bool atStart)
{
    SwitchOutcome outcome;
    outcome.mode = chosen;
    if (chosen == kCrunchMode) {
        if (CountResults(db_, kRegularMode) < 10) {
            prompts_.message(kCrunchGateMessage);
            outcome.mode = kRegularMode;
        }
    }
    outcome.clearExerciseNote = outcome.mode != kCrunchMode;
    outcome.topButtonVisible = HasOnlineTop(outcome.mode);
    if (!atStart)
        saveCurrentMode();
    loadSettings(outcome.mode);
    currentMode_ = outcome.mode;
    kind_ = LoadModeKind(db_, currentMode_);
    outcome.labelColour = ModeLabelColour(currentMode_, kind_.ModeType);
    counters_ = LoadRaceCounters(db_, currentMode_);
    outcome.limitMaximum = currentMode_ == kErrorlessMode ? 1 : 50;
    return outcome;
}

SwitchOutcome ModeSession::ReturnToDefaultMode()
{
    marks_ = LoadGlobalMarks(db_);
    currentMode_ = kRegularMode;
    loadSettings(kRegularMode);
    counters_ = LoadRaceCounters(db_, kRegularMode);
    return SwitchMode(kRegularMode);
}

void ModeSession::reloadRegularRank()
{
    regularRank_ = GetSetting(db_, QStringLiteral("rangob"));
}

void ModeSession::setGlobalMark(int mark, bool on)
{
    marks_[mark - 2] = on;
    StoreGlobalMark(db_, mark, on);
}

} // namespace tesmi
