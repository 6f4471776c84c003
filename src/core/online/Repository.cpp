#include "online/Repository.h"

#include "storage/Database.h"
#include "storage/ModeName.h"
#include "storage/Schema.h"
#include "util/Formatting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sqlite3.h>

namespace tesmi {

namespace {

const QString kExtension = QStringLiteral(".ttb");
const QString kAvailable = QStringLiteral("Доступен");
const QString kInstalled = QStringLiteral("Установлен");
const QString kNeedsUpdate = QStringLiteral("Нужно обновить");
const QString kInstall = QStringLiteral("Установить");
const QString kUpdate = QStringLiteral("Обновить");
const QString kReinstall = QStringLiteral("Переустановить");

const QString kInstalledMessage = QStringLiteral("Словарь \"%1\" успешно переустановлен");
const QString kUnreadableFile = QStringLiteral("Не удалось прочитать файл словаря \"%1\".");
const QString kInvalidName = QStringLiteral("Недопустимое имя файла словаря: \"%1\".");
const QString kTooShort = QStringLiteral("Файл словаря неполон: в нем меньше шести строк.");
const QString kForbiddenStatement =
    QStringLiteral("Словарь не установлен: строка %1 файла делает то, что словарю не позволено:\r\n%2");
const QString kNoModeTable = QStringLiteral("Словарь не установлен: файл не создает таблицу словаря.");
const QString kNoSettingsRow = QStringLiteral("Словарь не установлен: в таблице словаря нет строки настроек.");
const QString kUnpairedQuote = QStringLiteral("Словарь не установлен: в строке %1 файла непарная кавычка.");

constexpr int kFirstStatementLine = 3;
constexpr int kStatementLines = 3;
constexpr int kSettingsTextLine = 6;

bool sameTable(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0; // names are ASCII, as SQLite folds them
}

// The only things a dictionary's own statements may do: make, drop and fill its
// mode table and make its results table. SQLite itself reads and writes the
// schema table while it creates or drops a table (and refuses a statement that
// writes it directly).
bool allowedForDictionary(const AuthorizerRequest &request, const QString &table)
{
    static const QString schemaTable = QStringLiteral("sqlite_master");
    if (request.database != QStringLiteral("main"))
        return false;
    switch (request.action) {
    case SQLITE_CREATE_TABLE:
        return sameTable(request.first, table) || sameTable(request.first, u'_' + table);
    case SQLITE_DROP_TABLE:
        return sameTable(request.first, table);
    case SQLITE_INSERT:
    case SQLITE_DELETE:
        return sameTable(request.first, table) || request.first == schemaTable;
    case SQLITE_UPDATE:
    case SQLITE_READ: // a plain SELECT is refused, so only SQLite itself reads here
        return request.first == schemaTable;
    default:
        return false;
    }
}

void runOwnStatements(Database &db, const QStringList &lines, const QString &table)
{
    AuthorizerScope scope(db, [&](const AuthorizerRequest &request) { return allowedForDictionary(request, table); });
    for (int i = 0; i < kStatementLines; ++i) {
        const QString &line = lines.at(kFirstStatementLine - 1 + i);
        if (line.trimmed().isEmpty())
            continue;
        try {
            db.Execute(line);
        } catch (const DatabaseError &error) {
            if (scope.refused() || dynamic_cast<const SeveralStatementsError *>(&error))
                throw DictionaryError(kForbiddenStatement.arg(kFirstStatementLine + i).arg(line));
            throw;
        }
    }
}

// The file's lines; a line break at the very end starts no further line.
QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DictionaryError(kUnreadableFile.arg(QFileInfo(path).fileName()));
    QString content = QString::fromUtf8(file.readAll());
    if (content.endsWith(u'\n'))
        content.chop(1);
    QStringList lines = content.split(u'\n');
    for (QString &line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    return lines;
}

// A text line keeps its double quotes doubled; a lone one cannot be stored.
QString storedText(const QString &line, int lineNumber)
{
    if (!line.contains(u'"'))
        return line;
    QString text;
    text.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i) == u'"') {
            if (i + 1 >= line.size() || line.at(i + 1) != u'"')
                throw DictionaryError(kUnpairedQuote.arg(lineNumber));
            ++i;
        }
        text += line.at(i);
    }
    return text;
}

} // namespace

