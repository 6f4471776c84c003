#include "progress/Points.h"

#include "storage/Settings.h"

#include <QString>

namespace tesmi {

namespace {

const QString kPointsColumn = QStringLiteral("level");

qint64 storedDoubledPoints(Database &db)
{
    return GetSetting(db, kPointsColumn).toLongLong();
}

void changePoints(Database &db, qint64 delta)
{
    SetSetting(db, kPointsColumn, QString::number(storedDoubledPoints(db) + 2 * delta));
}

} // namespace

qint64 CurrentPoints(Database &db)
{
    return storedDoubledPoints(db) / 2; // C++ division truncates toward zero, as required
}

void AddPoints(Database &db, qint64 amount)
{
    changePoints(db, amount);
}

void SpendPoints(Database &db, qint64 amount)
{
    changePoints(db, -amount);
}

} // namespace tesmi
