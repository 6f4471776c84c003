#include "storage/Database.h"

#include <sqlite3.h>

#include <vector>

namespace tesmi {

namespace {

QString fileError(const QString &path, const QString &reason)
{
    return QStringLiteral("Не удалось открыть базу данных \"%1\": %2").arg(path, reason);
}

} // namespace

QString QueryResult::value(qsizetype column) const
{
    if (rows.isEmpty())
        throw DatabaseError("the query returned no row");
    if (column >= rows.front().size())
        throw DatabaseError("the query returned no such column");
    return rows.front().at(column);
}

Statement::Statement(Database &db, const QString &sql) : db_(db), sql_(sql)
{
    const QByteArray text = sql.toUtf8();
    const char *tail = nullptr;
    if (sqlite3_prepare_v2(db.handle(), text.constData(), int(text.size()), &stmt_, &tail) != SQLITE_OK)
        fail("cannot prepare");
    if (stmt_ == nullptr)
        fail("empty statement");
    // One statement per call: trailing statements would silently never run.
    while (tail && *tail && (*tail == ' ' || *tail == ';' || *tail == '\n' || *tail == '\r' || *tail == '\t'))
        ++tail;
    if (tail && *tail) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        throw SeveralStatementsError("more than one statement in: " + sql.toStdString());
    }
}

Statement::~Statement()
{
    sqlite3_finalize(stmt_);
}

void Statement::bindAll(const QStringList &values)
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    if (values.size() != sqlite3_bind_parameter_count(stmt_))
        throw DatabaseError("wrong number of values for: " + sql_.toStdString());
    for (int i = 0; i < values.size(); ++i) {
        const QByteArray bytes = values.at(i).toUtf8();
        if (sqlite3_bind_text(stmt_, i + 1, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT) != SQLITE_OK)
            fail("cannot bind a value");
    }
}

void Statement::run(const QStringList &values)
{
    bindAll(values);
    const int rc = sqlite3_step(stmt_);
    if (rc != SQLITE_DONE) {
        const QString reason = rc == SQLITE_ROW ? QStringLiteral("the statement returned rows") : db_.lastError();
        sqlite3_reset(stmt_);
        throw DatabaseError((reason + QStringLiteral(" in: ") + sql_).toStdString());
    }
    sqlite3_reset(stmt_);
}

QueryResult Statement::fetchAll(const QStringList &values)
{
    bindAll(values);
    QueryResult result;
    const int columnCount = sqlite3_column_count(stmt_);
    for (int c = 0; c < columnCount; ++c)
        result.columns << QString::fromUtf8(sqlite3_column_name(stmt_, c));
    int rc;
    while ((rc = sqlite3_step(stmt_)) == SQLITE_ROW) {
        QStringList row;
        row.reserve(columnCount);
        for (int c = 0; c < columnCount; ++c) {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt_, c));
            row << (text ? QString::fromUtf8(text, sqlite3_column_bytes(stmt_, c)) : QString(""));
        }
        result.rows << std::move(row);
    }
    if (rc != SQLITE_DONE) {
        const QString reason = db_.lastError();
        sqlite3_reset(stmt_);
        throw DatabaseError((reason + QStringLiteral(" in: ") + sql_).toStdString());
    }
    sqlite3_reset(stmt_);
    return result;
}

void Statement::forEachRow(const QStringList &values, const std::function<void(RowBytes)> &visit)
{
    bindAll(values);
    const int columnCount = sqlite3_column_count(stmt_);
    std::vector<std::string_view> row(static_cast<std::size_t>(columnCount));
    int rc;
    while ((rc = sqlite3_step(stmt_)) == SQLITE_ROW) {
        for (int c = 0; c < columnCount; ++c) {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt_, c));
            row[std::size_t(c)] = text ? std::string_view(text, std::size_t(sqlite3_column_bytes(stmt_, c)))
                                       : std::string_view();
        }
        try {
            visit(row);
        } catch (...) {
            sqlite3_reset(stmt_);
            throw;
        }
    }
    if (rc != SQLITE_DONE) {
        const QString reason = db_.lastError();
        sqlite3_reset(stmt_);
        throw DatabaseError((reason + QStringLiteral(" in: ") + sql_).toStdString());
    }
    sqlite3_reset(stmt_);
}

void Statement::fail(const char *what) const
{
    throw DatabaseError(QStringLiteral("%1: %2 in: %3").arg(QString::fromUtf8(what), db_.lastError(), sql_).toStdString());
}