bool IsValidRepositoryName(const QString &name)
{
    if (!name.endsWith(kExtension))
        return false;
    const QString table = RepositoryTableName(name);
    // What the encoding yields for names of letters, digits, spaces, hyphens and
    // "_"; a leading "_" would name a service table, not a mode.
    static const QRegularExpression tableName(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9_]*$"));
    return tableName.match(table).hasMatch();
}

bool IsBook(const QString &name)
{
    return name.startsWith(u'!');
}

QString RepositoryTableName(const QString &name)
{
    QString table = name.endsWith(kExtension) ? name.chopped(kExtension.size()) : name;
    return IsBook(table) ? table.mid(1) : table;
}

QString RepositorySizeText(const QString &displayName, qint64 size)
{
    const double megabytes = double(size) / 1048576;
    if (megabytes <= 0.1)
        return displayName + QStringLiteral(" (") + FormatFixed(double(size) / 1024, 2) + QStringLiteral(" kb)");
    return displayName + QStringLiteral(" (") + FormatFixed(megabytes, 2) + QStringLiteral(" Mb)");
}

QList<RepositoryFile> BundledFiles(const QString &folder)
{
    QList<RepositoryFile> files;
    const QDir dir(folder);
    for (const QFileInfo &info : dir.entryInfoList({u'*' + kExtension}, QDir::Files, QDir::Name))
        if (IsValidRepositoryName(info.fileName()))
            files.append({info.fileName(), info.size(), info.filePath()});
    return files;
}

QList<RepositoryFile> MergeListings(const QList<RepositoryFile> &bundled, const QList<RepositoryFile> &server)
{
    QList<RepositoryFile> merged;
    QStringList names;
    for (const RepositoryFile &file : server) {
        if (IsValidRepositoryName(file.name) && !names.contains(file.name)) {
            merged.append({file.name, file.size, QString()});
            names << file.name;
        }
    }
    for (const RepositoryFile &file : bundled)
        if (!names.contains(file.name))
            merged.append(file);
    return merged;
}

RowState RepositoryRowState(Database &db, const QString &name)
{
    const QString table = RepositoryTableName(name);
    if (!db.TableExists(table))
        return {kAvailable, kInstall, true};
    if (IsBook(name) || DecodeModeName(table) != kRegularMode)
        return {kInstalled, kInstall, false};
    const int rows = db.Query(QStringLiteral("SELECT count(*) FROM %1").arg(QuoteIdentifier(table))).value().toInt();
    if (rows < 3)
        return {kNeedsUpdate, kUpdate, true};
    return {kInstalled, kReinstall, true};
}

QString InstallDictionary(Database &db, const QString &filePath, const QString &name)
{
    if (!IsValidRepositoryName(name))
        throw DictionaryError(kInvalidName.arg(name));
    const QString table = RepositoryTableName(name);
    const QString mode = DecodeModeName(table);
    const QStringList lines = readLines(filePath);
    if (lines.size() < kSettingsTextLine)
        throw DictionaryError(kTooShort);

    Transaction transaction(db);
    runOwnStatements(db, lines, table);
    if (!db.TableExists(table))
        throw DictionaryError(kNoModeTable);
    // A mode table without its results table would break the mode list.
    if (!db.TableExists(ResultsTableName(mode)))
        db.Execute(CreateResultsTableSql(mode));
    const QString quoted = QuoteIdentifier(table);
    if (db.Query(QStringLiteral("SELECT 1 FROM %1 WHERE id = 1").arg(quoted)).count() == 0)
        throw DictionaryError(kNoSettingsRow);
    db.Execute(QStringLiteral("UPDATE %1 SET text = ? WHERE id = 1").arg(quoted),
               {storedText(lines.at(kSettingsTextLine - 1), kSettingsTextLine)});
    Statement append(db, QStringLiteral("INSERT INTO %1 (text) VALUES (?)").arg(quoted));
    for (qsizetype i = kSettingsTextLine; i < lines.size(); ++i)
        append.run({storedText(lines.at(i), int(i + 1))});
    transaction.commit();
    return kInstalledMessage.arg(mode);
}

} // namespace tesmi
