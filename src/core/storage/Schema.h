#pragma once

#include "modes/BuiltInModes.h"

#include <QString>
#include <QStringList>

namespace tesmi {

class Database;

// Columns of a mode table made at start-up, in order (id first).
const QStringList &BaseLayoutColumns();
// The statement that creates every results table.
QString CreateResultsTableSql(const QString &modeName);

// Creates the service tables and the two built-in modes that are missing, and adds
// the settings columns that older files lack. True when the Обычный mode table had
// to be made: a first run with an empty text base.
bool EnsureSchema(Database &db);

} // namespace tesmi
