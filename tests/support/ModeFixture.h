#pragma once

#include "storage/Database.h"
#include "storage/ModeName.h"
#include "storage/Schema.h"

#include <QMap>
#include <QStringList>

namespace tesmi::fakes {

// A mode as a dictionary would be stored: every column a kind may read, row 1
// with settings and the first text, one text per further row.
struct ModeSpec {
    ModeSpec(QString name, QString type = "text", QString subtype = "text", QStringList texts = {"Первый текст."},
             QMap<QString, QString> settings = {})
        : name(std::move(name)), type(std::move(type)), subtype(std::move(subtype)), texts(std::move(texts)),
          settings(std::move(settings))
    {
    }

    QString name;
    QString type;
    QString subtype;
    QStringList texts;
    QMap<QString, QString> settings; // row-1 values beyond the defaults
};

inline void addMode(Database &db, const ModeSpec &mode)
{
    static const QStringList columns{"text",        "duration",    "dlina",      "prohod",   "limitspeed",
                                     "type",        "subtype",     "fontnumber", "textsize", "polesize",
                                     "lighting",    "speedometr",  "errors",     "sekundometr", "polepoz",
                                     "limiterrors", "limitkol",    "doezd",      "tek_doehano", "tek_bylo",
                                     "all_doehano", "all_bylo",    "book_len",   "book_poz"};
    QMap<QString, QString> row{{"duration", "0"}, {"dlina", "300"}, {"prohod", "6"}, {"limitspeed", "0"},
                               {"type", mode.type}, {"subtype", mode.subtype}, {"fontnumber", "7"},
                               {"textsize", "10"}, {"polesize", "10"}, {"lighting", "нет"}, {"speedometr", "1"},
                               {"errors", "1"}, {"sekundometr", "1"}, {"polepoz", "0"}, {"limiterrors", "0"},
                               {"limitkol", "0"}, {"doezd", "0"}, {"tek_doehano", "0"}, {"tek_bylo", "0"},
                               {"all_doehano", "0"}, {"all_bylo", "0"},
                               {"book_len", QString::number(mode.texts.size())}, {"book_poz", "0"}};
    row["text"] = mode.texts.value(0);
    for (auto it = mode.settings.begin(); it != mode.settings.end(); ++it)
        row[it.key()] = it.value();
    const QString table = QuoteIdentifier(EncodeModeName(mode.name));
    QStringList declared{"id INTEGER PRIMARY KEY"};
    QStringList values;
    for (const QString &column : columns) {
        declared << column + " TEXT";
        values << row.value(column);
    }
    Transaction transaction(db);
    db.Execute(QStringLiteral("CREATE TABLE %1 (%2)").arg(table, declared.join(", ")));
    db.Execute(CreateResultsTableSql(mode.name));
    db.Execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                   .arg(table, columns.join(", "), QStringList(QList<QString>(columns.size(), "?")).join(", ")),
               values);
    Statement insert(db, QStringLiteral("INSERT INTO %1 (text) VALUES (?)").arg(table));
    for (const QString &text : mode.texts.mid(1))
        insert.run({text});
    transaction.commit();
}

inline void addResults(Database &db, const QString &mode, int count, const QString &speed = "300")
{
    Transaction transaction(db);
    Statement insert(db, QStringLiteral("INSERT INTO %1 (time, speed, errorr, date, error) VALUES (?, ?, ?, ?, ?)")
                             .arg(QuoteIdentifier(ResultsTableName(mode))));
    for (int i = 0; i < count; ++i)
        insert.run({"60", speed, "1,000", "09.12.2010 9:05:03", "3"});
    transaction.commit();
}

} // namespace tesmi::fakes
