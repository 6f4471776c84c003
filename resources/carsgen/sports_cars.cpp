// Coupés, supercars, concept cars and racing machines.
#include "parts.h"
#include "vehicles.h"

namespace carsgen {
namespace {

// A wing on two stands above a car's tail.
Design rearWing(qreal left, qreal right, qreal top, qreal deck)
{
    const qreal gap = (right - left) / 3;
    return {
        line(Material::Trim, {{left + gap, top + 2}, {left + gap + 1, deck}}, 1.2),
        line(Material::Trim, {{left + 2 * gap, top + 2}, {left + 2 * gap + 0.5, deck - 1.5}}, 1.2),
        box(Material::Trim, left, top, right - left, 2.2, 0.8),
    };
}

Design withParts(Design design, const Design& more)
{
    append(design, more);
    return design;
}

Design audiTt()
{
    return {
        shadow(4, 96),
        body({{6, 41, 1.5}, {4, 33, 3}, {6, 26, 6}, {30, 15, 14}, {52, 14, 10}, {70, 25, 4}, {90, 28, 6}, {95, 34, 2}, {94, 41, 1.5}}),
        glass({{18, 24.5, 1}, {31, 17, 8}, {51, 16.5, 6}, {65, 25.5, 1}}),
        pillar(42, 16.3, 42, 25.5, 1.6),
        seam({{42, 26}, {42, 39}}),
        seam({{63, 26}, {64, 38}}),
        oval(Material::Chrome, 11.5, 27.5, 2.6, 2.6),
        shape(Material::Headlamp, {{85, 27, 1.5}, {92, 29, 1}, {91, 31, 1}, {85, 29.5, 1}}),
        box(Material::Taillamp, 4.5, 27, 4, 3, 1),
        line(Material::Trim, {{28, 40.3}, {68, 40.3}}, 1),
        wheel(20, 7.6, Rim::Sport),
        wheel(78, 7.6, Rim::Sport),
    };
}

Design lamborghiniMurcielago()
{
    return {
        shadow(3, 97),
        body({{4, 42, 1.5}, {3, 33, 2}, {6, 30, 1}, {26, 28, 3}, {40, 24, 6}, {55, 23.5, 5}, {72, 29.5, 4}, {82, 29.5, 5}, {94, 33.5, 3}, {97, 37, 1}, {96, 42, 1.5}}),
        glass({{37, 30, 1}, {43, 26, 2}, {55, 25.6, 2}, {67, 30, 1}}),
        shape(Material::Trim, {{28, 31, 0.5}, {35, 30, 0.5}, {33, 35.5, 0.5}, {29, 35, 0.5}}),
        line(Material::Trim, {{10, 29.6}, {24, 28.6}}, 0.8),
        seam({{36, 31}, {38, 40}}),
        seam({{69, 31}, {67, 40}}),
        shape(Material::Headlamp, {{86, 31.5, 0.8}, {94, 33.6, 0.8}, {93, 35.2, 0.5}, {86, 33.3, 0.5}}),
        shape(Material::Taillamp, {{3.5, 31.5, 0.5}, {9, 30.5, 0.5}, {9, 32.5, 0.5}, {3.5, 33.5, 0.5}}),
        line(Material::Trim, {{30, 41.5}, {68, 41.5}}, 1.2),
        wheel(20, 7.4, Rim::Sport),
        wheel(79, 7.4, Rim::Sport),
    };
}

Design dodgeViper()
{
    return {
        shadow(3, 97),
        body({{5, 42, 1.5}, {4, 34, 2}, {8, 30, 2}, {22, 29, 3}, {34, 23, 6}, {46, 22.5, 5}, {58, 29, 3}, {76, 28.5, 6}, {92, 31, 5}, {96, 35, 2}, {95, 42, 1.5}}),
        glass({{31, 29, 1}, {36, 24.5, 3}, {46, 24.5, 3}, {55, 29, 1}}),
        seam({{31, 29.5}, {33, 39}}),
        line(Material::Trim, {{62, 32}, {64, 37}}, 0.9),
        line(Material::Trim, {{64.5, 32}, {66.5, 37}}, 0.9),
        line(Material::Trim, {{67, 32}, {69, 37}}, 0.9),
        line(Material::Chrome, {{30, 40.6}, {62, 40.6}}, 1.8),
        shape(Material::Headlamp, {{86, 31, 1}, {93, 32.5, 1}, {92, 34.5, 1}, {86, 33, 1}}),
        box(Material::Taillamp, 4.3, 30.8, 3, 2.5, 1),
        wheel(20, 7.5, Rim::Sport),
        wheel(78, 7.5, Rim::Sport),
    };
}

Design bugattiVeyron()
{
    return {
        shadow(3, 97),
        body({{5, 41, 2}, {3, 33, 3}, {8, 28, 4}, {26, 25, 5}, {40, 20, 8}, {56, 19.5, 7}, {74, 28, 4}, {94, 32, 6}, {97, 37, 2}, {96, 41, 1.5}}),
        glass({{30, 27, 1}, {41, 22, 5}, {55, 21.8, 5}, {69, 28.5, 1}}),
        shape(Material::Trim, {{23, 25.5, 0.5}, {30, 22.5, 0.5}, {32, 25.2, 0.5}}),
        // The sweeping C that splits the two-tone flank.
        line(Material::Chrome, {{65, 29}, {58, 34.5, 7}, {65, 40.5}}, 1.3),
        shape(Material::Chrome, {{94.5, 33, 1}, {97, 33.5, 1}, {96.8, 37.5, 1}, {94.5, 37.5, 1}}),
        shape(Material::Headlamp, {{86, 31.5, 1}, {93, 33, 1}, {92, 34.5, 1}, {86, 33.3, 1}}),
        line(Material::Taillamp, {{4, 31}, {10, 30}}, 1.5),
        wheel(20, 7.6, Rim::Sport),
        wheel(79, 7.6, Rim::Sport),
    };
}

Design ferrariFxConcept()
{
    return withParts(
        {
            shadow(3, 97),
            body({{4, 42, 1.5}, {3, 33, 2}, {8, 30, 3}, {26, 28, 4}, {40, 22, 7}, {54, 22, 6}, {70, 29, 3}, {84, 29.5, 5}, {96, 34, 3}, {97, 38, 1}, {95, 42, 1}}),
            glass({{34, 29, 1}, {42, 24, 4}, {54, 24, 3}, {65, 29.5, 1}}),
            shape(Material::Trim, {{22, 32, 1}, {30, 31, 1}, {28, 36, 1}, {23, 36, 1}}),
            line(Material::Trim, {{84, 42.2}, {98, 42.2}}, 1.2),
            shape(Material::Headlamp, {{87, 31, 1}, {94, 33, 1}, {93, 34.5, 1}, {87, 32.6, 1}}),
            oval(Material::Taillamp, 3.5, 30.5, 3, 3),
            wheel(20, 7.6, Rim::Sport),
            wheel(79, 7.6, Rim::Sport),
        },
        rearWing(2, 18, 19.5, 29));
}

Design ferrariZobin()
{
    return {
        shadow(3, 97),
        body({{4, 42, 2}, {3, 34, 3}, {10, 29, 6}, {30, 26, 6}, {44, 20, 9}, {62, 22, 8}, {80, 30, 6}, {95, 34, 4}, {97, 38, 1.5}, {95, 42, 1}}),
        // One canopy from the tail to the nose, no pillars.
        glass({{30, 27, 1}, {44, 22, 6}, {62, 24, 6}, {76, 30.5, 1}}),
        seam({{8, 35}, {40, 33}, {90, 37}}),
        shape(Material::Trim, {{18, 31, 1}, {28, 30, 1}, {26, 37, 2}, {19, 37, 1}}),
        line(Material::Headlamp, {{86, 33}, {95, 35.5}}, 1.4),
        line(Material::Taillamp, {{3.5, 33}, {10, 31}}, 1.4),
        wheel(21, 7.6, Rim::Sport),
        wheel(80, 7.6, Rim::Sport),
    };
}

Design porsche911Gt3Rs()
{
    return withParts(
        {
            shadow(3, 96),
            body({{5, 41, 1.5}, {4, 33, 3}, {8, 29, 8}, {30, 20, 12}, {50, 20, 8}, {62, 27, 4}, {88, 31, 8}, {95, 35, 3}, {94, 41, 1.5}}),
            glass({{25, 27.5, 1}, {35, 22, 6}, {50, 22, 4}, {59, 27.5, 1}}),
            pillar(44, 21.8, 44, 27.5, 1.6),
            seam({{44, 28}, {44, 39}}),
            oval(Material::Headlamp, 85.5, 29.3, 5, 3.4),
            line(Material::Taillamp, {{4.5, 31}, {9, 30}}, 1.5),
            line(Material::Trim, {{22, 38.5}, {66, 38.5}}, 1.4),
            wheel(20, 7.6, Rim::Sport),
            wheel(78, 7.6, Rim::Sport),
        },
        rearWing(3, 19, 19, 27));
}

Design bmwM6()
{
    return {
        shadow(2, 98),
        body({{4, 41, 1.5}, {3, 32, 2}, {6, 27, 3}, {22, 25, 4}, {34, 17, 7}, {56, 16.5, 6}, {70, 26, 3}, {93, 29, 5}, {97, 34, 2}, {96, 41, 1.5}}),
        glass({{26, 25, 1}, {36, 18.8, 4}, {55, 18.8, 4}, {66, 26, 1}}),
        pillar(46, 18.6, 45.5, 25.8, 1.6),
        seam({{45.5, 26.5}, {45.5, 39}}),
        box(Material::Chrome, 94.5, 29.5, 2.2, 3.5, 0.8),
        shape(Material::Headlamp, {{87, 28.5, 1}, {93.5, 30, 1}, {93, 31.5, 1}, {87, 30.3, 1}}),
        box(Material::Taillamp, 3.5, 26.5, 5, 3, 1),
        line(Material::Chrome, {{72, 30.5}, {75, 30.5}}, 1),
        wheel(20, 7.6, Rim::Alloy),
        wheel(79, 7.6, Rim::Alloy),
    };
}

Design bugattiGalibier()
{
    return {
        shadow(2, 98),
        body({{4, 41, 2}, {3, 32, 3}, {8, 26, 4}, {20, 21, 6}, {36, 14, 8}, {58, 13.5, 7}, {73, 24, 4}, {93, 28, 6}, {97, 34, 2}, {96, 41, 1.5}}),
        glass({{19, 23.5, 1}, {30, 17.5, 5}, {57, 16, 4}, {69, 24.5, 1}}),
        pillar(38, 16.3, 38, 24, 1.8),
        pillar(53, 15.8, 53, 24.5, 1.6),
        seam({{38, 24.5}, {38, 38}}),
        seam({{53, 25}, {53, 39}}),
        line(Material::Chrome, {{8, 26.8}, {72, 25}}, 0.8),
        shape(Material::Chrome, {{94.5, 29, 1}, {97, 29.5, 1}, {96.8, 34, 1}, {94.5, 34, 1}}),
        oval(Material::Headlamp, 86.5, 27.8, 3, 2.6),
        oval(Material::Headlamp, 90, 28.6, 3, 2.6),
        line(Material::Taillamp, {{3.5, 28}, {9, 26.5}}, 1.5),
        wheel(20, 8, Rim::Alloy),
        wheel(79, 8, Rim::Alloy),
    };
}

Design deloreanTimeMachine()
{
    return {
        shadow(3, 97),
        body({{5, 41, 1.5}, {4, 32, 1}, {6, 28, 1}, {22, 25.5, 2}, {38, 18, 3}, {56, 18, 3}, {71, 27, 2}, {94, 30, 1}, {96, 34, 1}, {95, 41, 1.5}}),
        glass({{35, 27, 1}, {40, 20.5, 2}, {55, 20.5, 2}, {67, 27, 1}}),
        // Louvres over the rear window and the fusion reactor on the deck.
        shape(Material::Trim, {{24, 25.2, 0.5}, {36.5, 18.6, 0.5}, {38, 19.6, 0.5}, {25.6, 26, 0.5}}),
        shape(Material::Chrome, {{9, 27.6, 0.5}, {9, 22.5, 1}, {14, 22.5, 1}, {14, 27, 0.5}}),
        line(Material::Trim, {{9.5, 23.8}, {13.5, 23.8}}, 0.8),
        seam({{40, 18.6}, {55, 18.6}}),
        seam({{38, 27.5}, {38, 37}}),
        seam({{64, 27.5}, {65, 37}}),
        line(Material::Trim, {{5, 37.2}, {95, 37.2}}, 1.4),
        line(Material::Steel, {{30, 33.5}, {60, 33.5}}, 0.9),
        box(Material::Headlamp, 90, 30.5, 5, 2.5, 0.5),
        box(Material::Taillamp, 4.3, 28.5, 2.4, 5, 0.5),
        wheel(20, 7.4, Rim::Alloy),
        wheel(77, 7.4, Rim::Alloy),
    };
}

Design hennesseyVenomGt1()
{
    return {
        shadow(3, 97),
        body({{5, 41, 1.5}, {4, 32, 2}, {8, 29, 2}, {24, 27, 3}, {38, 20, 7}, {54, 20, 5}, {70, 29, 3}, {92, 32, 4}, {96, 36, 1.5}, {95, 41, 1.5}}),
        // Roof air scoop.
        body({{35, 21.5, 0.5}, {44, 17.8, 3}, {50, 18.5, 1}, {51, 21, 0.5}}),
        glass({{30, 28, 1}, {40, 22.5, 4}, {54, 22.3, 3}, {66, 29.5, 1}}),
        shape(Material::Trim, {{22, 31, 1}, {31, 30, 1}, {29, 36, 2}, {23, 36, 1}}),
        line(Material::Trim, {{3, 27}, {14, 27}}, 1.8),
        shape(Material::Headlamp, {{85, 31, 1}, {93, 33, 1}, {92, 34.5, 1}, {85, 32.6, 1}}),
        oval(Material::Taillamp, 4, 29.5, 3, 2.5),
        wheel(20, 7.6, Rim::Sport),
        wheel(79, 7.6, Rim::Sport),
    };
}

Design mercedesBenzSl600()
{
    return {
        shadow(2, 98),
        // Roof folded away: headrest, steering wheel and windscreen stand above the doors.
        shape(Material::Trim, {{40, 26, 0.5}, {41, 19.5, 2}, {45.5, 19.5, 2}, {45.5, 26, 0.5}}),
        line(Material::Trim, {{53, 25.5}, {55.5, 21.5}}, 1.3),
        body({{4, 41, 1.5}, {3, 32, 2}, {6, 27, 3}, {58, 25.5, 2}, {92, 28, 5}, {97, 34, 2}, {96, 41, 1.5}}),
        glass({{57, 25.8, 0.5}, {62, 17.5, 0.5}, {64.5, 17.5, 0.5}, {62.5, 25.8, 0.5}}),
        line(Material::Trim, {{30, 26.6}, {56, 26}}, 1.2),
        seam({{36, 27.5}, {37, 39}}),
        seam({{62, 27}, {63, 38}}),
        box(Material::Chrome, 94.5, 29, 2.2, 4, 0.6),
        shape(Material::Headlamp, {{85, 28, 1.5}, {92, 29.5, 1}, {91.5, 31.3, 1}, {85, 30, 1}}),
        box(Material::Taillamp, 3.5, 27.5, 4.5, 3.5, 1),
        line(Material::Chrome, {{72, 31}, {76, 31}}, 1),
        wheel(20, 7.6, Rim::Alloy),
        wheel(79, 7.6, Rim::Alloy),
    };
}

Design paganiZondaR()
{
    return withParts(
        {
            shadow(2, 98),
            body({{4, 41, 1.5}, {3, 33, 2}, {7, 30, 2}, {28, 27, 3}, {44, 21, 8}, {58, 21, 6}, {72, 29, 3}, {93, 33, 4}, {97, 37, 1}, {96, 41, 1.5}}),
            // Dorsal fin from the roof to the wing.
            body({{18, 28, 0.5}, {40, 21.5, 1}, {42, 24, 0.5}}),
            glass({{36, 28, 1}, {45, 23, 5}, {57, 23, 5}, {67, 29.5, 1}}),
            shape(Material::Trim, {{24, 31, 1}, {32, 30, 1}, {30, 36, 2}, {25, 36, 1}}),
            oval(Material::Chrome, 1.8, 32.5, 3, 3),
            line(Material::Trim, {{84, 41.8}, {98, 41.8}}, 1.2),
            oval(Material::Headlamp, 86.5, 31.3, 3, 3),
            oval(Material::Headlamp, 89.8, 32.2, 3, 3),
            line(Material::Taillamp, {{4.5, 30.5}, {9, 30}}, 1.5),
            wheel(20, 7.6, Rim::Sport),
            wheel(79, 7.6, Rim::Sport),
        },
        rearWing(1.5, 18.5, 19.5, 28.5));
}

Design volkswagenCorrado()
{
    return {
        shadow(3, 97),
        body({{5, 41, 1.5}, {4, 31, 2}, {6, 25, 2}, {14, 22, 3}, {34, 15, 6}, {52, 15, 5}, {68, 25.5, 3}, {93, 28.5, 3}, {96, 33, 2}, {95, 41, 1.5}}),
        box(Material::Paint, 5, 22.5, 9, 1.8, 0.6),
        glass({{18, 23.3, 1}, {34, 17.5, 4}, {51, 17, 3}, {64, 25.5, 1}}),
        pillar(44, 17, 43.5, 25.5, 1.8),
        seam({{43.5, 26}, {43.5, 35}}),
        seam({{63, 26}, {63.5, 35}}),
        box(Material::Headlamp, 90, 29, 5.5, 3, 0.6),
        box(Material::Taillamp, 4.5, 25.5, 4, 4, 0.8),
        shape(Material::Trim, {{5, 35, 0.5}, {95, 35, 0.5}, {95, 40, 1}, {5, 40, 1}}),
        wheel(21, 7.3, Rim::Alloy),
        wheel(78, 7.3, Rim::Alloy),
    };
}

Design dannyChhangConcept()
{
    return {
        shadow(3, 97),
        body({{6, 42, 2}, {3, 36, 4}, {10, 28, 10}, {40, 22, 14}, {70, 24, 10}, {92, 32, 6}, {97, 38, 2}, {94, 42, 1}}),
        glass({{34, 23.5, 2}, {45, 13, 8}, {62, 14, 8}, {75, 25, 2}}),
        pillar(52, 13.3, 54, 23.5, 1.2),
        wheel(23, 7.2, Rim::Sport, Arch::None),
        // Spat over the rear wheel.
        shape(Material::PaintShade, {{12, 42, 2}, {12, 34, 6}, {24, 30.5, 6}, {34, 34, 4}, {34, 42, 2}}),
        oval(Material::Chrome, 21, 37, 4, 4),
        seam({{36, 30}, {86, 33}}),
        line(Material::Headlamp, {{88, 31}, {95, 34.5}}, 1.4),
        line(Material::Taillamp, {{4, 35}, {8, 31}}, 1.4),
        wheel(80, 7.2, Rim::Sport),
    };
}

Design formulaOne()
{
    return {
        shadow(3, 98),
        // Rear wing: end plate and the two planes.
        box(Material::Paint, 2, 19, 11, 15, 1),
        box(Material::Trim, 1.5, 19, 12, 2.4, 0.8),
        box(Material::Trim, 2, 25, 11, 1.6, 0.6),
        line(Material::Trim, {{11, 31}, {15, 35}}, 1.4),
        // Engine cover rising to the air box, cockpit, and the needle nose.
        body({{12, 39, 1}, {13, 32, 2}, {36, 23, 3}, {40, 21, 1}, {44, 21, 1}, {47, 29, 1}, {58, 29.5, 2}, {95, 37, 2}, {97, 39.5, 1}, {60, 40, 1}, {16, 41, 1}}),
        shape(Material::PaintShade, {{24, 40.5, 1}, {26, 33, 2}, {50, 32.5, 2}, {57, 35, 2}, {57, 40.5, 1}}),
        oval(Material::Gold, 45.5, 23.8, 6.5, 6.5),
        box(Material::Trim, 48.5, 25.3, 3.5, 1.8, 0.6),
        line(Material::Trim, {{45, 29.6}, {58, 29.9}}, 1.4),
        box(Material::Paint, 88, 37, 9.5, 5.5, 1),
        line(Material::Trim, {{83, 42.8}, {98.5, 42.8}}, 1.4),
        box(Material::Taillamp, 11, 35.5, 2, 2, 0.5),
        wheel(21, 8.6, Rim::Sport, Arch::None),
        wheel(77, 7.8, Rim::Sport, Arch::None),
    };
}

// A drag racer: huge rear slicks, a long needle nose and a wing on struts.
Design dragster()
{
    return {
        shadow(1, 96),
        line(Material::Trim, {{9, 7}, {12, 30}}, 1.2),
        line(Material::Trim, {{20, 7}, {20, 30}}, 1.2),
        box(Material::Paint, 2, 4, 22, 3.4, 1.2),
        line(Material::Steel, {{1, 43}, {12, 39}}, 1),
        oval(Material::Rubber, 0, 42, 3, 3),
        body({{24, 39, 1.5}, {25, 31, 2}, {40, 29, 2}, {96, 38, 1.5}, {96, 40, 1}, {40, 40, 1.5}}),
        line(Material::Chrome, {{27, 30}, {28, 21}, {34, 21}, {35, 30}}, 1),
        oval(Material::Snow, 28, 21.5, 5.5, 5.5),
        box(Material::Trim, 31, 22.8, 2.8, 1.6, 0.6),
        box(Material::Steel, 37, 22, 14, 8, 1),
        box(Material::Chrome, 39, 16, 9, 6, 1),
        box(Material::Trim, 46, 15, 3, 3, 0.5),
        line(Material::Chrome, {{40, 29}, {38, 33}}, 1),
        line(Material::Chrome, {{45, 29.5}, {44, 33.5}}, 1),
        wheel(15, 13.5, Rim::Sport, Arch::None),
        wheel(88, 4.5, Rim::Spoked, Arch::None),
    };
}

Design lmRallyFighter()
{
    return {
        shadow(2, 98),
        body({{4, 36, 1.5}, {4, 24, 2}, {20, 22, 2}, {30, 14, 4}, {52, 13, 4}, {64, 22, 3}, {94, 24, 4}, {97, 30, 2}, {95, 36, 1.5}}),
        glass({{31, 21.5, 1}, {33, 16.3, 2}, {51, 15.7, 2}, {59, 21.5, 1}}),
        pillar(43, 16, 43, 21.5, 2),
        seam({{43, 22}, {43, 34}}),
        box(Material::Trim, 32, 11.2, 18, 2, 0.8),
        line(Material::Headlamp, {{34, 12.2}, {48, 12.2}}, 0.8),
        box(Material::Rubber, 7, 18.5, 12, 4, 2),
        line(Material::Steel, {{89, 37}, {97, 31}}, 1.2),
        box(Material::Headlamp, 91, 24.5, 4, 3, 1),
        box(Material::Taillamp, 4, 25, 2, 4, 0.5),
        wheel(21, 9.6, Rim::Steel, Arch::Flare),
        wheel(79, 9.6, Rim::Steel, Arch::Flare),
    };
}

} // namespace

std::vector<CarModel> sportsCars()
{
    return {
        {QStringLiteral("Audi_TT"), audiTt()},
        {QStringLiteral("Lamborghini_MURCIELAGO"), lamborghiniMurcielago()},
        {QStringLiteral("Dodge_Viper"), dodgeViper()},
        {QStringLiteral("Bugatti_Veyron"), bugattiVeyron()},
        {QStringLiteral("Ferrari_FX_Concept"), ferrariFxConcept()},
        {QStringLiteral("Ferrari_Zobin"), ferrariZobin()},
        {QStringLiteral("911_GT3_RS"), porsche911Gt3Rs()},
        {QStringLiteral("BMW_M6"), bmwM6()},
        {QStringLiteral("Bugatti_Galibier"), bugattiGalibier()},
        {QStringLiteral("DeLorean_Time_Machine"), deloreanTimeMachine()},
        {QStringLiteral("Hennessey_Venom_GT1"), hennesseyVenomGt1()},
        {QStringLiteral("Mercedes_Benz_SL_600"), mercedesBenzSl600()},
        {QStringLiteral("Pagani_Zonda_R"), paganiZondaR()},
        {QStringLiteral("Volkswagen_Corrado"), volkswagenCorrado()},
        {QStringLiteral("Danny_Chhang_Concept"), dannyChhangConcept()},
        {QStringLiteral("Болид_F1"), formulaOne()},
        {QStringLiteral("NBar"), dragster()},
        {QStringLiteral("LM_Rally_Fighter"), lmRallyFighter()},
    };
}

} // namespace carsgen
