#pragma once

#include <QString>

namespace tesmi {

class AppPaths;
class Database;

inline const QString kInternetRestrictedMessage =
    QStringLiteral("Доступ программы в Интернет ограничен в настройках профиля!");

// An FTP account of the deployment, read from servers.ini:
//   [ftp1]
//   host=…  port=21  user=…  password=…
// No host means no server is configured (the default).
struct FtpAccount {
    QString host;
    int port = 21;
    QString user;
    QString password;

    bool configured() const { return !host.isEmpty(); }
};

FtpAccount ReadFtpAccount(const AppPaths &paths, int number);

// The profile's switch that keeps the program offline, as stored.
bool AccessSwitchTicked(Database &db);

// Where a service's reply (or a downloaded file) of this name is written.
QString ReplyFilePath(const AppPaths &paths, const QString &name);

} // namespace tesmi
