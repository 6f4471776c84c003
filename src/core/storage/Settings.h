#pragma once

#include <QList>
#include <QString>

#include <utility>

namespace tesmi {

class Database;

using SettingPair = std::pair<QString, QString>; // column, value

// Row 1 of _settings. Both fail (DatabaseError) for a missing column or row.
QString GetSetting(Database &db, const QString &column);
void SetSetting(Database &db, const QString &column, const QString &value);

// Row 1 of a mode's table (or of "_chat"). The reader fails for a missing table,
// column or row.
QString GetModeSetting(Database &db, const QString &mode, const QString &column);
// Writes up to four columns in one update; pairs with an empty column name are
// skipped. Never reports a failure: a missing table or column changes nothing.
void SetModeSettings(Database &db, const QString &mode, const QList<SettingPair> &pairs);

} // namespace tesmi
