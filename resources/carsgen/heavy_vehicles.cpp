// Working machines and public transport: tractor, loader, locomotive, bus, tram.
#include "parts.h"
#include "vehicles.h"

namespace carsgen {
namespace {

// Steel rails for the vehicles that run on them.
Part rail()
{
    return line(Material::Steel, {{3, 47.3}, {97, 47.3}}, 1.2);
}

Design belarus922()
{
    const qreal rearRadius = 15;
    const qreal frontRadius = 8.5;
    return {
        shadow(8, 96),
        // Cab: roof, glass and frame.
        glass({{20.5, 28, 0.5}, {20.5, 6.5, 0.5}, {46.5, 6.5, 0.5}, {46.5, 24, 0.5}, {44, 28, 0.5}}),
        shape(Material::Trim, {{24, 27, 0.5}, {25, 17, 1.5}, {29, 17, 1.5}, {30, 27, 0.5}}),
        line(Material::Trim, {{38, 22}, {42, 17}}, 1.2),
        line(Material::Trim, {{40.5, 16.4}, {44, 18}}, 1.3),
        line(Material::Paint, {{20.5, 6}, {20.5, 28}}, 2.2),
        line(Material::Paint, {{34, 6}, {34, 28}}, 1.4),
        line(Material::Paint, {{46.5, 6}, {46.5, 24}}, 2.2),
        box(Material::Paint, 17, 3, 33, 3.6, 1.2),
        // Bonnet with grille, lights, exhaust and air cleaner.
        line(Material::Steel, {{62, 23}, {62, 8}}, 1.8),
        line(Material::Trim, {{60.8, 8}, {63.6, 7}}, 1.6),
        line(Material::Steel, {{71, 23}, {71, 16.5}}, 1.8),
        box(Material::Trim, 56, 35, 34, 4.5, 1),
        body({{44, 37, 1}, {44, 22, 1.5}, {88, 22.5, 2}, {92, 25, 1.5}, {92, 36, 1}}),
        seam({{48, 26}, {88, 26}}),
        line(Material::Trim, {{66, 29}, {82, 29}}, 0.8),
        line(Material::Trim, {{66, 31}, {82, 31}}, 0.8),
        box(Material::Trim, 90, 25.5, 2.4, 10, 0.5),
        box(Material::Headlamp, 88.5, 23, 3.5, 2.6, 0.8),
        box(Material::Steel, 91, 35, 6, 6.5, 1),
        wheel(80, frontRadius, Rim::Tractor, Arch::None),
        shape(Material::Paint, arcBand(wheelCentre(80, frontRadius), frontRadius + 1.2, frontRadius + 3, 15, 165)),
        wheel(26, rearRadius, Rim::Tractor, Arch::None),
        shape(Material::Paint, arcBand(wheelCentre(26, rearRadius), rearRadius + 1.2, rearRadius + 3.6, 20, 165)),
        box(Material::Taillamp, 40, 14.5, 2.4, 2.4, 0.5),
    };
}

Design caterpillar247b()
{
    return {
        shadow(10, 97),
        // Rubber track with its idlers and rollers.
        box(Material::Rubber, 12, 36.5, 60, 10, 5),
        oval(Material::Steel, 13.5, 38, 8, 8),
        oval(Material::Steel, 62.5, 38, 8, 8),
        oval(Material::Steel, 27, 41, 4.5, 4.5),
        oval(Material::Steel, 37.5, 41, 4.5, 4.5),
        oval(Material::Steel, 48, 41, 4.5, 4.5),
        // Engine at the back, cab in a roll cage.
        body({{10, 36, 1}, {10, 23, 2}, {14, 20, 2}, {32, 20, 1}, {32, 36, 1}}),
        line(Material::Trim, {{13, 24}, {13, 33}}, 0.8),
        line(Material::Trim, {{15.5, 24}, {15.5, 33}}, 0.8),
        line(Material::Trim, {{18, 24}, {18, 33}}, 0.8),
        line(Material::Trim, {{16, 20}, {16, 14}}, 1.5),
        glass({{33, 35, 0.5}, {33, 10, 0.5}, {54, 10, 0.5}, {57, 35, 0.5}}),
        shape(Material::Trim, {{38, 34, 0.5}, {39, 22, 1.5}, {44, 22, 1.5}, {45, 34, 0.5}}),
        line(Material::Trim, {{33, 35}, {33, 9}, {54, 9}, {57, 35}}, 1.8),
        box(Material::Paint, 31, 6.5, 27, 3.2, 1),
        // Lift arms and the bucket.
        body({{22, 20, 1}, {28, 13, 2}, {48, 13, 3}, {81, 30, 2}, {79, 34, 1}, {46, 18.5, 3}, {30, 20.5, 1}}),
        oval(Material::Trim, 25, 15.5, 3, 3),
        body({{76, 27, 1}, {84, 27, 3}, {94, 45, 0.5}, {76, 45, 2}}),
        seam({{78, 30}, {78, 43}}),
        line(Material::Steel, {{79, 45.6}, {96, 45.6}}, 1.4),
    };
}

Design du49()
{
    return {
        rail(),
        // Puffs of steam drifting back from the chimney.
        oval(Material::Snow, 70, 1.5, 7, 5),
        oval(Material::Snow, 62, 0.5, 6, 4.5),
        oval(Material::Snow, 55, 2, 5, 3.5),
        box(Material::Trim, 7, 33, 84, 3, 0.5),
        // Cab with its roof and window.
        body({{8, 34, 0.5}, {8, 10, 1}, {30, 10, 1}, {30, 34, 0.5}}),
        box(Material::Trim, 5, 6.5, 28, 3.6, 1.2),
        box(Material::Glass, 13, 13, 12, 9, 1),
        // Boiler with its bands and domes, smoke box and chimney.
        body({{53, 17.5, 0.5}, {55, 10.5, 3}, {63, 10.5, 3}, {65, 17.5, 0.5}}),
        body({{39, 17.5, 0.5}, {41, 13, 2.5}, {47, 13, 2.5}, {49, 17.5, 0.5}}),
        body({{28, 32, 1}, {28, 17, 4}, {82, 17, 4}, {82, 32, 1}}),
        line(Material::Gold, {{38, 17.5}, {38, 32}}, 1),
        line(Material::Gold, {{51, 17.5}, {51, 32}}, 1),
        line(Material::Gold, {{67, 17.5}, {67, 32}}, 1),
        shape(Material::Trim, {{80, 17, 0.5}, {81, 6, 0.5}, {86, 6, 0.5}, {87, 17, 0.5}}),
        box(Material::Trim, 79.5, 4.5, 8, 2, 0.5),
        shape(Material::Trim, {{79, 32, 1}, {79, 16.5, 3}, {89, 16.5, 4}, {91, 32, 1}}),
        box(Material::Headlamp, 88, 12.5, 3.5, 3.5, 0.8),
        box(Material::Steel, 74, 33, 12, 6, 1.5),
        box(Material::Banner, 88, 33, 5, 5, 0.5),
        box(Material::Chrome, 93, 34, 3, 1.6, 0.5),
        shape(Material::Trim, {{88, 38, 0.5}, {93, 38, 0.5}, {98, 46, 0.5}, {88, 46, 0.5}}),
        line(Material::Steel, {{90, 39}, {94, 45.5}}, 0.6),
        line(Material::Steel, {{92, 39}, {96.5, 45.5}}, 0.6),
        // Driving wheels, coupling rod and the small carrying wheels.
        wheel(18, 4.5, Rim::Spoked, Arch::None),
        wheel(84, 3.8, Rim::Spoked, Arch::None),
        wheel(40, 6.8, Rim::Spoked, Arch::None),
        wheel(55, 6.8, Rim::Spoked, Arch::None),
        wheel(70, 6.8, Rim::Spoked, Arch::None),
        line(Material::Steel, {{40, 41.5}, {70, 41.5}}, 1.4),
        line(Material::Chrome, {{70, 41.5}, {78, 36}}, 1),
    };
}

Design zis155()
{
    Design design = {
        shadow(3, 97),
        body({{4, 41, 2}, {3, 14, 6}, {9, 7, 6}, {86, 7, 7}, {95, 15, 6}, {97, 26, 3}, {97, 41, 2}}),
        // The cream belt of the two-tone livery.
        shape(Material::Canvas, {{3.2, 23.5, 0.5}, {96.8, 23.5, 0.5}, {97, 27.5, 0.5}, {3.1, 27.5, 0.5}}),
        line(Material::Chrome, {{4, 32}, {96, 32}}, 0.9),
        glass({{86, 10.5, 1.5}, {91.5, 12, 3}, {94.5, 21, 1}, {86, 21, 1}}),
        box(Material::Glass, 75, 10.5, 8.5, 27, 1),
        line(Material::Paint, {{79.2, 10.5}, {79.2, 37.5}}, 1.2),
        oval(Material::Headlamp, 92.5, 29, 4, 4),
        line(Material::Chrome, {{93, 35}, {97, 35}}, 0.8),
        line(Material::Chrome, {{93, 37}, {97, 37}}, 0.8),
        box(Material::Taillamp, 3.5, 30, 2, 4),
        box(Material::Chrome, 95, 38.5, 3, 2.5, 1),
        box(Material::Chrome, 2, 38.5, 3, 2.5, 1),
        wheel(22, 7.5, Rim::Hubcap),
        wheel(83, 7.5, Rim::Hubcap),
    };
    append(design, windowRow(8, 72, 11, 21, 6, 2.2));
    return design;
}

Design tram()
{
    Design design = {
        rail(),
        // Pantograph and roof gear.
        line(Material::Trim, {{50, 7}, {43, 4.2}, {50, 1.6}, {57, 4.2}, {50, 7}}, 0.8),
        line(Material::Trim, {{42, 1.2}, {58, 1.2}}, 1.4),
        box(Material::Steel, 34, 7, 32, 3, 1),
        box(Material::Trim, 10, 37.5, 22, 5, 1.5),
        box(Material::Trim, 68, 37.5, 22, 5, 1.5),
        body({{4, 39, 2}, {3, 14, 4}, {7, 10, 3}, {93, 10, 3}, {97, 14, 4}, {96, 39, 2}}),
        shape(Material::PaintShade, {{3.5, 33, 0.5}, {96.5, 33, 0.5}, {96, 39, 2}, {4, 39, 2}}),
        line(Material::Snow, {{3.5, 29}, {96.5, 29}}, 2.2),
        glass({{5, 14, 1.5}, {10, 14, 1}, {10, 25, 1}, {4.5, 25, 1}}),
        glass({{86, 14, 1}, {94, 14, 2}, {95.5, 25, 1}, {86, 25, 1}}),
        box(Material::Glass, 12.5, 14, 9, 23, 1),
        line(Material::Paint, {{17, 14}, {17, 37}}, 1.2),
        box(Material::Glass, 72.5, 14, 9, 23, 1),
        line(Material::Paint, {{77, 14}, {77, 37}}, 1.2),
        box(Material::Trim, 86, 11, 8.5, 2.4, 0.5),
        box(Material::Gold, 87, 11.5, 6.5, 1.4, 0.3),
        box(Material::Headlamp, 93, 31, 3.5, 3, 1),
        box(Material::Taillamp, 3.5, 31, 2, 3, 0.5),
        wheel(16, 4.2, Rim::Steel, Arch::None),
        wheel(26, 4.2, Rim::Steel, Arch::None),
        wheel(74, 4.2, Rim::Steel, Arch::None),
        wheel(84, 4.2, Rim::Steel, Arch::None),
    };
    append(design, windowRow(25, 70, 14, 25, 4, 2));
    return design;
}

} // namespace

std::vector<CarModel> heavyVehicles()
{
    return {
        {QStringLiteral("Беларус_922"), belarus922()},
        {QStringLiteral("Caterpillar_247B"), caterpillar247b()},
        {QStringLiteral("ДУ49"), du49()},
        {QStringLiteral("ЗИС155"), zis155()},
        {QStringLiteral("Трамвай"), tram()},
    };
}

} // namespace carsgen
