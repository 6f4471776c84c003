#include "storage/Settings.h"

#include "storage/Database.h"
#include "storage/ModeName.h"

namespace tesmi {

namespace {

const QString kSettingsTable = QStringLiteral("_settings");

QString readRowOne(Database &db, const QString &table, const QString &column)
{
    return db
        .Query(QStringLiteral("SELECT %1 FROM %2 WHERE id = 1").arg(QuoteIdentifier(column), QuoteIdentifier(table)))
        .value();
}

void writeRowOne(Database &db, const QString &table, const QList<SettingPair> &pairs)
{
    QStringList assignments;
    QStringList values;
    for (const auto &[column, value] : pairs) {
        if (column.isEmpty())
            continue;
        assignments << QuoteIdentifier(column) + QStringLiteral(" = ?");
        values << value;
    }
    if (assignments.isEmpty())
        return;
    db.Execute(QStringLiteral("UPDATE %1 SET %2 WHERE id = 1").arg(QuoteIdentifier(table), assignments.join(", ")),
               values);
}

} // namespace

QString GetSetting(Database &db, const QString &column)
{
    return readRowOne(db, kSettingsTable, column);
}

void SetSetting(Database &db, const QString &column, const QString &value)
{
    writeRowOne(db, kSettingsTable, {{column, value}});
}

QString GetModeSetting(Database &db, const QString &mode, const QString &column)
{
    return readRowOne(db, EncodeModeName(mode), column);
}

void SetModeSettings(Database &db, const QString &mode, const QList<SettingPair> &pairs)
{
    try {
        writeRowOne(db, EncodeModeName(mode), pairs);
    } catch (const DatabaseError &) {
        // A mode without the column keeps what it has; callers write settings that
        // only some kinds of mode carry.
    }
}

} // namespace tesmi
