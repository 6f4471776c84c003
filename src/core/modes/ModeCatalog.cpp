#include "modes/ModeCatalog.h"

#include "storage/Database.h"
#include "storage/ModeName.h"

#include <algorithm>

namespace tesmi {

QList<ModeEntry> FillModeList(Database &db)
{
    QList<ModeEntry> modes;
    const QStringList tables = db.QueryColumn(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'"));
    for (const QString &table : tables) {
        if (table.startsWith('_'))
            continue;
        const QString name = DecodeModeName(table);
        modes.append({name, CountResults(db, name)});
    }
    std::stable_sort(modes.begin(), modes.end(),
                     [](const ModeEntry &a, const ModeEntry &b) { return a.resultCount > b.resultCount; });
    return modes;
}

bool ModeExists(Database &db, const QString &mode)
{
    const QString table = EncodeModeName(mode);
    return !mode.isEmpty() && !table.startsWith('_') && db.TableExists(table);
}

int CountResults(Database &db, const QString &mode)
{
    const QString table = ResultsTableName(mode);
    // A mode table without its results table would otherwise take the whole list
    // down; such a mode simply has no results yet.
    if (!db.TableExists(table))
        return 0;
    return db.Query(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QuoteIdentifier(table))).value().toInt();
}

} // namespace tesmi
