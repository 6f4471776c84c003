#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <memory>

namespace tesmi {

class AppPaths;
class Database;
class Desktop;
class Guard;

inline const QString kProgramTitle = QStringLiteral("TesmiTrainer");
inline const QString kProgramVersionTitle = QStringLiteral("TesmiTrainer 3.4.1.4");
inline const QString kRobotWindowCaption = QStringLiteral("SuperTypeRacer!");
inline const QString kRobotMessage =
    QStringLiteral("Неизвестная ошибка! Или известная, но набирать нужно только своими пальчиками ;)");
inline const QString kCarsMissingMessage = QStringLiteral("Файл \"cars.dll\" не найден. Приложение будет закрыто.");
inline const QString kFirstRunMessage = QStringLiteral(
    "Это ваш первый запуск программы.\r\nОбновите словарь \"Обычный\" в Репозитории словарей.\r\nТам же можно "
    "установить и другие словари по желанию.\r\nРепозиторий словарей теперь доступен в верхнем меню или по клавише "
    "F3.\r\nПериодически словари в репозитории будут добавляться.");

// Every decimal the program shows or stores carries a comma; under any other
// separator it refuses to start with this message.
bool DecimalSeparatorAccepted(const QLocale &locale);
QString DecimalSeparatorMessage(const QLocale &locale);

// Start-up steps that end the program with their message when they fail.
void RefuseWrongDecimalSeparator(const QLocale &locale, const Guard &guard);
void RefuseTypingRobot(const Desktop &desktop, const Guard &guard);
void RefuseMissingCarsPack(bool present, const Guard &guard);

struct Storage {
    std::unique_ptr<Database> db;
    bool firstRun = false; // the text base had to be created
};
// Opens data.db and creates what is missing; a file that cannot serve ends the
// program with a message naming it and the reason.
Storage OpenStorage(const AppPaths &paths, const Guard &guard);

// The main window's bounds as saved at exit, and whether the settings panel was
// collapsed.
struct WindowPlacement {
    int top = 0;
    int left = 0;
    int height = 0;
    int width = 0;
    bool collapsed = false;
};

WindowPlacement LoadWindowPlacement(Database &db);

struct ExitSettings {
    QString lastMode;
    WindowPlacement placement;
    QString carId;
    int carColour = 0;
};

void SaveExitSettings(Database &db, const ExitSettings &settings);

// The donation link hides for 30 days after the last credited donation.
bool DonationLinkVisible(Database &db, const QDate &today);

} // namespace tesmi
