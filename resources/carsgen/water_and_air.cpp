// Craft for water, snow and air.
#include "parts.h"
#include "vehicles.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace carsgen {
namespace {

// A band of water with a wavy top between left and right.
Part water(qreal left, qreal right, qreal top)
{
    Outline waves;
    const int troughs = 8;
    const qreal step = (right - left) / troughs;
    for (int i = 0; i <= troughs; ++i)
        waves.push_back({left + i * step, top + (i % 2 == 0 ? 0 : 2.4), 3});
    waves.push_back({right - 2, 48, 2});
    waves.push_back({left + 2, 48, 2});
    return shape(Material::Water, waves);
}

// A spinning propeller seen edge-on: a blurred disc.
Custom propellerDisc(QRectF disc)
{
    return [disc](QPainter& painter, const Paint&) {
        QRadialGradient blur(disc.center(), disc.height() / 2);
        blur.setColorAt(0, QColor(0x50, 0x50, 0x50, 150));
        blur.setColorAt(1, QColor(0x50, 0x50, 0x50, 40));
        painter.translate(disc.center());
        painter.scale(disc.width() / disc.height(), 1);
        painter.setPen(QPen(QColor(0x30, 0x30, 0x30, 160), 0.8));
        painter.setBrush(blur);
        painter.drawEllipse(QPointF(0, 0), disc.height() / 2, disc.height() / 2);
    };
}

Design airboat()
{
    return {
        water(2, 98, 41.5),
        // Spray thrown up behind the hull.
        oval(Material::Snow, 2, 36, 8, 5),
        oval(Material::Snow, 7, 38.5, 7, 4),
        // Propeller in its cage behind the engine, with rudders.
        Custom(propellerDisc(QRectF(12, 5, 7, 30))),
        line(Material::Steel, {{11, 5}, {15.5, 2}, {20, 5}, {20, 34}, {15.5, 37}, {11, 34}, {11, 5}}, 0.9),
        box(Material::Paint, 5, 14, 4, 18, 1),
        line(Material::Steel, {{9, 22}, {12, 22}}, 1),
        box(Material::Steel, 20, 16, 14, 13, 2),
        box(Material::Trim, 22, 18, 10, 3, 0.5),
        oval(Material::Chrome, 14, 18, 3, 3),
        line(Material::Steel, {{19, 20}, {16, 20}}, 1.2),
        // The raised driver's seat on its frame.
        line(Material::Steel, {{42, 33}, {46, 24}, {52, 33}}, 1.2),
        shape(Material::Trim, {{42, 24.5, 0.5}, {43, 15, 1.5}, {47, 15, 1.5}, {48, 22, 0.5}, {54, 22, 1}, {54, 24.5, 0.5}}),
        // Flat-bottomed hull, bow raised.
        body({{12, 42, 2}, {8, 33, 1.5}, {82, 33, 2}, {97, 29, 1}, {93, 38, 4}, {84, 42, 2}}),
        line(Material::Chrome, {{9, 33.5}, {82, 33.5}, {96.5, 29.5}}, 1),
        seam({{12, 37.5}, {88, 37.5}}),
    };
}

Design parasail()
{
    const QPointF canopyCentre(50, 34);
    Design design = {
        // Tow rope to the boat out of the picture and the rider below the canopy.
        line(Material::Steel, {{52, 37}, {96, 47}}, 0.7),
    };
    // Canopy cells, alternating body colour and white.
    const int cells = 7;
    for (int i = 0; i < cells; ++i) {
        const qreal from = 160 - 140.0 * i / cells;
        const qreal to = 160 - 140.0 * (i + 1) / cells;
        design.push_back(shape(i % 2 == 0 ? Material::Paint : Material::Snow,
                               arcBand(canopyCentre, 24, 32, from, to)));
    }
    for (const qreal angle : {160.0, 20.0, 120.0, 60.0}) {
        const QPointF edge = canopyCentre + QPointF(24 * std::cos(qDegreesToRadians(angle)),
                                                    -24 * std::sin(qDegreesToRadians(angle)));
        design.push_back(line(Material::Trim, {{edge.x(), edge.y()}, {50, 36}}, 0.4));
    }
    append(design, {
        oval(Material::Skin, 48.2, 31.5, 3.6, 3.6),
        box(Material::Banner, 48, 35, 4, 6, 1.2),
        line(Material::Trim, {{49, 41}, {48, 46}}, 1.2),
        line(Material::Trim, {{51, 41}, {52.5, 45.5}}, 1.2),
        line(Material::Skin, {{48, 36}, {46, 33}}, 1),
        line(Material::Skin, {{52, 36}, {54, 33}}, 1),
    });
    return design;
}

// An aerobatic propeller plane in flight.
Design redEagle()
{
    return {
        shadow(25, 80),
        body({{5, 26, 1}, {4, 10, 2}, {10, 10, 1}, {20, 22, 1}}),
        body({{8, 22, 1}, {22, 19.5, 3}, {70, 18, 6}, {86, 20, 6}, {90, 25, 3}, {86, 30, 4}, {60, 31, 3}, {20, 26, 2}, {8, 25, 1}}),
        shape(Material::PaintShade, {{2, 24, 1}, {22, 23, 1}, {22, 25.2, 1}, {4, 26, 1}}),
        line(Material::Snow, {{14, 24}, {84, 25}}, 1.4),
        glass({{48, 19, 1}, {53, 13, 4}, {62, 13, 4}, {68, 18.5, 1}}),
        // Low wing seen almost edge-on and the fixed landing gear.
        shape(Material::PaintShade, {{40, 29, 1.5}, {76, 28, 1.5}, {77, 31.5, 1.5}, {40, 32, 1.5}}),
        line(Material::Trim, {{66, 31}, {68, 38}}, 1.3),
        oval(Material::Rubber, 65, 36, 6, 6),
        body({{63.5, 37, 2}, {66, 34.5, 1}, {72, 34.5, 2}, {72, 38, 1}}),
        line(Material::Trim, {{10, 25}, {9, 29}}, 1),
        oval(Material::Rubber, 7.5, 28.5, 3, 3),
        shape(Material::Chrome, {{88, 20.5, 1}, {95, 25, 1}, {88, 29.5, 1}}),
        Custom(propellerDisc(QRectF(94, 8, 4, 34))),
    };
}

// A snowmobile: front ski, rear track.
Design snowmobile()
{
    return {
        shape(Material::Snow, {{2, 47.5, 1}, {6, 44.5, 2}, {94, 44.5, 2}, {98, 47.5, 1}}),
        oval(Material::Snow, 2, 33, 7, 6),
        oval(Material::Snow, 6, 37, 8, 6),
        box(Material::Rubber, 12, 37, 46, 8.5, 4),
        oval(Material::Steel, 13.5, 38.5, 5.5, 5.5),
        oval(Material::Steel, 25, 40, 4, 4),
        oval(Material::Steel, 36, 40, 4, 4),
        oval(Material::Steel, 51, 38.5, 5.5, 5.5),
        line(Material::Trim, {{76, 44}, {72, 34}}, 1.8),
        shape(Material::Trim, {{58, 46, 1}, {90, 46, 1}, {97, 42, 2}, {95, 40.5, 1}, {90, 44, 1}, {58, 44.5, 1}}),
        glass({{64, 23, 0.5}, {70, 11, 1}, {73, 11, 1}, {72, 22, 0.5}}),
        line(Material::Trim, {{60, 22}, {64, 17}}, 1.3),
        shape(Material::Trim, {{22, 27, 0.5}, {24, 23, 2}, {52, 23, 2}, {54, 27, 0.5}}),
        body({{12, 38, 2}, {11, 31, 2}, {40, 28, 2}, {56, 24.5, 4}, {70, 21, 3}, {84, 25, 3}, {93, 34, 4}, {88, 39, 2}, {14, 39, 1}}),
        seam({{40, 33}, {86, 31}}),
        box(Material::Headlamp, 84.5, 28, 5, 3, 1),
        box(Material::Taillamp, 11, 32, 2, 3, 0.5),
    };
}

Design submarine()
{
    return {
        // Bubbles from the screw.
        oval(Material::Glass, 0.5, 16, 3, 3),
        oval(Material::Glass, 3, 11, 2.2, 2.2),
        oval(Material::Glass, 1.5, 6.5, 1.6, 1.6),
        line(Material::Steel, {{52, 9}, {52, 2.5}, {56, 2.5}}, 1.2),
        body({{44, 22, 1}, {46, 9, 2}, {62, 9, 2}, {65, 22, 1}}),
        box(Material::PaintShade, 62, 13, 7, 1.8, 0.6),
        shape(Material::PaintShade, {{6, 29, 0.5}, {5, 19, 1}, {10, 19, 1}, {15, 26, 0.5}}),
        shape(Material::PaintShade, {{6, 31, 0.5}, {5, 41, 1}, {10, 41, 1}, {15, 34, 0.5}}),
        box(Material::Steel, 2, 25, 3.5, 10, 1.5),
        body({{6, 30, 2}, {12, 24, 8}, {24, 21, 6}, {80, 21, 10}, {97, 28, 8}, {95, 33, 6}, {80, 38, 8}, {24, 38, 6}, {10, 34, 6}}),
        seam({{10, 30.5}, {96, 30.5}}),
        oval(Material::Glass, 24, 25, 4, 4),
        oval(Material::Glass, 32, 25, 4, 4),
        oval(Material::Glass, 72, 25, 4, 4),
        oval(Material::Glass, 80, 25, 4, 4),
        box(Material::Headlamp, 92, 27, 3, 2.5, 1),
    };
}

Design caravel()
{
    return {
        water(2, 98, 42),
        // Masts, sails with the red cross, pennants.
        line(Material::Wood, {{50, 34}, {50, 2}}, 1.4),
        line(Material::Wood, {{74, 32}, {74, 8}}, 1.2),
        line(Material::Wood, {{24, 30}, {24, 8}}, 1.2),
        line(Material::Wood, {{88, 30}, {99, 23}}, 1),
        shape(Material::Canvas, {{38, 6, 1}, {62, 6, 1}, {64, 27, 5}, {36, 27, 5}}),
        box(Material::Banner, 48.5, 10, 3, 13, 0.3),
        box(Material::Banner, 43, 14.5, 14, 3, 0.3),
        shape(Material::Canvas, {{66, 11, 1}, {82, 11, 1}, {83, 27, 4}, {65, 27, 4}}),
        shape(Material::Canvas, {{14, 26, 1}, {33, 5, 1}, {31, 27, 2}}),
        shape(Material::Banner, {{50, 2}, {57, 3.5}, {50, 5}}),
        shape(Material::Banner, {{74, 8}, {80, 9.3}, {74, 10.6}}),
        // Hull with stern and fore castles.
        body({{16, 44, 3}, {6, 27, 1.5}, {20, 28, 1}, {22, 33, 1}, {74, 33, 1}, {78, 29, 1}, {92, 27, 1.5}, {84, 44, 5}}),
        line(Material::Wood, {{7, 28}, {20, 29}, {22, 33.7}, {74, 33.7}, {78, 30}, {91, 28}}, 1.2),
        box(Material::Trim, 32, 36, 3, 2.5, 0.5),
        box(Material::Trim, 44, 36, 3, 2.5, 0.5),
        box(Material::Trim, 56, 36, 3, 2.5, 0.5),
        box(Material::Trim, 68, 36, 3, 2.5, 0.5),
        seam({{12, 39.5}, {86, 39.5}}),
    };
}

} // namespace

std::vector<CarModel> waterAndAirVehicles()
{
    return {
        {QStringLiteral("Аэроглиссер"), airboat()},
        {QStringLiteral("Parasailing"), parasail()},
        {QStringLiteral("Red_Eagle"), redEagle()},
        {QStringLiteral("SSX"), snowmobile()},
        {QStringLiteral("Submarine"), submarine()},
        {QStringLiteral("Каравелла"), caravel()},
    };
}

} // namespace carsgen
