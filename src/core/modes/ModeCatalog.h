#pragma once

#include <QList>
#include <QString>

namespace tesmi {

class Database;

struct ModeEntry {
    QString name;      // display name
    int resultCount = 0;

    // How the pick list shows the mode: "Обычный (250)".
    QString caption() const { return QStringLiteral("%1 (%2)").arg(name).arg(resultCount); }
};

// Every mode in the file with its number of results, most results first.
QList<ModeEntry> FillModeList(Database &db);
// Whether the file holds the mode's texts table.
bool ModeExists(Database &db, const QString &mode);
// Results stored for a mode; a mode whose results table is missing has none.
int CountResults(Database &db, const QString &mode);

} // namespace tesmi
