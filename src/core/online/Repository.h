#pragma once

#include <QList>
#include <QString>

#include <stdexcept>

namespace tesmi {

class Database;

// A dictionary or book file of the repository (".ttb"). `path` is where a bundled
// file lies; a file on the server has none until it is downloaded.
struct RepositoryFile {
    QString name;
    qint64 size = 0;
    QString path;

    bool onServer() const { return path.isEmpty(); }
};

// A file that cannot be installed; the text says why, for the user.
class DictionaryError : public std::runtime_error {
public:
    explicit DictionaryError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

// A dictionary's file name is its mode table's name (a book's with "!" in front)
// followed by ".ttb". Anything else — path separators, "..", an empty name, a
// name that is not a mode table's — is never listed, written to disk or run.
bool IsValidRepositoryName(const QString &name);
bool IsBook(const QString &name);
// The mode table a file installs: the name without ".ttb" and the leading "!".
QString RepositoryTableName(const QString &name);

// "Аб (102,40 kb)", "Аб (0,10 Mb)".
QString RepositorySizeText(const QString &displayName, qint64 size);

// The valid files of a folder, in name order.
QList<RepositoryFile> BundledFiles(const QString &folder);
// The server's valid files in its order, then the bundled ones it lacks: the
// server's copy wins on equal names.
QList<RepositoryFile> MergeListings(const QList<RepositoryFile> &bundled, const QList<RepositoryFile> &server);

// What a row shows for a file, given what the database holds.
struct RowState {
    QString status;
    QString button;
    bool enabled = true;
};
RowState RepositoryRowState(Database &db, const QString &name);

// Runs a dictionary file into the database in one transaction: lines 3 to 5 as
// statements (only creating, dropping or filling the file's own mode table and
// creating its results table is allowed), line 6 as row 1's text, one row per
// further line. Makes sure the results table exists. Any failure leaves the
// database as it was and throws DictionaryError or DatabaseError. Returns the
// message that tells the user it worked.
QString InstallDictionary(Database &db, const QString &filePath, const QString &name);

} // namespace tesmi
