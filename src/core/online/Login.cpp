#include "online/Login.h"

#include "storage/Settings.h"

#include <QRegularExpression>

namespace tesmi {

QString UserLogin(Database &db)
{
    return GetSetting(db, QStringLiteral("login"));
}

bool IsValidLogin(const QString &login)
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z0-9_]{3,19}")));
    return pattern.match(login).hasMatch();
}

void StoreLogin(Database &db, const QString &login)
{
    SetSetting(db, QStringLiteral("login"), login);
}

} // namespace tesmi
