#include "app/AppPaths.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tesmi {

namespace {

// Permission bits do not tell (root passes every access check), so try it.
bool canCreateFilesIn(const QString &dir)
{
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral("write-probe-XXXXXX")));
    return probe.open();
}

QString chooseDataDir(const QString &programDir)
{
    if (canCreateFilesIn(programDir))
        return programDir;
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(perUser);
    return perUser;
}

} // namespace

AppPaths::AppPaths(const QString &programDir)
    : programDir_(QDir::cleanPath(programDir)), dataDir_(chooseDataDir(programDir_))
{
}

QString AppPaths::carsPack() const
{
    return QDir(programDir_).filePath(QStringLiteral("cars.dll"));
}

QString AppPaths::serversIni() const
{
    return QDir(programDir_).filePath(QStringLiteral("servers.ini"));
}

QString AppPaths::bundledDictionaries() const
{
    return QDir(programDir_).filePath(QStringLiteral("dictionaries"));
}

QString AppPaths::dataFile(const QString &name) const
{
    return QDir(dataDir_).filePath(name);
}

} // namespace tesmi
