#include "storage/Schema.h"

#include "storage/Database.h"
#include "storage/ModeName.h"
#include "storage/Settings.h"

namespace tesmi {

namespace {

const QString kPlaceholderText = QStringLiteral("Это базовый текст, означающий, что нужно обновить текстовую базу!");

// Columns and values of _settings' one row, in declared order.
const QList<SettingPair> &settingsDefaults()
{
    static const QList<SettingPair> defaults{
        {"rangob", "Новичок"}, {"colorcar", "4"}, {"carID", "ЗАЗ_965"}, {"level", "0"}, {"last", kRegularMode},
        {"top", "0"}, {"left", "0"}, {"width", "0"}, {"height", "0"}, {"chk2", "0"}, {"chk3", "0"}, {"chk4", "0"},
        {"chk5", "0"}, {"chk6", "0"}, {"chk7", "0"}, {"chk8", "0"}, {"chk9", "0"}, {"chk10", "0"}, {"chk11", "0"},
        {"fontnumber", "7"}, {"textsize", "14"}, {"polesize", "1"}, {"lighting", "нет"}, {"speedometr", "1"},
        {"errors", "1"}, {"sekundometr", "1"}, {"polepoz", "0"}, {"limiterrors", "0"}, {"limitkol", "4"},
        {"doezd", "0"}, {"inet", "0"}, {"min", "0"}, {"login", ""},
    };
    return defaults;
}

// Columns that later versions added to _settings; older files get them at start-up.
const QList<SettingPair> &addedSettings()
{
    static const QList<SettingPair> added{{"inet", "0"}, {"min", "0"}, {"login", ""}};
    return added;
}

QString columnList(const QStringList &columns)
{
    QStringList declared{QStringLiteral("id INTEGER PRIMARY KEY")};
    for (const QString &column : columns.mid(1))
        declared << column + QStringLiteral(" TEXT");
    return declared.join(", ");
}

void insertRow(Database &db, const QString &table, const QList<SettingPair> &values)
{
    QStringList columns;
    QStringList texts;
    for (const auto &[column, value] : values) {
        columns << QuoteIdentifier(column);
        texts << value;
    }
    const QString marks = QStringList(QList<QString>(texts.size(), QStringLiteral("?"))).join(", ");
    db.Execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, columns.join(", "), marks), texts);
}

QList<SettingPair> builtInModeRow(const QString &text)
{
    QList<SettingPair> row{{"text", text},          {"type", "text"},      {"subtype", "text"},
                           {"fontnumber", "7"},     {"textsize", "10"},    {"polesize", "10"},
                           {"lighting", "нет"},     {"speedometr", "0"},   {"errors", "1"},
                           {"sekundometr", "1"}};
    for (const char *column :
         {"polepoz", "limiterrors", "limitkol", "doezd", "tek_doehano", "tek_bylo", "all_doehano", "all_bylo"})
        row.append(SettingPair(column, "0"));
    return row;
}

void ensureResultsTable(Database &db, const QString &mode)
{
    if (!db.TableExists(ResultsTableName(mode)))
        db.Execute(CreateResultsTableSql(mode));
}

// Creates a built-in mode table with the given rows; false when it existed.
bool ensureModeTable(Database &db, const QString &mode, const QList<QList<SettingPair>> &rows)
{
    const QString table = EncodeModeName(mode);
    if (db.TableExists(table))
        return false;
    db.Execute(QStringLiteral("CREATE TABLE %1 (%2)").arg(QuoteIdentifier(table), columnList(BaseLayoutColumns())));
    for (const auto &row : rows)
        insertRow(db, QuoteIdentifier(table), row);
    return true;
}

void ensureChatTable(Database &db)
{
    if (db.TableExists(QStringLiteral("_chat")))
        return;
    db.Execute(QStringLiteral(
        "CREATE TABLE _chat (id INTEGER PRIMARY KEY, time TEXT, speed TEXT, errorr TEXT, date TEXT, error TEXT)"));
    insertRow(db, QStringLiteral("_chat"),
              {{"time", "0"}, {"speed", "0"}, {"errorr", "300"}, {"date", "600"}, {"error", "4"}});
}

void ensureSettingsTable(Database &db)
{
    if (db.TableExists(QStringLiteral("_settings"))) {
        for (const auto &[column, value] : addedSettings()) {
            try {
                db.Execute(QStringLiteral("ALTER TABLE _settings ADD COLUMN %1 Text").arg(column));
            } catch (const DatabaseError &) {
                continue; // the column is there already
            }
            SetSetting(db, column, value);
        }
        return;
    }
    QStringList columns{QStringLiteral("id")};
    for (const auto &pair : settingsDefaults())
        columns << pair.first;
    db.Execute(QStringLiteral("CREATE TABLE _settings (%1)").arg(columnList(columns)));
    insertRow(db, QStringLiteral("_settings"), settingsDefaults());
}

} // namespace

const QStringList &BaseLayoutColumns()
{
    static const QStringList columns{"id",         "text",       "type",        "subtype",     "fontnumber",
                                     "textsize",   "polesize",   "lighting",    "speedometr",  "errors",
                                     "sekundometr", "polepoz",   "limiterrors", "limitkol",    "doezd",
                                     "tek_doehano", "tek_bylo",  "all_doehano", "all_bylo"};
    return columns;
}

QString CreateResultsTableSql(const QString &modeName)
{
    return QStringLiteral("CREATE TABLE %1 (id INTEGER PRIMARY KEY, time TEXT, speed TEXT, errorr TEXT, date TEXT, "
                          "error TEXT)")
        .arg(QuoteIdentifier(ResultsTableName(modeName)));
}

bool EnsureSchema(Database &db)
{
    Transaction transaction(db);
    if (!db.TableExists(QStringLiteral("_error")))
        db.Execute(QStringLiteral("CREATE TABLE _error (id INTEGER PRIMARY KEY, letter TEXT, koli TEXT)"));
    ensureChatTable(db);
    ensureResultsTable(db, kRegularMode);
    const bool firstRun =
        ensureModeTable(db, kRegularMode, {builtInModeRow(kPlaceholderText), {{"text", kPlaceholderText}}});
    ensureResultsTable(db, kErrorlessMode);
    ensureModeTable(db, kErrorlessMode, {builtInModeRow(QStringLiteral("фыва"))});
    ensureSettingsTable(db);
    transaction.commit();
    return firstRun;
}

} // namespace tesmi
