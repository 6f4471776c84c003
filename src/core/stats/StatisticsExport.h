#pragma once

#include <QByteArray>
#include <QString>

namespace tesmi {

class Database;

inline const QString kExportSavedMessage = QStringLiteral("Статистика сохранена и находится по адресу:");

// A mode's results as the export file holds them: a header, then one line per
// result in stored order, fields joined by ";", Windows-1251, CR LF after each.
QByteArray StatisticsExportBytes(Database &db, const QString &mode);
// Writes them to `path`, replacing the file; throws std::runtime_error naming
// the file when it cannot be written.
void ExportStatistics(Database &db, const QString &mode, const QString &path);

} // namespace tesmi
