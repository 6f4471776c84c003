#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace tesmi {

// A failed storage operation; the text names the statement (or file) and
// SQLite's own reason.
class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// SQL text holding more than one statement, where one is expected.
class SeveralStatementsError : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};

struct QueryResult {
    QStringList columns;
    QList<QStringList> rows; // every value as text; NULL reads as empty text

    qsizetype count() const { return rows.size(); }
    // The first row's value of a column; a missing row is an error.
    QString value(qsizetype column = 0) const;
};

class Database;

// One prepared statement, reusable for many rows of a bulk write.
class Statement {
public:
    Statement(Database &db, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    // Binds the values in order, runs the statement to completion, then resets it.
    void run(const QStringList &values = {});
    QueryResult fetchAll(const QStringList &values = {});
    // Hands each row to `visit` as it is read, keeping none: for tables too big to
    // hold as text. The values are SQLite's UTF-8 bytes (NULL reads as empty),
    // valid only during the call.
    using RowBytes = std::span<const std::string_view>;
    void forEachRow(const QStringList &values, const std::function<void(RowBytes)> &visit);

private:
    void bindAll(const QStringList &values);
    [[noreturn]] void fail(const char *what) const;

    Database &db_;
    QString sql_;
    sqlite3_stmt *stmt_ = nullptr;
};

// The one connection to data.db. Values always travel as bound parameters, never
// inside the SQL text.
class Database {
public:
    // Opens (or creates) the file and applies the connection pragmas. Fails with a
    // message naming the file when it is not a usable, writable database; a file
    // that is not a database is left untouched.
    static std::unique_ptr<Database> OpenDatabase(const QString &path);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    void Execute(const QString &sql, const QStringList &values = {});
    QueryResult Query(const QString &sql, const QStringList &values = {});
    QStringList QueryColumn(const QString &sql, const QStringList &values = {});
    bool TableExists(const QString &name);
    void BeginTransaction();
    void Commit();
    void Rollback();
    bool inTransaction() const;

    // Rows inserted into or deleted from a table through this connection so far.
    // Lets a reader keep a row count until the table really changes.
    quint64 rowChanges(const QString &table) const;

    sqlite3 *handle() const { return db_; }
    QString lastError() const;

private:
    explicit Database(sqlite3 *db);
    static void countRowChange(void *self, int operation, const char *database, const char *table, long long rowid);

    sqlite3 *db_;
    std::unordered_map<std::string, quint64> rowChanges_;
};

// Commits on commit(); rolls back when left any other way, so a failed statement
// never leaves a transaction open.
class Transaction {
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    Database &db_;
    bool done_ = false;
};

// One question SQLite asks while it compiles a statement: the action code
// (SQLITE_CREATE_TABLE, SQLITE_INSERT, …) and the names it concerns.
struct AuthorizerRequest {
    int action = 0;
    QString first;    // mostly the table
    QString second;
    QString database; // "main", "temp", …
};

// While it lives, only statements whose every action `allow` accepts compile on
// the connection; the others fail to prepare. Remembers the first refusal.
class AuthorizerScope {
public:
    AuthorizerScope(Database &db, std::function<bool(const AuthorizerRequest &)> allow);
    ~AuthorizerScope();
    AuthorizerScope(const AuthorizerScope &) = delete;
    AuthorizerScope &operator=(const AuthorizerScope &) = delete;

    const std::optional<AuthorizerRequest> &refused() const { return refused_; }

private:
    static int decide(void *self, int action, const char *first, const char *second, const char *database,
                      const char *trigger);

    Database &db_;
    std::function<bool(const AuthorizerRequest &)> allow_;
    std::optional<AuthorizerRequest> refused_;
};

// A table or column name as an SQL identifier, quoted so that any character of a
// mode's encoded name is safe.
QString QuoteIdentifier(const QString &name);

} // namespace tesmi
