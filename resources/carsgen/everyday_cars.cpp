// Hatchbacks, saloons, estates, vans and off-roaders: one design each, as data.
#include "parts.h"
#include "vehicles.h"

namespace carsgen {
namespace {

Design zaz965()
{
    return {
        shadow(13, 89),
        body({{13, 41, 1.5}, {10, 34, 3}, {13, 27, 6}, {26, 16, 8}, {50, 14, 9}, {62, 24, 4}, {84, 27, 7}, {89, 33, 3}, {88, 41, 1.5}}),
        glass({{23, 25, 1.5}, {29, 18, 3}, {49, 17, 3}, {58, 25, 1.5}}),
        pillar(40, 17, 40.5, 25),
        seam({{41, 25.5}, {42, 38}}),
        seam({{58.5, 25.5}, {59.5, 37}}),
        // Engine air slots on the rear deck.
        line(Material::Trim, {{15, 29}, {18, 25}}, 0.7),
        line(Material::Trim, {{17, 29.5}, {20, 25.5}}, 0.7),
        line(Material::Trim, {{19, 30}, {22, 26}}, 0.7),
        box(Material::Chrome, 9.5, 37, 6, 2),
        box(Material::Chrome, 85, 37, 5.5, 2),
        oval(Material::Headlamp, 84, 28, 3.5, 4),
        box(Material::Taillamp, 11, 30.5, 2.2, 4),
        wheel(26, 7, Rim::Hubcap),
        wheel(75, 7, Rim::Hubcap),
    };
}

Design volkswagenBeetle()
{
    return {
        shadow(10, 92),
        body({{14, 39, 2}, {10, 33, 4}, {14, 24, 10}, {30, 13, 12}, {48, 12.5, 10}, {62, 22, 6}, {80, 27, 6}, {88, 33, 4}, {87, 39, 2}}),
        glass({{26, 24, 1.5}, {32, 16, 5}, {47, 15.5, 5}, {58, 24, 2}}),
        pillar(42, 15.5, 42.5, 24),
        seam({{42.5, 24.5}, {43.5, 36}}),
        seam({{59, 24.5}, {61, 35}}),
        // The separate round mudguards over the wheels.
        body({{9, 41, 1.5}, {11, 32, 6}, {22, 27.5, 7}, {33, 31, 5}, {36, 40, 1.5}}),
        body({{64, 40, 1.5}, {67, 31, 5}, {77, 27.5, 7}, {87, 31, 5}, {90, 41, 1.5}}),
        box(Material::Trim, 35, 38, 30, 2.5, 0.8),
        oval(Material::Headlamp, 82.5, 28.5, 3.8, 4.6),
        box(Material::Taillamp, 10, 31, 2.4, 4),
        line(Material::Chrome, {{6, 39}, {13, 39}}, 1.4),
        line(Material::Chrome, {{87, 39}, {94, 39}}, 1.4),
        wheel(23, 7.2, Rim::Hubcap),
        wheel(77, 7.2, Rim::Hubcap),
    };
}

Design vaz2104()
{
    return {
        shadow(4, 96),
        body({{5, 41, 1.5}, {4, 31, 1.5}, {6, 17, 2}, {58, 16.5, 2}, {69, 26, 2}, {94, 27.5, 1.5}, {96, 33, 1}, {95, 41, 1.5}}),
        glass({{8.5, 26, 1}, {8.5, 19.5, 1}, {56.5, 19, 1}, {66, 26, 1}}),
        pillar(23, 19.5, 23, 26, 2),
        pillar(42, 19.2, 42, 26, 1.8),
        seam({{42, 26.5}, {42, 40}}),
        seam({{63, 26.5}, {63, 37}}),
        line(Material::Chrome, {{6, 32.5}, {94, 32.5}}, 0.9),
        box(Material::Trim, 2.5, 36.5, 7, 3.5, 1),
        box(Material::Trim, 90.5, 36.5, 7, 3.5, 1),
        box(Material::Headlamp, 92.5, 28.5, 3.5, 3.5, 0.8),
        box(Material::Taillamp, 4, 27.5, 2.2, 7, 0.8),
        wheel(21, 7.2, Rim::Steel),
        wheel(77, 7.2, Rim::Steel),
    };
}

Design fiatStrada()
{
    return {
        shadow(4, 96),
        body({{4, 41, 1.5}, {4, 27, 1}, {37, 27, 1}, {38, 17, 2}, {60, 16.5, 3}, {70, 26, 2}, {91, 28, 4}, {95, 33, 2}, {94, 41, 1.5}}),
        glass({{41, 26, 1}, {41, 19.5, 1.5}, {59, 19, 2}, {67, 26, 1}}),
        line(Material::Trim, {{4.5, 27.6}, {36.5, 27.6}}, 1.3),
        seam({{7, 28.5}, {7, 39}}),
        seam({{40, 27}, {40, 39}}),
        seam({{64, 27}, {64.5, 37}}),
        box(Material::Trim, 2.5, 37, 6, 3.5, 1),
        box(Material::Trim, 90, 37, 6, 3.5, 1),
        box(Material::Headlamp, 87.5, 28.5, 6, 3.5, 1.5),
        box(Material::Taillamp, 4, 29, 2.2, 6, 0.8),
        wheel(19, 7.2, Rim::Alloy),
        wheel(77, 7.2, Rim::Alloy),
    };
}

Design peugeotBoxer()
{
    return {
        shadow(3, 97),
        body({{4, 41, 1.5}, {4, 10, 2.5}, {68, 8, 4}, {80, 20, 3}, {92, 27, 4}, {96, 33, 2}, {95, 41, 1.5}}),
        glass({{62, 21, 1}, {62, 11, 1.2}, {70.5, 11, 1.2}, {77.5, 21, 1}}),
        seam({{36, 10.5}, {36, 39}}),
        seam({{59, 10.5}, {59, 39}}),
        line(Material::Trim, {{36, 21}, {57, 21}}, 0.8),
        box(Material::Trim, 53, 25, 3, 1, 0.5),
        box(Material::Trim, 2.5, 35, 5, 6, 1),
        box(Material::Trim, 90.5, 34, 6, 7, 1),
        box(Material::Headlamp, 88.5, 26.5, 6, 4, 1.5),
        box(Material::Taillamp, 3.5, 24, 2, 10, 0.8),
        wheel(19, 7.4, Rim::Steel),
        wheel(78, 7.4, Rim::Steel),
    };
}

Design hummerH3()
{
    return {
        shadow(2, 98),
        body({{4, 41, 1.5}, {4, 16, 1.5}, {8, 13, 1.5}, {62, 13, 1.5}, {67, 23, 1}, {95, 24, 1}, {96, 41, 1.5}}),
        glass({{8, 22.5, 0.8}, {8, 15.8, 0.8}, {61, 15.8, 0.8}, {64.5, 22.5, 0.8}}),
        pillar(24, 15.8, 24, 22.5, 2.4),
        pillar(43, 15.8, 43, 22.5, 2.4),
        seam({{43, 23}, {43, 38}}),
        seam({{64, 23}, {64, 36}}),
        line(Material::Trim, {{10, 11.8}, {58, 11.8}}, 1.3),
        box(Material::Rubber, 1, 18, 3.6, 14, 1.5),
        box(Material::Trim, 93, 25, 3, 8, 0.5),
        oval(Material::Headlamp, 92, 25.5, 3, 3),
        box(Material::Trim, 91, 35, 6.5, 5, 1),
        box(Material::Trim, 2, 35, 5, 5, 1),
        box(Material::Taillamp, 4, 17, 2, 7, 0.5),
        box(Material::Trim, 29, 39.5, 38, 2, 1),
        wheel(19, 8.6, Rim::Alloy, Arch::Flare),
        wheel(79, 8.6, Rim::Alloy, Arch::Flare),
    };
}

Design daewooMatiz()
{
    return {
        shadow(11, 90),
        body({{12, 41, 1.5}, {11, 31, 2}, {13, 20, 4}, {20, 12, 5}, {48, 11.5, 6}, {66, 25, 3}, {84, 28, 6}, {89, 34, 3}, {88, 41, 1.5}}),
        glass({{15.5, 24.5, 1}, {21, 15, 2.5}, {47, 14.5, 3}, {61, 24.5, 1}}),
        pillar(26, 14.8, 26.5, 24.5, 2),
        pillar(42, 14.5, 42, 24.5, 1.8),
        seam({{42, 25}, {42, 39}}),
        seam({{60, 25.5}, {61, 37}}),
        oval(Material::Headlamp, 78, 26.5, 7, 4),
        box(Material::Taillamp, 11.5, 22, 2.5, 8),
        line(Material::Trim, {{11, 39.5}, {16, 39.5}}, 1.5),
        line(Material::Trim, {{85, 39.5}, {89, 39.5}}, 1.5),
        wheel(23, 6.8, Rim::Hubcap),
        wheel(75, 6.8, Rim::Hubcap),
    };
}

Design fordFocusMk2()
{
    return {
        shadow(4, 96),
        body({{5, 41, 1.5}, {4, 31, 2}, {6, 22, 3}, {14, 15.5, 4}, {50, 14, 6}, {68, 25, 3}, {90, 28, 5}, {95, 34, 2}, {94, 41, 1.5}}),
        glass({{9, 24.5, 1}, {15, 17.5, 2.5}, {49, 16.5, 3}, {64, 25, 1}}),
        pillar(21, 17, 21.5, 24.5, 2.2),
        pillar(41, 16.5, 41, 25, 1.8),
        seam({{41, 25.5}, {41, 39}}),
        seam({{62, 25.5}, {63, 37}}),
        box(Material::Headlamp, 85.5, 27.5, 7, 3),
        box(Material::Trim, 91, 35, 4, 2.5, 1),
        box(Material::Taillamp, 4.5, 21, 3, 7, 1),
        line(Material::Trim, {{28, 40.2}, {68, 40.2}}, 1),
        wheel(20, 7.3, Rim::Alloy),
        wheel(77, 7.3, Rim::Alloy),
    };
}

Design renaultMegane()
{
    return {
        shadow(3, 96),
        body({{6, 41, 1.5}, {3, 31, 2}, {6, 24.5, 1.5}, {11, 23.5, 1}, {11, 16, 3}, {48, 13, 6}, {67, 25, 3}, {90, 28, 5}, {95, 34, 2}, {94, 41, 1.5}}),
        glass({{14, 24, 1}, {14, 17, 2}, {47, 15.5, 3}, {63, 25, 1}}),
        pillar(22, 16, 22, 24.2, 2.2),
        pillar(39, 15.3, 39, 24.6, 1.8),
        seam({{39, 25}, {39, 39}}),
        seam({{61, 25.5}, {62, 37}}),
        box(Material::Taillamp, 3.5, 25.5, 4.5, 3, 1),
        box(Material::Headlamp, 85.5, 27.5, 7, 3),
        box(Material::Trim, 91, 35, 4, 2.5, 1),
        line(Material::Trim, {{28, 40.2}, {68, 40.2}}, 1),
        wheel(20, 7.3, Rim::Alloy),
        wheel(77, 7.3, Rim::Alloy),
    };
}

Design toyotaLandCruiser()
{
    return {
        shadow(2, 98),
        body({{4, 41, 1.5}, {3, 22, 2}, {7, 12, 3}, {60, 11, 3}, {72, 21, 3}, {94, 23, 3}, {97, 30, 2}, {96, 41, 1.5}}),
        glass({{7, 21, 1}, {7, 14.3, 1.5}, {58.5, 14, 1.5}, {68, 21, 1}}),
        pillar(23, 14.3, 23, 21, 2.2),
        pillar(41, 14, 41, 21, 2.2),
        seam({{41, 21.5}, {41, 38}}),
        seam({{62, 21.5}, {62, 36}}),
        seam({{23, 21.5}, {23, 29}}),
        line(Material::Steel, {{9, 10}, {57, 10}}, 1.2),
        box(Material::Headlamp, 90, 23.5, 6, 3.5, 1.2),
        box(Material::Chrome, 94.5, 27.5, 2.5, 4, 0.6),
        box(Material::Taillamp, 3.2, 22, 2.5, 7, 0.8),
        box(Material::Trim, 29, 39, 41, 2, 1),
        wheel(20, 8.6, Rim::Alloy),
        wheel(79, 8.6, Rim::Alloy),
    };
}

Design smartFortwo()
{
    return {
        shadow(22, 78),
        body({{24, 41, 1.5}, {23, 30, 2}, {25, 18, 3}, {32, 10, 6}, {52, 10, 6}, {64, 25, 4}, {75, 29, 5}, {77, 35, 2}, {76, 41, 1.5}}),
        glass({{28, 22, 1}, {31, 15, 2}, {35, 14, 1}, {35, 22, 1}}),
        glass({{40, 24, 1}, {40, 13.5, 1.5}, {50, 13.5, 2}, {60, 24, 1}}),
        // The silver safety cell that frames roof, door pillar and sill.
        line(Material::Chrome, {{51, 10.8}, {33, 10.8, 3}, {28, 14}}, 2.4),
        line(Material::Chrome, {{37.5, 11}, {38, 39.5}}, 2.8),
        line(Material::Chrome, {{38, 39.8}, {62, 39.8}}, 2),
        oval(Material::Headlamp, 70, 27, 6, 4),
        box(Material::Taillamp, 23.5, 24, 2.5, 6),
        wheel(32, 7, Rim::Alloy),
        wheel(68, 7, Rim::Alloy),
    };
}

Design volkswagenPassatB3()
{
    return {
        shadow(4, 96),
        body({{5, 41, 1.5}, {4, 32, 1.5}, {6, 27, 2}, {26, 25.5, 2}, {38, 16, 4}, {59, 15.5, 4}, {72, 26, 2}, {93, 27.5, 2}, {96, 32, 1}, {95, 41, 1.5}}),
        glass({{29, 25.5, 1}, {39, 18.3, 2}, {58, 18, 2}, {68.5, 26, 1}}),
        pillar(48.5, 18, 48, 26, 2),
        seam({{48, 26.5}, {48, 40}}),
        seam({{67, 26.5}, {67.5, 37}}),
        box(Material::Headlamp, 90, 28.5, 6, 3, 0.8),
        line(Material::Trim, {{90, 32.3}, {95.5, 32.3}}, 0.9),
        box(Material::Taillamp, 4.2, 27.5, 3, 5, 0.8),
        line(Material::Trim, {{6, 34}, {94, 34}}, 1.2),
        box(Material::Trim, 2.5, 37, 6, 3.5, 1),
        box(Material::Trim, 91.5, 37, 5.5, 3.5, 1),
        wheel(21, 7.3, Rim::Hubcap),
        wheel(77, 7.3, Rim::Hubcap),
    };
}

Design mitsubishiLancerX()
{
    return {
        shadow(4, 96),
        body({{5, 41, 1.5}, {4, 31, 2}, {6, 26, 2}, {25, 24.5, 3}, {38, 15, 6}, {58, 14.5, 6}, {72, 25, 3}, {91, 27, 2}, {96, 28.5, 1}, {94, 35, 1}, {95, 41, 1.5}}),
        glass({{28, 24.5, 1}, {39, 17, 3}, {57, 16.5, 3}, {68, 25, 1}}),
        pillar(48.5, 16.8, 48, 25, 2),
        seam({{48, 25.5}, {48, 40}}),
        seam({{66, 25.5}, {66.5, 38}}),
        // Boot wing on two stands.
        line(Material::Trim, {{8, 22.3}, {9, 25}}, 1.2),
        line(Material::Trim, {{14, 22.3}, {15, 24.8}}, 1.2),
        box(Material::Paint, 4, 20.5, 13, 2, 0.8),
        shape(Material::Headlamp, {{85, 27, 1}, {93, 28.5, 1}, {91.5, 30.5, 1}, {85, 29.5, 1}}),
        shape(Material::Trim, {{93, 30.5, 0.5}, {95.2, 30.5, 0.5}, {94.8, 35.5, 0.5}, {92, 35.5, 0.5}}),
        box(Material::Taillamp, 4.3, 27, 3, 4, 1),
        line(Material::Trim, {{28, 40.2}, {68, 40.2}}, 1),
        wheel(21, 7.4, Rim::Sport),
        wheel(78, 7.4, Rim::Sport),
    };
}

Design bmwX6()
{
    return {
        shadow(2, 98),
        body({{4, 41, 1.5}, {3, 29, 2}, {6, 23, 2}, {14, 17, 4}, {28, 12, 8}, {55, 11, 6}, {70, 21, 3}, {93, 24, 4}, {97, 30, 2}, {96, 41, 1.5}}),
        glass({{13, 21, 1}, {27, 14.5, 5}, {54, 13.5, 4}, {66, 21, 1}}),
        pillar(33, 13.8, 33, 21, 2.2),
        pillar(48, 13.5, 47.5, 21, 1.8),
        seam({{47.5, 21.5}, {47.5, 38}}),
        seam({{64, 21.5}, {64, 36}}),
        box(Material::Headlamp, 88.5, 24.5, 6.5, 3, 1.2),
        box(Material::Chrome, 95, 26, 2, 4, 0.8),
        box(Material::Taillamp, 3.5, 23.5, 5, 3, 1),
        box(Material::Trim, 28, 38.5, 42, 2.2, 1),
        wheel(20, 8.6, Rim::Alloy),
        wheel(78, 8.6, Rim::Alloy),
    };
}

Design subaruTourer()
{
    return {
        shadow(3, 97),
        body({{4, 41, 1.5}, {3, 30, 2}, {5, 20, 3}, {10, 15, 3}, {56, 14, 5}, {70, 25, 3}, {92, 27.5, 4}, {96, 33, 2}, {95, 41, 1.5}}),
        glass({{8, 25, 1}, {8, 19, 1}, {12, 17, 1.5}, {55, 16.5, 3}, {66, 25, 1}}),
        pillar(21, 16.8, 21.5, 25, 2.2),
        pillar(40, 16.5, 40, 25, 1.8),
        seam({{40, 25.5}, {40, 39}}),
        seam({{62, 25.5}, {63, 37}}),
        line(Material::Steel, {{11, 13.2}, {53, 13.2}}, 1.2),
        shape(Material::Trim, {{75, 26, 0.5}, {77, 24.3, 0.5}, {83, 24.8, 0.5}, {84, 26.4, 0.5}}),
        box(Material::Headlamp, 87, 28, 7, 3.2, 1.2),
        box(Material::Taillamp, 3.5, 20, 2.5, 7, 1),
        line(Material::Trim, {{28, 40.2}, {68, 40.2}}, 1),
        wheel(20, 7.6, Rim::Alloy),
        wheel(78, 7.6, Rim::Alloy),
    };
}

Design citroenHypnos()
{
    return {
        shadow(3, 97),
        body({{5, 41, 2}, {3, 30, 3}, {8, 20, 4}, {22, 13, 8}, {50, 11, 10}, {74, 22, 5}, {93, 26, 6}, {97, 32, 3}, {95, 41, 2}}),
        glass({{15, 21.5, 1.5}, {24, 15.5, 4}, {50, 13.5, 5}, {68, 21.5, 1.5}}),
        pillar(40, 13.8, 40, 21.5, 2.6),
        // The faceted flank.
        seam({{10, 33}, {40, 27}, {76, 25.5}}),
        seam({{30, 38}, {52, 30}}),
        shape(Material::Headlamp, {{84, 25.5, 1}, {93, 27, 1}, {92, 29, 1}, {84, 27.5, 1}}),
        shape(Material::Taillamp, {{4, 24, 1}, {12, 22, 1}, {11, 24, 1}, {4, 26.5, 1}}),
        line(Material::Chrome, {{28, 39.5}, {68, 39.5}}, 1),
        wheel(21, 8.6, Rim::Sport),
        wheel(78, 8.6, Rim::Sport),
    };
}

Design chevroletOrlando()
{
    return {
        shadow(3, 97),
        body({{4, 41, 1.5}, {3, 28, 2}, {5, 15, 3}, {10, 11, 3}, {56, 10.5, 5}, {72, 22, 3}, {92, 25, 4}, {96, 31, 2}, {95, 41, 1.5}}),
        glass({{8, 22, 1}, {8, 14, 1.5}, {55, 13, 3}, {68, 22, 1}}),
        pillar(21, 13.8, 21, 22, 2.2),
        pillar(39, 13.2, 39, 22, 2),
        seam({{39, 22.5}, {39, 38}}),
        seam({{62, 22.5}, {62.5, 36}}),
        line(Material::Trim, {{11, 9.8}, {53, 9.8}}, 1.2),
        box(Material::Headlamp, 87.5, 25.5, 6.5, 3.2, 1.2),
        box(Material::Trim, 94, 26, 2.6, 2.2, 0.5),
        box(Material::Gold, 94, 28.5, 2.6, 1.2, 0.3),
        box(Material::Trim, 93.5, 30, 3, 3.5, 0.5),
        box(Material::Taillamp, 3.3, 18, 2.5, 8, 1),
        wheel(20, 8, Rim::Alloy),
        wheel(78, 8, Rim::Alloy),
    };
}

Design porscheCayenneS()
{
    return {
        shadow(2, 98),
        body({{4, 41, 1.5}, {3, 30, 3}, {7, 20, 4}, {16, 13, 6}, {58, 12, 6}, {72, 22, 3}, {92, 25, 6}, {97, 31, 2}, {96, 41, 1.5}}),
        glass({{10, 22, 1}, {16, 15.5, 3}, {57, 14.5, 3}, {68, 22, 1}}),
        pillar(25, 15, 25, 22, 2.2),
        pillar(43, 14.5, 43, 22, 2),
        seam({{43, 22.5}, {43, 38}}),
        seam({{64, 22.5}, {64.5, 36}}),
        shape(Material::Headlamp, {{86, 24.5, 2}, {93, 26.5, 1.5}, {91, 29, 1.5}, {86, 27.5, 1.5}}),
        box(Material::Trim, 90, 33, 6, 3, 1),
        box(Material::Taillamp, 3.5, 22, 4, 3, 1),
        box(Material::Trim, 28, 38.5, 43, 2.2, 1),
        wheel(20, 8.6, Rim::Alloy),
        wheel(79, 8.6, Rim::Alloy),
    };
}

Design uaz3151()
{
    return {
        shadow(2, 97),
        // Canvas top with celluloid windows over a steel tub.
        shape(Material::Canvas, {{6, 25, 0.5}, {6, 14, 2}, {10, 12, 2}, {62, 12, 1.5}, {63, 25, 0.5}}),
        glass({{10, 22, 1}, {10, 15, 1}, {27, 15, 1}, {27, 22, 1}}),
        glass({{32, 22, 1}, {32, 15, 1}, {46, 15, 1}, {46, 22, 1}}),
        glass({{50, 22, 1}, {50, 15, 1}, {60, 15, 1}, {60, 22, 1}}),
        body({{5, 41, 1.5}, {5, 25, 1}, {62, 25, 1}, {94, 25.5, 1.5}, {95, 41, 1.5}}),
        glass({{61, 25, 0.3}, {63, 13, 0.5}, {65, 13, 0.5}, {64.5, 25, 0.3}}),
        seam({{31, 25.5}, {31, 37}}),
        seam({{48, 25.5}, {48, 39}}),
        seam({{63, 25.5}, {63, 37}}),
        box(Material::Trim, 27, 28, 3, 1, 0.5),
        box(Material::Trim, 44, 28, 3, 1, 0.5),
        box(Material::Rubber, 1.2, 20, 4.2, 16, 2),
        line(Material::Trim, {{93, 27}, {93, 34}}, 0.7),
        line(Material::Trim, {{94.5, 27}, {94.5, 34}}, 0.7),
        oval(Material::Headlamp, 90, 26.5, 3.2, 3.6),
        box(Material::Steel, 90.5, 35, 6.5, 2.5, 0.5),
        box(Material::Steel, 2.5, 35, 5, 2.5, 0.5),
        box(Material::Taillamp, 5, 27, 2, 4, 0.5),
        wheel(20, 8.4, Rim::Steel, Arch::Flare),
        wheel(78, 8.4, Rim::Steel, Arch::Flare),
    };
}

Design nissanRoundBox()
{
    return {
        shadow(7, 93),
        body({{8, 41, 2}, {7, 30, 3}, {9, 17, 5}, {14, 13, 5}, {56, 13, 6}, {68, 24, 3}, {88, 26, 5}, {92, 31, 3}, {91, 41, 2}}),
        glass({{12, 23.5, 2}, {16, 16, 3}, {55, 15.5, 3}, {64, 23.5, 1.5}}),
        pillar(38, 15.5, 38, 23.5, 2.6),
        seam({{38, 24}, {38, 38}}),
        seam({{62, 24}, {62.5, 36}}),
        line(Material::Trim, {{7.5, 31}, {91.5, 31}}, 0.8),
        oval(Material::Headlamp, 86, 26.8, 4, 4),
        oval(Material::Taillamp, 7.3, 24, 3, 3),
        wheel(22, 7.4, Rim::Hubcap),
        wheel(75, 7.4, Rim::Hubcap),
    };
}

Design motorcityEuropeMc1()
{
    return {
        shadow(10, 90),
        body({{12, 41, 2}, {10, 30, 4}, {14, 20, 6}, {26, 13, 8}, {52, 12, 10}, {74, 22, 6}, {86, 27, 5}, {89, 34, 3}, {88, 41, 2}}),
        // One glass bubble from the tail to the bonnet.
        glass({{19, 24, 1.5}, {26, 15.5, 6}, {52, 14.5, 8}, {72, 24, 3}, {45, 25.5, 2}}),
        seam({{28, 30}, {72, 28}}),
        box(Material::Headlamp, 80, 26.5, 7, 2, 1),
        box(Material::Taillamp, 10.5, 25, 3, 3.5, 1),
        line(Material::Trim, {{32, 40.2}, {66, 40.2}}, 1.2),
        wheel(24, 7.2, Rim::Sport),
        wheel(76, 7.2, Rim::Sport),
    };
}

} // namespace

std::vector<CarModel> everydayCars()
{
    return {
        {QStringLiteral("ЗАЗ_965"), zaz965()},
        {QStringLiteral("Volkswagen_Beetle"), volkswagenBeetle()},
        {QStringLiteral("ВАЗ_2104"), vaz2104()},
        {QStringLiteral("Fiat_Strada"), fiatStrada()},
        {QStringLiteral("Peugeot_Boxer"), peugeotBoxer()},
        {QStringLiteral("Hummer_H3"), hummerH3()},
        {QStringLiteral("Daewoo_Matiz"), daewooMatiz()},
        {QStringLiteral("Ford_Focus_MK2"), fordFocusMk2()},
        {QStringLiteral("Renault_Megane"), renaultMegane()},
        {QStringLiteral("Toyota_Land_Cruiser"), toyotaLandCruiser()},
        {QStringLiteral("Smart_Fortwo"), smartFortwo()},
        {QStringLiteral("Volkswagen_Passat_B3"), volkswagenPassatB3()},
        {QStringLiteral("Mitsubishi_Lancer_X"), mitsubishiLancerX()},
        {QStringLiteral("BMW_X6"), bmwX6()},
        {QStringLiteral("Subaru_Tourer"), subaruTourer()},
        {QStringLiteral("Citroen_Hypnos"), citroenHypnos()},
        {QStringLiteral("Chevrolet_Orlando"), chevroletOrlando()},
        {QStringLiteral("Porsche_Cayenne_S"), porscheCayenneS()},
        {QStringLiteral("УАЗ_3151"), uaz3151()},
        {QStringLiteral("Nissan_Round_Box"), nissanRoundBox()},
        {QStringLiteral("Motorcity_Europe_MC1"), motorcityEuropeMc1()},
    };
}

} // namespace carsgen
