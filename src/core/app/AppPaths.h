#pragma once

#include <QString>

namespace tesmi {

// Where the program's files are. The program's directory holds the executable and
// cars.dll; data.db and the service reply files live beside them when that
// directory is writable (a build tree, a portable copy), else in the per-user data
// directory. Nothing else builds paths.
class AppPaths {
public:
    explicit AppPaths(const QString &programDir);

    QString programDir() const { return programDir_; }
    QString dataDir() const { return dataDir_; }
    QString databaseFile() const { return dataFile(QStringLiteral("data.db")); }
    QString carsPack() const;
    // Deployment settings (server hosts, FTP accounts), beside the executable.
    QString serversIni() const;
    // The dictionary files that ship with the program.
    QString bundledDictionaries() const;
    QString dataFile(const QString &name) const;

private:
    QString programDir_;
    QString dataDir_;
};

} // namespace tesmi
