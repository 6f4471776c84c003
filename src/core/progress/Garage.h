#pragma once

#include <QDate>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

namespace tesmi {

inline const QString kAlreadyBoughtMessage = QStringLiteral("Этот транспорт уже куплен");
inline const QString kCarPriceCaption = QStringLiteral("Покупка любого автомобиля стоит 20000 очков");
inline constexpr qint64 kCarPrice = 20000;
inline constexpr int kCarCount = 66;

// The 66 cars, words joined by "_", in the garage's order.
const QStringList &CarNames();
// The six colours as the colour list shows them, and the picture suffix of each.
const QStringList &ColourNames();
QString ColourSuffix(int colour);
// "Toyota_Land_Cruiser" is shown as "Toyota Land Cruiser".
QString CarDisplayName(const QString &carId);

// The holiday vehicle shown instead of any car on that day, or an empty text.
QString HolidayPicture(const QDate &day);
// The picture of the owned car in its colour, or the holiday vehicle.
QString OwnedCarPicture(const QString &carId, int colour, const QDate &today);

// Where card n (1 … 66) stands in the garage: four to a row.
QPoint CardPosition(int card);

// What the buy buttons show: "Take1" usable, "Take2" not.
QString BuyButtonPicture(bool usable);

struct Purchase {
    bool alreadyOwned = false;   // answered with kAlreadyBoughtMessage; nothing changes
    bool bought = false;
    QString carId;               // the car owned afterwards
    qint64 pointsLeft = 0;
    QList<bool> usableButtons;   // per card, after the attempt
};

// Buying card n with the points there are; the owned car's button never is usable.
Purchase BuyCar(int card, qint64 points, const QString &ownedCar);

} // namespace tesmi
