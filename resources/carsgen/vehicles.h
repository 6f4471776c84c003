// The garage: every car model the program can show, and the six body colours.
#pragma once

#include "design.h"

#include <QString>

#include <vector>

namespace carsgen {

struct CarModel {
    QString name; // as the program names the car, words joined by "_"
    Design design;
};

struct BodyColour {
    QString suffix; // appended to the car name to form the picture name
    Paint paint;
};

const std::vector<BodyColour>& bodyColours();

// Each group lives in its own file; together they are the 66 cars of the garage.
std::vector<CarModel> everydayCars();
std::vector<CarModel> sportsCars();
std::vector<CarModel> vintageCars();
std::vector<CarModel> heavyVehicles();
std::vector<CarModel> waterAndAirVehicles();
std::vector<CarModel> twoWheelers();
std::vector<CarModel> fantasyVehicles();
std::vector<CarModel> allCarModels();

// The design of one garage car; throws std::out_of_range for an unknown name.
Design carDesign(const QString& name);

} // namespace carsgen
