#include "vehicles.h"

#include <stdexcept>

namespace carsgen {

const std::vector<BodyColour>& bodyColours()
{
    static const std::vector<BodyColour> colours = {
        {QStringLiteral("_White"), {QColor(0xff, 0xff, 0xff), QColor(0xee, 0xee, 0xee), QColor(0xbc, 0xbc, 0xbc), QColor(0x70, 0x70, 0x70)}},
        {QStringLiteral("_Black"), {QColor(0x74, 0x74, 0x74), QColor(0x34, 0x34, 0x34), QColor(0x16, 0x16, 0x16), QColor(0x00, 0x00, 0x00)}},
        {QStringLiteral("_Red"), {QColor(0xff, 0x72, 0x60), QColor(0xd8, 0x22, 0x1c), QColor(0x8c, 0x12, 0x0e), QColor(0x52, 0x0a, 0x08)}},
        {QStringLiteral("_Blue"), {QColor(0x78, 0xaa, 0xff), QColor(0x1f, 0x5c, 0xd0), QColor(0x10, 0x36, 0x84), QColor(0x08, 0x1e, 0x50)}},
        {QStringLiteral("_Green"), {QColor(0x7e, 0xdc, 0x74), QColor(0x24, 0x9c, 0x30), QColor(0x12, 0x62, 0x1c), QColor(0x08, 0x3a, 0x10)}},
        {QStringLiteral("_Yellow"), {QColor(0xff, 0xf4, 0x90), QColor(0xf6, 0xc8, 0x18), QColor(0xc4, 0x8c, 0x00), QColor(0x6a, 0x4e, 0x00)}},
    };
    return colours;
}

std::vector<CarModel> allCarModels()
{
    std::vector<CarModel> models;
    for (auto group : {everydayCars, sportsCars, vintageCars, heavyVehicles, waterAndAirVehicles,
                        twoWheelers, fantasyVehicles}) {
        std::vector<CarModel> cars = group();
        models.insert(models.end(), cars.begin(), cars.end());
    }
    return models;
}

Design carDesign(const QString& name)
{
    for (CarModel& car : allCarModels())
        if (car.name == name)
            return std::move(car.design);
    throw std::out_of_range("no car named " + name.toStdString());
}

} // namespace carsgen
