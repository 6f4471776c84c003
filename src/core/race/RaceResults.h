#pragma once

#include "progress/ModeSummary.h"
#include "race/RaceOutcome.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tesmi {

class Database;
class Guard;
class ModeSession;
class Prompts;

inline const QString kMarathonMode = QStringLiteral("Марафон");
inline constexpr int kImplausibleSpeed = 1200; // зн/мин no fair race reaches outside Марафон
inline constexpr qint64 kRankBonus = 10000;
inline constexpr qint64 kCancelPrice = 3000;

inline const QString kImplausibleSpeedMessage = QStringLiteral(
    "Не стоит так откровенно пользоваться уязвимостями программы.\r\nВсе результаты по данному режиму были удалены.");
inline const QString kCancelQuestion =
    QStringLiteral("За отмену результата с вас спишется 3000 очков.\r\nВы хотите отменить результат?");
inline const QString kTooFewPointsMessage = QStringLiteral("У вас недостаточное количество очков");
inline const QString kBookMarathonDoneMessage = QStringLiteral("Поздравляем! Вы успешно закончили книгомарафон!");
inline const QString kCrunchCourseDoneMessage = QStringLiteral(
    "Примите поздравления!\r\nВы прошли все упражнения для своего ранга\r\nи теперь вам следует повысить ранг в "
    "режиме Обычный,\r\nпосле чего ХРУСТяшки снова ждут вас :)");
inline const QString kLearningCourseDoneMessage = QStringLiteral(
    "Примите поздравления!\r\nВы прошли все упражнения и теперь знаете азы слепой печати.\r\nВ дальнейшем вам "
    "следует просто наращивать скорость,\r\nиспользуя другие режимы тренажера.\r\nНастоятельно рекомендуем "
    "потренировать словарь \r\n\"Самые частые слова\".");

// The captions of the result panel Panel2.
struct ResultPanelValues {
    QString Label5; // speed
    QString Label3; // minutes and seconds, "nn:ss"
    QString Label4; // "." and the tenths of a second
    QString Label7; // mistakes
    QString Label9; // their word and " ("
    QString Label8; // mistakes per hundred characters, two decimals
};

ResultPanelValues ResultPanelFor(const RaceOutcome &outcome, int marathonMinutes, const Guard &guard);

// What storing a result found: a new speed record, and the messages it earned
// (rank-ups, exercises, a finished book marathon), in the order to show them.
struct RecordReport {
    bool record = false;
    QStringList messages;
};

// What a finished race leaves for the main window to show.
struct FinishReport {
    ResultPanelValues panel;
    bool countersChanged = false; // redraw the finish counters
    bool record = false;          // show rek and start Timer8
    bool cancelVisible = false;   // SpeedButton2
    std::optional<SummaryView> summary; // none after an error-work race, which changes nothing
    QStringList messages;         // shown one by one once the panel is up
};

struct CancelReport {
    bool cancelled = false; // show RzPanel5, hide SpeedButton2
    std::optional<SummaryView> summary;
};

// What happens once a race is over: points, the stored result, records, rank-ups
// and the progress of books, memorisation sets and exercise courses.
class RaceResults {
public:
    RaceResults(Database &db, ModeSession &session, const Guard &guard, Prompts &prompts);

    // Everything the end of a race changes. Whatever the report shows is already
    // committed to the database.
    FinishReport FinishRace(const RaceOutcome &outcome);
    // Stores a counted race and moves the mode's progressions. A speed no fair
    // race reaches wipes the mode's results and ends the program instead.
    RecordReport RecordResult(const RaceOutcome &outcome);
    // Takes the last result of the current mode back for kCancelPrice points.
    CancelReport CancelResult();

    bool RankBonusPending() const { return rankBonusPending_; }

private:
    // Where a book stood before a race moved it, so that cancelling can put it back.
    struct BookPlace {
        QString mode;
        int position = 0;
        int rounds = 0;
    };


    bool countFinish(const RaceOutcome &outcome);
    [[noreturn]] void wipeResults(const QString &mode);
    int bestSpeed(const QString &mode);
    void insertRow(const QString &mode, const RaceOutcome &outcome, int speed);
    void congratulateOnRank(const QString &mode, int oldBest, int newBest, QStringList &messages);
    void moveProgression(const RaceOutcome &outcome, int speed, QStringList &messages);
    void moveMemorisation(const RaceOutcome &outcome);
    void moveExercise(int speed, int errors, QStringList &messages);
    void putBookBack();
    SummaryView refreshSummary();
    int modeSetting(const char *column);
    void setModeSetting(const char *column, int value);

    Database &db_;
    ModeSession &session_;
    const Guard &guard_;
    Prompts &prompts_;
    bool rankBonusPending_ = false;
    std::optional<BookPlace> lastBookPlace_;
};

} // namespace tesmi
