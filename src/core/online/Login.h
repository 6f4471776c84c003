#pragma once

#include <QString>

namespace tesmi {

class Database;

inline const QString kLoginPrompt = QStringLiteral("Ваш логин на сайте (латинские буквы, цифры и \"_\"):");
inline const QString kLoginRefused =
    QStringLiteral("Логин может состоять только из латинских букв, цифр и знака \"_\" и быть длиной от 3 до 19 "
                   "символов.");

// The administrator's login unlocks the moderator's functions.
inline const QString kModeratorLogin = QStringLiteral("Kwentorbal");

// The login that the online services and the moderator functions go by; empty
// until the user gives one.
QString UserLogin(Database &db);
// Latin letters, digits and "_", 3 to 19 characters.
bool IsValidLogin(const QString &login);
void StoreLogin(Database &db, const QString &login);

} // namespace tesmi