std::unique_ptr<Database> Database::OpenDatabase(const QString &path)
{
    sqlite3 *handle = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &handle, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        const QString reason = handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(handle);
        throw DatabaseError(fileError(path, reason).toStdString());
    }
    std::unique_ptr<Database> db(new Database(handle));
    if (sqlite3_db_readonly(handle, "main") == 1)
        throw DatabaseError(fileError(path, QStringLiteral("файл доступен только для чтения")).toStdString());
    try {
        db->Execute(QStringLiteral("PRAGMA SYNCHRONOUS=NORMAL;"));
        db->Execute(QStringLiteral("PRAGMA temp_store = MEMORY;"));
        // Reading the schema is what detects a file that is not a database.
        db->Query(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    } catch (const DatabaseError &) {
        throw DatabaseError(fileError(path, db->lastError()).toStdString());
    }
    return db;
}

Database::Database(sqlite3 *db) : db_(db)
{
    sqlite3_update_hook(db_, &Database::countRowChange, this);
}

void Database::countRowChange(void *self, int operation, const char *, const char *table, long long)
{
    if (operation == SQLITE_INSERT || operation == SQLITE_DELETE)
        ++static_cast<Database *>(self)->rowChanges_[table];
}

quint64 Database::rowChanges(const QString &table) const
{
    const auto found = rowChanges_.find(table.toStdString());
    return found == rowChanges_.end() ? 0 : found->second;
}

Database::~Database()
{
    sqlite3_close_v2(db_);
}

QString Database::lastError() const
{
    return QString::fromUtf8(sqlite3_errmsg(db_));
}

void Database::Execute(const QString &sql, const QStringList &values)
{
    Statement(*this, sql).run(values);
}

QueryResult Database::Query(const QString &sql, const QStringList &values)
{
    return Statement(*this, sql).fetchAll(values);
}

QStringList Database::QueryColumn(const QString &sql, const QStringList &values)
{
    QStringList column;
    for (const QStringList &row : Query(sql, values).rows)
        column << row.value(0);
    return column;
}

bool Database::TableExists(const QString &name)
{
    // lower() folds Latin letters only, as SQLite itself compares table names.
    return Query(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND lower(name) = lower(?)"), {name})
               .count()
           > 0;
}

void Database::BeginTransaction()
{
    if (inTransaction())
        throw DatabaseError("a transaction is already open");
    Execute(QStringLiteral("BEGIN TRANSACTION;"));
}

void Database::Commit()
{
    Execute(QStringLiteral("COMMIT;"));
}

void Database::Rollback()
{
    if (inTransaction())
        Execute(QStringLiteral("ROLLBACK;"));
}

bool Database::inTransaction() const
{
    return sqlite3_get_autocommit(db_) == 0;
}

Transaction::Transaction(Database &db) : db_(db)
{
    db_.BeginTransaction();
}

Transaction::~Transaction()
{
    if (!done_) {
        try {
            db_.Rollback();
        } catch (const DatabaseError &) {
            // Nothing more can be done while unwinding; SQLite ends the transaction
            // with the connection at the latest.
        }
    }
}

void Transaction::commit()
{
    db_.Commit();
    done_ = true;
}

AuthorizerScope::AuthorizerScope(Database &db, std::function<bool(const AuthorizerRequest &)> allow)
    : db_(db), allow_(std::move(allow))
{
    sqlite3_set_authorizer(db_.handle(), &AuthorizerScope::decide, this);
}

AuthorizerScope::~AuthorizerScope()
{
    sqlite3_set_authorizer(db_.handle(), nullptr, nullptr);
}

int AuthorizerScope::decide(void *self, int action, const char *first, const char *second, const char *database,
                            const char *)
{
    auto *scope = static_cast<AuthorizerScope *>(self);
    const AuthorizerRequest request{action, QString::fromUtf8(first), QString::fromUtf8(second),
                                    QString::fromUtf8(database)};
    if (scope->allow_(request))
        return SQLITE_OK;
    if (!scope->refused_)
        scope->refused_ = request;
    return SQLITE_DENY;
}

QString QuoteIdentifier(const QString &name)
{
    // Backticks, unlike double quotes, never fall back to a string literal when the
    // name is not found, so a missing column stays an error.
    QString quoted = name;
    quoted.replace('`', QStringLiteral("``"));
    return '`' + quoted + '`';
}

} // namespace tesmi
