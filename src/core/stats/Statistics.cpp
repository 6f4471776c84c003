#include "stats/Statistics.h"

#include "platform/Prompts.h"
#include "progress/ModeSummary.h"
#include "progress/Points.h"
#include "progress/Ranks.h"
#include "storage/Database.h"
#include "storage/ModeName.h"
#include "storage/Schema.h"
#include "storage/Settings.h"
#include "util/Formatting.h"

namespace tesmi {

namespace {

QString chartDateLabel(const QString &stored)
{
    const QDate day = QDate::fromString(stored.section(' ', 0, 0), QStringLiteral("dd.MM.yyyy"));
    return day.isValid() ? day.toString(QStringLiteral("dd.MM.yy.")) : QString();
}

double percent(const QString &text)
{
    return QString(text).replace(',', '.').toDouble();
}

QString deletionQuestion(const QStringList &row)
{
    return QStringLiteral("Вы действительно хотите удалить результат заезда со следующими показателями: \r\n"
                          "скорость: %1\r\nколичество ошибок: %2 ?")
        .arg(row.at(0), row.at(1));
}

} // namespace

ModeStatistics LoadModeStatistics(Database &db, const QString &mode)
{
    ModeStatistics statistics;
    const QString table = ResultsTableName(mode);
    QList<QStringList> rows;
    if (db.TableExists(table))
        rows = db.Query(QStringLiteral("SELECT speed, errorr, date FROM %1 ORDER BY id").arg(QuoteIdentifier(table))).rows;
    RunningAverages averages;
    int record = 0;
    statistics.races.reserve(rows.size());
    for (const QStringList &row : rows) {
        const int speed = row.at(0).toInt();
        const double mistakes = percent(row.at(1));
        averages.add(speed, mistakes);
        record = std::max(record, speed);
        statistics.races.append(
            {chartDateLabel(row.at(2)), speed, averages.speed(), mistakes, averages.mistakesPercent()});
    }
    const int count = int(rows.size());
    statistics.Label6 = QString::number(averages.speed()) + kSpeedUnit;
    statistics.Label7 = QString::number(count) + ' ' + PluralTexts(QString::number(count));
    statistics.Label8 = QString::number(record) + kSpeedUnit;
    statistics.Label10 = (count > 0 ? averages.mistakes() : QStringLiteral("0,00")) + '%';
    return statistics;
}

QString TotalMileageCaption(int total)
{
    return QString::number(total) + ' ' + PluralTexts(QString::number(total));
}

DeletionOutcome DeleteResultByDate(Database &db, Prompts &prompts, const QString &mode, const QString &typedDate)
{
    DeletionOutcome outcome;
    if (CurrentPoints(db) < kDeletionPrice) {
        prompts.message(kNotEnoughPointsMessage);
        return outcome;
    }
    if (typedDate.isEmpty()) {
        prompts.message(kEnterDateMessage);
        return outcome;
    }
    const QString table = QuoteIdentifier(ResultsTableName(mode));
    const QueryResult found =
        db.Query(QStringLiteral("SELECT speed, error FROM %1 WHERE date = ? ORDER BY id LIMIT 1").arg(table), {typedDate});
    if (found.count() == 0) {
        prompts.message(kNoSuchRaceMessage);
        return outcome;
    }
    outcome.clearField = true;
    if (!prompts.askYesNo(deletionQuestion(found.rows.front())))
        return outcome;
    {
        Transaction transaction(db);
        db.Execute(QStringLiteral("DELETE FROM %1 WHERE date = ?").arg(table), {typedDate});
        SpendPoints(db, kDeletionPrice);
        if (mode == kRegularMode) {
            const int best = ReadModeSummary(db, kRegularMode).ModeBestSpeed;
            SetSetting(db, QStringLiteral("rangob"), RankForSpeed(best));
        }
        transaction.commit();
    }
    outcome.deleted = true;
    prompts.message(kResultDeletedMessage);
    return outcome;
}

} // namespace tesmi
