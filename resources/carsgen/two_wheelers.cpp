// Motorcycles and a two-wheeled city pod.
#include "parts.h"
#include "vehicles.h"

namespace carsgen {
namespace {

// What sets one sports bike apart from another; the rest of the bike is shared.
struct SportBike {
    Outline fairing;
    Outline tail;
    Design frame;
    Design exhaust;
    Material fork;
    Design accents;
};

constexpr qreal kBikeWheelRadius = 9;
constexpr qreal kBikeRearX = 22;
constexpr qreal kBikeFrontX = 77;

Design sportBike(const SportBike& bike)
{
    Design design = {
        shadow(10, 90),
        wheel(kBikeRearX, kBikeWheelRadius, Rim::Sport, Arch::None),
        wheel(kBikeFrontX, kBikeWheelRadius, Rim::Sport, Arch::None),
        oval(Material::Steel, kBikeFrontX - 3.5, kGround - kBikeWheelRadius - 3.5, 7, 7),
        line(Material::Steel, {{kBikeRearX, kGround - kBikeWheelRadius}, {44, 34}}, 2.4),
        shape(Material::Trim, {{40, 33, 2}, {47, 27, 2}, {60, 28, 2}, {62, 38, 3}, {54, 42, 2}, {42, 40, 2}}),
    };
    append(design, bike.frame);
    append(design, bike.exhaust);
    append(design, {
        body(bike.tail),
        line(Material::Trim, {{26, 19.6}, {42, 21}}, 1.6),
        body({{42, 21, 1}, {50, 16, 3}, {62, 17, 2}, {64, 22, 1}, {44, 23, 1}}),
        line(Material::Trim, {{72, 17}, {67, 18.5}}, 1.3),
        glass({{66, 15, 0.5}, {73, 9.5, 1}, {77, 10.5, 1}, {78.5, 15.5, 0.5}}),
        line(bike.fork, {{74.5, 20}, {kBikeFrontX, kGround - kBikeWheelRadius}}, 2.2),
        body(bike.fairing),
        shape(Material::Paint, arcBand(wheelCentre(kBikeFrontX, kBikeWheelRadius), kBikeWheelRadius + 0.6,
                                       kBikeWheelRadius + 2, 45, 135)),
        shape(Material::Headlamp, {{80, 20, 1}, {87, 22.5, 1}, {85, 25, 1}, {80, 23.5, 1}}),
        box(Material::Taillamp, 12, 16.8, 2.5, 2, 0.5),
    });
    append(design, bike.accents);
    return design;
}

Design ducati848()
{
    return sportBike({
        .fairing = {{56, 23, 2}, {66, 15, 3}, {78, 16, 4}, {86, 23, 3}, {82, 31, 3}, {70, 37, 3}, {58, 34, 2}},
        .tail = {{12, 16.5, 1}, {22, 18, 2}, {42, 20, 1}, {44, 24, 1}, {26, 24.5, 2}, {15, 20.5, 1}},
        // The red trellis frame.
        .frame = {line(Material::Banner, {{44, 22}, {48, 30}, {52, 22}, {56, 30}, {60, 22}, {63, 28}}, 0.9),
                  line(Material::Banner, {{44, 22}, {66, 20}}, 1)},
        // Twin silencers tucked under the seat.
        .exhaust = {line(Material::Chrome, {{50, 40}, {38, 36}, {26, 26}}, 1.4),
                    shape(Material::Chrome, {{15, 21.5, 1}, {25, 23, 1}, {25, 26.5, 1}, {17, 25.5, 1}})},
        .fork = Material::Gold,
        .accents = {line(Material::Snow, {{62, 31}, {72, 31}}, 1.2)},
    });
}

Design hondaCbr1000rr()
{
    return sportBike({
        .fairing = {{56, 24, 1}, {65, 15, 2}, {78, 15, 2}, {88, 23, 1}, {84, 30, 1}, {72, 37, 2}, {58, 35, 1}},
        .tail = {{12, 17.5, 1}, {24, 19, 2}, {42, 21, 1}, {43, 25, 1}, {26, 25.5, 2}},
        // Twin aluminium spars.
        .frame = {shape(Material::Steel, {{42, 22, 1}, {66, 19, 1}, {67, 24, 1}, {44, 28, 1}})},
        // The short silencer under the engine.
        .exhaust = {shape(Material::Chrome, {{44, 41, 1}, {60, 40, 1}, {62, 43.5, 1}, {46, 44, 1}})},
        .fork = Material::Chrome,
        .accents = {line(Material::Snow, {{60, 32}, {82, 22}}, 1.4), line(Material::Snow, {{64, 34}, {83, 25.5}}, 0.8)},
    });
}

Design batpod()
{
    return {
        shadow(4, 96),
        wheel(18, 12, Rim::Hubcap, Arch::None),
        wheel(81, 12, Rim::Hubcap, Arch::None),
        // Cannons alongside the front wheel.
        line(Material::Trim, {{62, 31}, {96, 31}}, 1.8),
        line(Material::Trim, {{64, 34.5}, {93, 34.5}}, 1.4),
        body({{24, 38, 2}, {26, 28, 4}, {44, 24, 3}, {62, 25, 3}, {72, 30, 2}, {70, 38, 2}, {50, 41, 2}}),
        shape(Material::Trim, {{34, 25.5, 0.5}, {44, 22.5, 2}, {54, 24.5, 0.5}}),
        body({{8, 22, 2}, {20, 20, 3}, {28, 26, 1}, {14, 26, 1}}),
        body({{68, 27, 1}, {84, 21, 3}, {94, 28, 2}, {86, 31, 1}}),
        line(Material::Trim, {{66, 27}, {75, 23.5}}, 1.6),
        oval(Material::Trim, 15, 31.5, 6, 6),
        oval(Material::Trim, 78, 31.5, 6, 6),
        line(Material::Headlamp, {{89, 26.5}, {93.5, 28.5}}, 1.3),
        line(Material::Taillamp, {{7.5, 23}, {9.5, 26.5}}, 1.2),
    };
}

// A two-seat electric pod balancing on two side-by-side wheels.
Design chevroletEnV()
{
    return {
        shadow(30, 70),
        body({{32, 38, 4}, {28, 20, 10}, {38, 5, 12}, {62, 5, 12}, {72, 20, 10}, {68, 38, 4}}),
        glass({{44, 32, 2}, {42, 10, 8}, {58, 6.5, 8}, {70, 18, 6}, {66, 33, 3}}),
        seam({{30, 26}, {44, 26}}),
        line(Material::Headlamp, {{69, 30}, {71.5, 23}}, 1.4),
        line(Material::Taillamp, {{30.5, 30}, {29.5, 23}}, 1.4),
        wheel(50, 9, Rim::Sport),
    };
}

} // namespace

std::vector<CarModel> twoWheelers()
{
    return {
        {QStringLiteral("Ducati_848_2010"), ducati848()},
        {QStringLiteral("Honda_CBR_1000RR"), hondaCbr1000rr()},
        {QStringLiteral("Бэтпод"), batpod()},
        {QStringLiteral("Chevrolet_EN_V"), chevroletEnV()},
    };
}

} // namespace carsgen
