#include "app/Startup.h"

#include "app/AppPaths.h"
#include "platform/Desktop.h"
#include "storage/Database.h"
#include "storage/Schema.h"
#include "storage/Settings.h"
#include "util/Guard.h"

namespace tesmi {

namespace {

// A stored number that is not one reads as 0, like a fresh file's defaults.
int readInt(Database &db, const QString &column)
{
    return GetSetting(db, column).toInt();
}

} // namespace

bool DecimalSeparatorAccepted(const QLocale &locale)
{
    return locale.decimalPoint() == QStringLiteral(",");
}

QString DecimalSeparatorMessage(const QLocale &locale)
{
    return QStringLiteral("В системе стоит знак \"%1\" в качестве разделителя дробной части в числах.\r\nДля работы "
                          "программы требуется разделитель \",\".")
        .arg(locale.decimalPoint());
}

void RefuseWrongDecimalSeparator(const QLocale &locale, const Guard &guard)
{
    if (!DecimalSeparatorAccepted(locale))
        guard.refuse(DecimalSeparatorMessage(locale));
}

void RefuseTypingRobot(const Desktop &desktop, const Guard &guard)
{
    if (desktop.topLevelWindowExists(kRobotWindowCaption))
        guard.refuse(kRobotMessage);
}

void RefuseMissingCarsPack(bool present, const Guard &guard)
{
    if (!present)
        guard.refuse(kCarsMissingMessage);
}

Storage OpenStorage(const AppPaths &paths, const Guard &guard)
{
    Storage storage;
    try {
        storage.db = Database::OpenDatabase(paths.databaseFile());
    } catch (const DatabaseError &error) {
        guard.refuse(QString::fromUtf8(error.what()));
    }
    try {
        storage.firstRun = EnsureSchema(*storage.db);
    } catch (const DatabaseError &error) {
        guard.refuse(QStringLiteral("Не удалось подготовить базу данных \"%1\": %2")
                         .arg(paths.databaseFile(), QString::fromUtf8(error.what())));
    }
    return storage;
}

WindowPlacement LoadWindowPlacement(Database &db)
{
    WindowPlacement placement;
    placement.top = readInt(db, QStringLiteral("top"));
    placement.left = readInt(db, QStringLiteral("left"));
    placement.height = readInt(db, QStringLiteral("height"));
    placement.width = readInt(db, QStringLiteral("width"));
    placement.collapsed = GetSetting(db, QStringLiteral("min")) == QStringLiteral("1");
    return placement;
}

void SaveExitSettings(Database &db, const ExitSettings &settings)
{
    const WindowPlacement &p = settings.placement;
    Transaction transaction(db);
    SetSetting(db, QStringLiteral("last"), settings.lastMode);
    SetSetting(db, QStringLiteral("top"), QString::number(p.top));
    SetSetting(db, QStringLiteral("left"), QString::number(p.left));
    SetSetting(db, QStringLiteral("height"), QString::number(p.height));
    SetSetting(db, QStringLiteral("width"), QString::number(p.width));
    SetSetting(db, QStringLiteral("carID"), settings.carId);
    SetSetting(db, QStringLiteral("colorcar"), QString::number(settings.carColour));
    SetSetting(db, QStringLiteral("min"), p.collapsed ? QStringLiteral("1") : QStringLiteral("0"));
    transaction.commit();
}

bool DonationLinkVisible(Database &db, const QDate &today)
{
    if (!db.TableExists(QStringLiteral("_donate")))
        return true;
    const QueryResult row = db.Query(QStringLiteral("SELECT date FROM _donate WHERE id = 1"));
    if (row.count() == 0)
        return true;
    const QDate credited = QDate::fromString(row.value(), QStringLiteral("dd.MM.yyyy"));
    return !credited.isValid() || today > credited.addDays(30);
}

} // namespace tesmi
