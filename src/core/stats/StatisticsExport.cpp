#include "stats/StatisticsExport.h"

#include "storage/Database.h"
#include "storage/ModeName.h"

#include <QSaveFile>
#include <QStringEncoder>

#include <stdexcept>

namespace tesmi {

QByteArray StatisticsExportBytes(Database &db, const QString &mode)
{
    QString text = QStringLiteral("Номер;Дата;Время заезда;Скорость;Ошибки;Процент ошибок\r\n");
    const QueryResult rows = db.Query(QStringLiteral("SELECT date, time, speed, error, errorr FROM %1 ORDER BY id")
                                          .arg(QuoteIdentifier(ResultsTableName(mode))));
    int number = 0;
    for (const QStringList &row : rows.rows)
        text += QString::number(++number) + ';' + row.join(';') + QStringLiteral("\r\n");
    QStringEncoder toWindows1251("windows-1251");
    return toWindows1251.encode(text);
}

void ExportStatistics(Database &db, const QString &mode, const QString &path)
{
    // Written aside and renamed over the old file, so a failed export never
    // leaves half a file behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(StatisticsExportBytes(db, mode)) < 0 || !file.commit())
        throw std::runtime_error(QStringLiteral("Не удалось записать файл \"%1\": %2")
                                     .arg(path, file.errorString())
                                     .toStdString());
}

} // namespace tesmi
