#include "progress/Garage.h"

namespace tesmi {

const QStringList &CarNames()
{
    static const QStringList names{
        "ЗАЗ_965",          "Беларус_922",         "Caterpillar_247B",      "Volkswagen_Beetle",
        "Duesenberg_Speedster", "ВАЗ_2104",         "Fiat_Strada",           "Peugeot_Boxer",
        "Hummer_H3",        "Daewoo_Matiz",        "Ford_Focus_MK2",        "Renault_Megane",
        "Toyota_Land_Cruiser", "Smart_Fortwo",     "Volkswagen_Passat_B3",  "Mitsubishi_Lancer_X",
        "BMW_X6",           "Subaru_Tourer",       "Citroen_Hypnos",        "Audi_TT",
        "Lamborghini_MURCIELAGO", "Dodge_Viper",   "Болид_F1",              "Bugatti_Veyron",
        "Ferrari_FX_Concept", "Бэтмобиль",         "Аэроглиссер",           "SS1",
        "НЛО",              "911_GT3_RS",          "BMW_M6",                "Bugatti_Galibier",
        "Chevrolet_EN_V",   "Chevrolet_Orlando",   "Danny_Chhang_Concept",  "DeLorean_Time_Machine",
        "Ducati_848_2010",  "Ferrari_250_Testa_Rossa", "Ferrari_Zobin",     "Hennessey_Venom_GT1",
        "Honda_CBR_1000RR", "LM_Rally_Fighter",    "Mercedes_Benz_SL_600",  "Motorcity_Europe_MC1",
        "NBar",             "Nissan_Round_Box",    "Pagani_Zonda_R",        "Parasailing",
        "Porsche_Cayenne_S", "Red_Eagle",          "SSX",                   "Submarine",
        "Tumbler",          "Volkswagen_Corrado",  "ИХТИС",                 "Бэтпод",
        "Дракон",           "ДУ49",                "ЗИС155",                "Инсекатор",
        "Каравелла",        "Трамвай",             "УАЗ_3151",              "Retro",
        "Обгоняша",         "Слоник",
    };
    return names;
}

const QStringList &ColourNames()
{
    static const QStringList names{"Белый", "Черный", "Красный", "Синий", "Зеленый", "Желтый"};
    return names;
}

QString ColourSuffix(int colour)
{
    static const QStringList suffixes{"_White", "_Black", "_Red", "_Blue", "_Green", "_Yellow"};
    return suffixes.value(colour);
}

QString CarDisplayName(const QString &carId)
{
    return QString(carId).replace('_', ' ');
}

QString HolidayPicture(const QDate &day)
{
    const int year = day.year();
    if (year < 2013 || year > 2027)
        return {};
    const auto on = [&](int dayOfMonth, int month) { return day.day() == dayOfMonth && day.month() == month; };
    if (on(31, 12))
        return QStringLiteral("NY");
    if (on(23, 2))
        return QStringLiteral("TN");
    if (on(8, 3))
        return QStringLiteral("8N");
    // Guy Fawkes Night fell on the 5th in 2015 only.
    if (year == 2015 ? on(5, 11) : on(6, 11))
        return QStringLiteral("Scottish");
    return {};
}

QString OwnedCarPicture(const QString &carId, int colour, const QDate &today)
{
    const QString holiday = HolidayPicture(today);
    return holiday.isEmpty() ? carId + ColourSuffix(colour) : holiday;
}

QPoint CardPosition(int card)
{
    return QPoint(((card - 1) % 4) * 180 + 9, ((card - 1) / 4) * 140 + 141);
}

QString BuyButtonPicture(bool usable)
{
    return usable ? QStringLiteral("Take1") : QStringLiteral("Take2");
}

Purchase BuyCar(int card, qint64 points, const QString &ownedCar)
{
    Purchase purchase;
    purchase.carId = ownedCar;
    purchase.pointsLeft = points;
    const QString chosen = CarNames().value(card - 1);
    if (chosen == ownedCar) {
        purchase.alreadyOwned = true;
        return purchase;
    }
    purchase.bought = points >= kCarPrice;
    if (purchase.bought) {
        purchase.carId = chosen;
        purchase.pointsLeft = points - kCarPrice;
    }
    for (int n = 1; n <= kCarCount; ++n)
        purchase.usableButtons << (purchase.pointsLeft >= kCarPrice && CarNames().value(n - 1) != purchase.carId);
    return purchase;
}

} // namespace tesmi
