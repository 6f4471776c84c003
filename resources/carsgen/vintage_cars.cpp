// Cars of the twenties to fifties: separate mudguards, running boards, wire wheels.
#include "parts.h"
#include "vehicles.h"

namespace carsgen {
namespace {

// A mudguard over a wheel, from one angle to another; black, as on most cars of the time.
Part mudguard(qreal x, qreal wheelRadius, qreal fromDegrees, qreal toDegrees, qreal thickness = 3)
{
    return shape(Material::Trim,
                 arcBand(wheelCentre(x, wheelRadius), wheelRadius + 0.8, wheelRadius + 0.8 + thickness,
                         fromDegrees, toDegrees));
}

// A front wing that arches over the wheel and sweeps back down to the running board at tailX.
Outline sweptWing(qreal x, qreal wheelRadius, qreal tailX)
{
    const QPointF centre = wheelCentre(x, wheelRadius);
    Outline wing = arcPoints(centre, wheelRadius + 3.8, 0, 150);
    wing.push_back({tailX, centre.y() - 1, 3});
    wing.push_back({tailX, centre.y() + 0.8, 0.5});
    const Outline inner = arcPoints(centre, wheelRadius + 0.8, 165, 5);
    wing.insert(wing.end(), inner.begin(), inner.end());
    return wing;
}

// Vertical louvres along a bonnet side.
Design louvres(qreal left, qreal right, qreal top, qreal bottom, int count)
{
    Design lines;
    const qreal step = (right - left) / (count - 1);
    for (int i = 0; i < count; ++i)
        lines.push_back(line(Material::Trim, {{left + i * step, top}, {left + i * step, bottom}}, 0.7));
    return lines;
}

Design duesenbergSpeedster()
{
    Design design = {
        shadow(4, 97),
        // Boat tail, open cockpit and a long bonnet.
        body({{10, 37, 1}, {3, 31, 3}, {12, 26, 8}, {34, 25.5, 1}, {52, 24.5, 1}, {86, 24, 1.5}, {88, 36, 1}, {88, 37, 1}}),
        line(Material::Trim, {{34, 26}, {51, 25.3}}, 1.4),
        glass({{51, 24.8, 0.3}, {55, 17.5, 0.5}, {56.8, 17.5, 0.5}, {54.5, 24.8, 0.3}}),
    };
    append(design, louvres(68, 80, 26.5, 31.5, 6));
    append(design, {
        // The outside exhaust pipes running down into the wing.
        line(Material::Chrome, {{58, 27}, {56, 34}}, 1),
        line(Material::Chrome, {{61, 27}, {59, 34}}, 1),
        line(Material::Chrome, {{64, 27}, {62, 34}}, 1),
        wheel(22, 8.2, Rim::Spoked, Arch::None),
        wheel(78, 8.2, Rim::Spoked, Arch::None),
        mudguard(22, 8.2, -5, 180),
        shape(Material::Trim, sweptWing(78, 8.2, 54)),
        box(Material::Trim, 30, 37, 25, 2, 0.8),
        box(Material::Chrome, 86.5, 22, 3, 14, 1),
        line(Material::Chrome, {{89, 27}, {92, 27}}, 1),
        oval(Material::Chrome, 89.5, 23.5, 5.5, 5.5),
        oval(Material::Headlamp, 91.5, 24.5, 3, 3.5),
        box(Material::Taillamp, 3.5, 31.5, 2, 2.5),
    });
    return design;
}

Design ss1()
{
    Design design = {
        shadow(4, 97),
        body({{9, 37, 1}, {5, 31, 4}, {9, 25, 4}, {14, 18, 4}, {21, 15.5, 3}, {38, 15.5, 1.5}, {41, 24.5, 1}, {86, 24, 1.5}, {88, 36, 1}, {88, 37, 1}}),
        // Fabric roof with its chrome landau iron.
        line(Material::Trim, {{11, 24}, {15, 17.5, 3}, {22, 15.8}, {38, 15.8}}, 2.2),
        line(Material::Chrome, {{12.5, 21}, {16, 19.5}, {18.5, 21.5}}, 0.9),
        glass({{23, 24, 1}, {23, 18.3, 1}, {37, 18.3, 1}, {38.6, 24, 1}}),
        seam({{39.5, 25}, {39.5, 36}}),
        seam({{22, 25}, {22, 29}}),
    };
    append(design, louvres(72, 82, 26, 31, 5));
    append(design, {
        wheel(22, 7.8, Rim::Spoked, Arch::None),
        wheel(80, 7.8, Rim::Spoked, Arch::None),
        mudguard(22, 7.8, -5, 180),
        shape(Material::Trim, sweptWing(80, 7.8, 54)),
        box(Material::Trim, 29, 37.2, 26, 2, 0.8),
        // Spare wheel carried in the wing.
        oval(Material::Rubber, 57, 26.5, 10, 10),
        oval(Material::Chrome, 59.5, 29, 5, 5),
        box(Material::Chrome, 86.5, 22.5, 3, 13.5, 1),
        oval(Material::Chrome, 88.5, 22, 5.5, 5.5),
        oval(Material::Headlamp, 90.5, 23, 3, 3.5),
        box(Material::Taillamp, 5, 30, 2, 3),
    });
    return design;
}

// A veteran car with a tall cab, a canopy roof and wooden-spoke wheels.
Design retro()
{
    return {
        shadow(10, 92),
        line(Material::Trim, {{14, 21}, {15, 7}}, 1.2),
        line(Material::Trim, {{50, 24}, {49, 7}}, 1.2),
        box(Material::Trim, 11, 4.5, 42, 3, 1.2),
        glass({{48, 24, 0.3}, {48, 8.5, 0.3}, {50, 8.5, 0.3}, {51, 24, 0.3}}),
        shape(Material::Trim, {{28, 27, 0.5}, {29, 15, 1.5}, {34, 15, 1.5}, {35, 27, 0.5}}),
        line(Material::Trim, {{44, 25}, {47, 18}}, 1),
        line(Material::Trim, {{44.5, 17.6}, {49.5, 18.6}}, 1.4),
        body({{12, 33, 1}, {12, 20, 2}, {30, 20, 2}, {32, 26, 1}, {52, 26, 1}, {53, 23.5, 1}, {80, 24, 1.5}, {82, 26, 1}, {82, 33, 1}}),
        seam({{40, 26.5}, {40, 33}}),
        box(Material::Gold, 80, 21, 4.5, 13, 1),
        wheel(25, 9, Rim::Spoked, Arch::None),
        wheel(72, 9, Rim::Spoked, Arch::None),
        mudguard(25, 9, 0, 175, 2),
        mudguard(72, 9, 5, 180, 2),
        box(Material::Trim, 35, 35.5, 28, 1.8, 0.6),
        oval(Material::Gold, 84, 23, 5, 5),
        oval(Material::Headlamp, 85.5, 24, 3, 3),
        oval(Material::Taillamp, 10.5, 25, 2.5, 2.5),
    };
}

Design ferrari250TestaRossa()
{
    return {
        shadow(3, 97),
        body({{5, 41, 2}, {3, 34, 4}, {8, 30, 6}, {34, 29, 3}, {56, 28.5, 1}, {62, 29, 2}, {90, 31, 6}, {97, 37, 3}, {95, 41, 2}}),
        // Head fairing, open cockpit and a wrap-round screen.
        body({{35, 29.3, 1}, {39, 23.5, 3}, {44, 23.5, 2}, {47, 29, 1}}),
        line(Material::Trim, {{46, 29.2}, {55, 28.9}}, 1.4),
        glass({{51, 28.6, 0.3}, {55, 23, 1}, {59, 23, 1}, {60, 28.8, 0.3}}),
        // The pontoon wing is hollowed out behind the front wheel.
        shape(Material::Trim, {{60, 41, 1}, {62, 35, 3}, {68, 31.5, 2}, {70, 41, 1}}),
        oval(Material::Trim, 93, 33, 4, 5.5),
        oval(Material::Headlamp, 85, 29.3, 5, 3),
        oval(Material::Snow, 30.5, 30.5, 7, 7),
        caption(QStringLiteral("7"), QRectF(30.5, 30.5, 7, 7), Qt::black, 6),
        oval(Material::Taillamp, 3.5, 31.5, 2.5, 2.5),
        wheel(22, 7.2, Rim::Spoked),
        wheel(79, 7.2, Rim::Spoked),
    };
}

} // namespace

std::vector<CarModel> vintageCars()
{
    return {
        {QStringLiteral("Duesenberg_Speedster"), duesenbergSpeedster()},
        {QStringLiteral("SS1"), ss1()},
        {QStringLiteral("Retro"), retro()},
        {QStringLiteral("Ferrari_250_Testa_Rossa"), ferrari250TestaRossa()},
    };
}

} // namespace carsgen
