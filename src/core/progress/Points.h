#pragma once

#include <QtGlobal>

namespace tesmi {

class Database;

// The user's points. The setting `level` holds twice their number: that doubled
// value is the stored format of every existing database.
qint64 CurrentPoints(Database &db);
void AddPoints(Database &db, qint64 amount);
// Checks nothing: whoever spends tests CurrentPoints first.
void SpendPoints(Database &db, qint64 amount);

} // namespace tesmi
