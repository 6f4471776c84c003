#pragma once

#include <QList>
#include <QString>

namespace tesmi {

class Database;
class Prompts;

inline const QString kNotEnoughPointsMessage = QStringLiteral("У вас недостаточное количество очков");
inline const QString kEnterDateMessage = QStringLiteral("Введите дату и время заезда");
inline const QString kNoSuchRaceMessage = QStringLiteral("Заезда с такой датой не существует!");
inline const QString kResultDeletedMessage = QStringLiteral("Результат был успешно удален");
inline constexpr qint64 kDeletionPrice = 10000;

// One race on the charts, with the running averages up to and including it.
struct RacePoint {
    QString dateLabel; // "DD.MM.YY."
    int speed = 0;
    int averageSpeed = 0;
    double mistakes = 0;
    double averageMistakes = 0;
};

struct ModeStatistics {
    QList<RacePoint> races;
    QString Label6;  // average speed
    QString Label7;  // mileage
    QString Label8;  // record
    QString Label10; // average mistakes
};

// A mode's results with the same running averages the summary panel shows.
ModeStatistics LoadModeStatistics(Database &db, const QString &mode);
// "Суммарный пробег" over every mode.
QString TotalMileageCaption(int total);

struct DeletionOutcome {
    bool deleted = false;
    bool clearField = false; // the date field empties once the question was asked
};

// Deletes the results of one race, found by its exact date and time, for 10000
// points; every refusal is a message and changes nothing.
DeletionOutcome DeleteResultByDate(Database &db, Prompts &prompts, const QString &mode, const QString &typedDate);

} // namespace tesmi
