#include "online/ServiceAccess.h"

#include "app/AppPaths.h"
#include "storage/Settings.h"

#include <QSettings>

namespace tesmi {

FtpAccount ReadFtpAccount(const AppPaths &paths, int number)
{
    QSettings ini(paths.serversIni(), QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("ftp%1").arg(number));
    FtpAccount account;
    account.host = ini.value(QStringLiteral("host")).toString().trimmed();
    account.port = ini.value(QStringLiteral("port"), 21).toInt();
    account.user = ini.value(QStringLiteral("user")).toString();
    account.password = ini.value(QStringLiteral("password")).toString();
    return account;
}

bool AccessSwitchTicked(Database &db)
{
    return GetSetting(db, QStringLiteral("inet")) == QStringLiteral("1");
}

QString ReplyFilePath(const AppPaths &paths, const QString &name)
{
    return paths.dataFile(name);
}

} // namespace tesmi
