#include "race/RaceResults.h"

#include "modes/ModeCatalog.h"
#include "modes/ModeSession.h"
#include "platform/Prompts.h"
#include "progress/ExerciseCourses.h"
#include "progress/Points.h"
#include "progress/Ranks.h"
#include "storage/Database.h"
#include "storage/ModeName.h"
#include "storage/Schema.h"
#include "storage/Settings.h"
#include "util/Formatting.h"
#include "util/Guard.h"

namespace tesmi {

namespace {

const QString kStoredDateForm = QStringLiteral("dd.MM.yyyy H:mm:ss");
constexpr int kMemorisationRounds = 6;

QString twoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// The minutes and seconds of a duration as a time of day shows them: whole
// hours fall away, so a race of 65 minutes reads as 5 minutes.
qint64 secondsWithinHour(qint64 ms)
{
    return ms / 1000 % 3600;
}

// Final speed: a marathon counts what was typed from the start signal on.
int finalSpeed(const RaceOutcome &outcome)
{
    return outcome.marathon() ? RaceSpeed(outcome.TypedCount, outcome.sinceStartMs)
                              : RaceSpeed(outcome.textLength, outcome.elapsedMs);
}

// Mistakes per hundred characters; a race with no characters has none.
double mistakePercent(const RaceOutcome &outcome)
{
    const int characters = outcome.characters();
    return characters > 0 ? double(outcome.ErrorCount) / characters * 100 : 0.0;
}

} // namespace

ResultPanelValues ResultPanelFor(const RaceOutcome &outcome, int marathonMinutes, const Guard &guard)
{
    ResultPanelValues panel;
    panel.Label5 = QString::number(finalSpeed(outcome));
    if (outcome.reason == RaceOutcome::Reason::MarathonTimeUp) {
        panel.Label3 = twoDigits(marathonMinutes) + QStringLiteral(":00");
        panel.Label4 = QStringLiteral(".0");
    } else {
        const qint64 seconds = secondsWithinHour(outcome.elapsedMs);
        panel.Label3 = twoDigits(seconds / 60) + ':' + twoDigits(seconds % 60);
        panel.Label4 = '.' + QString::number(outcome.elapsedMs % 1000 / 100);
    }
    const QString errors = QString::number(outcome.ErrorCount);
    panel.Label7 = errors;
    panel.Label9 = PluralMistakes(guard, errors) + QStringLiteral(" (");
    panel.Label8 = FormatFixed(guard, mistakePercent(outcome), 2);
    return panel;
}

RaceResults::RaceResults(Database &db, ModeSession &session, const Guard &guard, Prompts &prompts)
    : db_(db), session_(session), guard_(guard), prompts_(prompts)
{
}

FinishReport RaceResults::FinishRace(const RaceOutcome &outcome)
{
    FinishReport report;
    lastBookPlace_.reset();
    report.panel = ResultPanelFor(outcome, session_.MarathonMinutes(), guard_);
    report.countersChanged = countFinish(outcome);
    if (outcome.ErrorWorkRun)
        return report; // practice on mistyped words earns and stores nothing
    AddPoints(db_, outcome.characters());
    if (outcome.counted()) {
        RecordReport recorded = RecordResult(outcome);
        report.record = recorded.record;
        report.messages = std::move(recorded.messages);
    }
    if (rankBonusPending_) {
        AddPoints(db_, kRankBonus);
        rankBonusPending_ = false;
    }
    session_.reloadKind();
    report.summary = refreshSummary();
    // The only result of a mode is not offered for cancelling.
    report.cancelVisible = outcome.counted() && report.summary->values.ModeResultCount != 1;
    return report;
}

bool RaceResults::countFinish(const RaceOutcome &outcome)
{
    const ModeSettings &settings = session_.settings();
    if (outcome.reason != RaceOutcome::Reason::TextComplete || !outcome.counted()
        || !settings.flag(Setting::LimitErrors) || !settings.flag(Setting::Doezd))
        return false;
    RaceCounters &counters = session_.counters();
    ++counters.SessionStarted;
    ++counters.TotalStarted;
    ++counters.SessionFinished;
    ++counters.TotalFinished;
    return true;
}

RecordReport RaceResults::RecordResult(const RaceOutcome &outcome)
{
    RecordReport report;
    const QString mode = session_.CurrentMode();
    if (mode != kMarathonMode && RaceSpeed(outcome.textLength, outcome.elapsedMs) >= kImplausibleSpeed)
        wipeResults(mode);
    const int speed = finalSpeed(outcome);
    const int oldBest = bestSpeed(mode);
    insertRow(mode, outcome, speed);
    report.record = speed > oldBest;
    congratulateOnRank(mode, oldBest, std::max(oldBest, speed), report.messages);
    moveProgression(outcome, speed, report.messages);
    return report;
}

void RaceResults::wipeResults(const QString &mode)
{
    Transaction transaction(db_);
    db_.Execute(QStringLiteral("DROP TABLE IF EXISTS %1").arg(QuoteIdentifier(ResultsTableName(mode))));
    db_.Execute(CreateResultsTableSql(mode));
    transaction.commit();
    // Back to Обычный as if the user had chosen it, with its rank kept.
    session_.SwitchMode(kRegularMode);
    refreshSummary();
    session_.saveCurrentMode();
    guard_.refuse(kImplausibleSpeedMessage);
}

int RaceResults::bestSpeed(const QString &mode)
{
    return db_
        .Query(QStringLiteral("SELECT max(CAST(speed AS INTEGER)) FROM %1").arg(QuoteIdentifier(ResultsTableName(mode))))
        .value()
        .toInt();
}

void RaceResults::insertRow(const QString &mode, const RaceOutcome &outcome, int speed)
{
    const qint64 seconds =
        outcome.marathon() ? qint64(session_.MarathonMinutes()) * 60 : secondsWithinHour(outcome.elapsedMs);
    const QStringList row{QString::number(seconds), QString::number(speed),
                          FormatFixed(guard_, mistakePercent(outcome), 3),
                          outcome.finishedAt.toString(kStoredDateForm), QString::number(outcome.ErrorCount)};
    // Its own transaction: the row is on disk before anything shows the result,
    // and a transaction some other code left open fails here instead of
    // swallowing the row.
    Transaction transaction(db_);
    db_.Execute(QStringLiteral("INSERT INTO %1 (time, speed, errorr, date, error) VALUES (?, ?, ?, ?, ?)")
                    .arg(QuoteIdentifier(ResultsTableName(mode))),
                row);
    transaction.commit();
}

void RaceResults::congratulateOnRank(const QString &mode, int oldBest, int newBest, QStringList &messages)
{
    // The first result of Обычный sets the rank without congratulations.
    if (mode != kRegularMode || CountResults(db_, kRegularMode) <= 1)
        return;
    for (const QString &message : RankUpMessages(oldBest, newBest)) {
        // A new rank opens the ХРУСТяшки exercises of that rank from the start.
        SetModeSettings(db_, kCrunchMode, {{QStringLiteral("book_poz"), QStringLiteral("0")}});
        rankBonusPending_ = true;
        messages << message;
    }
}

void RaceResults::moveProgression(const RaceOutcome &outcome, int speed, QStringList &messages)
{
    const ModeKind &kind = session_.kind();
    if (kind.ModeType == QStringLiteral("book")) {
        if (kind.ModeSubtype == QStringLiteral("zubr")) {
            moveMemorisation(outcome);
        } else {
            lastBookPlace_ = BookPlace{session_.CurrentMode(), modeSetting("book_poz"), 0};
            setModeSetting("book_poz", lastBookPlace_->position + 1);
        }
    }
    if (kind.ModeType == QStringLiteral("marathon") && kind.ModeSubtype == QStringLiteral("book")) {
        // Only a marathon that typed its last window to the end has read the book.
        if (outcome.reason == RaceOutcome::Reason::MarathonTextExhausted) {
            setModeSetting("book_poz", 0);
            messages << kBookMarathonDoneMessage;
        } else {
            setModeSetting("book_poz", modeSetting("book_poz") + outcome.TypedCount);
        }
    }
    if (kind.ModeType == QStringLiteral("trainer"))
        guard_.run(QStringLiteral("zps33"), [&] { moveExercise(speed, outcome.ErrorCount, messages); });
}

void RaceResults::moveMemorisation(const RaceOutcome &outcome)
{
    const ModeKind &kind = session_.kind();
    if (outcome.ErrorCount != 0 || RaceSpeed(outcome.textLength, outcome.elapsedMs) <= kind.ZubrSpeedLimit)
        return;
    const int position = modeSetting("book_poz");
    const int rounds = modeSetting("prohod");
    lastBookPlace_ = BookPlace{session_.CurrentMode(), position, rounds};
    if (position + 1 < modeSetting("book_len")) {
        setModeSetting("book_poz", position + 1);
        return;
    }
    // The set is done: the next pass starts from its first text, harder; after
    // the hardest pass the passes begin again.
    const int roundsLeft = rounds - 1 == 0 ? kMemorisationRounds : rounds - 1;
    SetModeSettings(db_, session_.CurrentMode(),
                    {{QStringLiteral("book_poz"), QStringLiteral("0")},
                     {QStringLiteral("prohod"), QString::number(roundsLeft)}});
}

void RaceResults::moveExercise(int speed, int errors, QStringList &messages)
{
    const QString mode = session_.CurrentMode();
    const int exercise = modeSetting("book_poz");
    bool passed = false;
    QString message;
    if (mode == kLearningMode) {
        const ExerciseVerdict verdict = JudgeLearningExercise(exercise, speed, errors);
        passed = verdict.passed;
        message = verdict.message;
    } else if (mode == kCrunchMode) {
        passed = CrunchExercisePassed(exercise, session_.RegularRank(), speed, errors);
    }
    int next = exercise;
    if (passed) {
        next = exercise + 1;
        if (mode == kCrunchMode && next == kCrunchExercises) {
            next = 0;
            message = kCrunchCourseDoneMessage;
        }
        if (mode == kLearningMode && next == kLearningExercises) {
            next = 0;
            message = kLearningCourseDoneMessage;
        }
        setModeSetting("book_poz", next);
    }
    if (!message.isEmpty())
        messages << message;
}

CancelReport RaceResults::CancelResult()
{
    CancelReport report;
    if (!prompts_.askYesNo(kCancelQuestion))
        return report;
    if (CurrentPoints(db_) < kCancelPrice) {
        prompts_.message(kTooFewPointsMessage);
        return report;
    }
    const QString table = QuoteIdentifier(ResultsTableName(session_.CurrentMode()));
    const QString lastId = db_.Query(QStringLiteral("SELECT max(id) FROM %1").arg(table)).value();
    if (lastId.isEmpty())
        return report; // nothing stored, nothing to pay for
    {
        Transaction transaction(db_);
        db_.Execute(QStringLiteral("DELETE FROM %1 WHERE id = ?").arg(table), {lastId});
        putBookBack();
        SpendPoints(db_, kCancelPrice);
        transaction.commit();
    }
    report.cancelled = true;
    report.summary = refreshSummary();
    return report;
}

void RaceResults::putBookBack()
{
    // Only what the cancelled race itself moved goes back: a memorisation text
    // typed with mistakes never moved.
    if (!lastBookPlace_ || lastBookPlace_->mode != session_.CurrentMode())
        return;
    QList<SettingPair> place{{QStringLiteral("book_poz"), QString::number(lastBookPlace_->position)}};
    if (session_.kind().ModeSubtype == QStringLiteral("zubr"))
        place.append({QStringLiteral("prohod"), QString::number(lastBookPlace_->rounds)});
    SetModeSettings(db_, session_.CurrentMode(), place);
    lastBookPlace_.reset();
    session_.reloadKind();
}

SummaryView RaceResults::refreshSummary()
{
    SummaryView view = RefreshModeSummary(db_, session_.CurrentMode(), session_.RegularRank(), guard_);
    session_.setRankCaption(view.Rangname);
    return view;
}

int RaceResults::modeSetting(const char *column)
{
    return GetModeSetting(db_, session_.CurrentMode(), QString::fromLatin1(column)).toInt();
}

void RaceResults::setModeSetting(const char *column, int value)
{
    SetModeSettings(db_, session_.CurrentMode(), {{QString::fromLatin1(column), QString::number(value)}});
}

} // namespace tesmi
