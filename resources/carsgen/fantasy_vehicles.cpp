// Vehicles from films, cartoons and fairy tales: flying saucer, bat cars,
// a dragon, an elephant, a mechanical beetle, a fish car and a cartoon racer.
#include "parts.h"
#include "vehicles.h"

#include <QLinearGradient>
#include <QPainter>

namespace carsgen {
namespace {

void drawTractorBeam(QPainter& painter, const Paint&)
{
    QLinearGradient light(0, 28, 0, 46);
    light.setColorAt(0, QColor(0xff, 0xf6, 0xa0, 170));
    light.setColorAt(1, QColor(0xff, 0xf6, 0xa0, 20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawPolygon(QPolygonF({QPointF(40, 28), QPointF(60, 28), QPointF(70, 46), QPointF(30, 46)}));
}

Design ufo()
{
    Design design = {
        shadow(28, 72),
        Custom(drawTractorBeam),
        // A little green pilot under the dome.
        oval(Material::Glass, 34, 3, 32, 22),
        oval(Material::Foliage, 46, 8, 8, 9),
        oval(Material::Trim, 47.3, 10.5, 2.2, 2.8),
        oval(Material::Trim, 50.5, 10.5, 2.2, 2.8),
        oval(Material::PaintShade, 22, 23, 56, 9),
        oval(Material::Paint, 10, 13, 80, 13),
        oval(Material::Paint, 3, 18.5, 94, 8),
    };
    for (const auto& [x, size] : {std::pair{8.0, 2.2}, {20.0, 2.8}, {34.0, 3.2}, {48.5, 3.4}, {63.0, 3.2}, {77.0, 2.8}, {89.5, 2.2}})
        design.push_back(oval(Material::Headlamp, x, 22.5 - size / 2, size, size));
    return design;
}

// Burton's bat car: a long low body, turbine intake in the nose, bat fins at the tail.
Design batmobile()
{
    return {
        shadow(2, 98),
        oval(Material::Flame, 0, 35, 5, 3),
        body({{2, 37, 0.5}, {3, 16, 1}, {8, 18, 2}, {22, 31, 1}}),
        body({{4, 42, 1}, {2, 36, 1}, {10, 33, 2}, {30, 32, 2}, {40, 28, 3}, {56, 28, 3}, {70, 30, 4}, {96, 34, 5}, {98, 38, 2}, {96, 42, 1}}),
        glass({{36, 29.5, 1}, {42, 21.5, 5}, {54, 21.5, 4}, {62, 29.5, 1}}),
        seam({{8, 24}, {10, 30}}),
        shape(Material::PaintShade, {{8, 42, 1}, {8, 37.5, 1}, {92, 38.5, 1}, {94, 42, 1}}),
        oval(Material::Trim, 91, 32.5, 6, 7),
        oval(Material::Steel, 92.5, 34, 3, 4),
        line(Material::Taillamp, {{3, 34}, {8, 33}}, 1.2),
        wheel(22, 7.2, Rim::Hubcap),
        wheel(78, 7.2, Rim::Hubcap),
    };
}

// The armoured bat tank: flat plates, huge bare rear tyres, front wheels on arms.
Design tumbler()
{
    return {
        shadow(4, 96),
        oval(Material::Flame, 0.5, 26, 5, 4),
        box(Material::Trim, 4, 25, 5, 6, 1),
        body({{8, 36, 0.5}, {6, 24, 0.5}, {20, 17, 0.5}, {48, 15, 0.5}, {60, 23, 0.5}, {92, 27, 0.5}, {96, 33, 0.5}, {70, 37, 0.5}, {30, 39, 0.5}}),
        shape(Material::PaintShade, {{30, 39, 0.5}, {34, 30, 0.5}, {70, 30, 0.5}, {70, 37, 0.5}}),
        glass({{40, 17.5, 0.5}, {47, 16.5, 0.5}, {56, 23, 0.5}, {50, 23.5, 0.5}}),
        seam({{20, 17.5}, {24, 30}, {60, 23.5}}),
        seam({{70, 28}, {92, 28}}),
        line(Material::Trim, {{64, 33}, {82, 38.5}}, 2),
        box(Material::Headlamp, 90, 28.5, 4, 1.8, 0.5),
        wheel(22, 12, Rim::Steel, Arch::None),
        wheel(83, 8, Rim::Steel, Arch::None),
    };
}

// A bat-like wing rising from the shoulder and sweeping back, with a scalloped trailing edge.
Outline batWing(qreal dx, qreal dy)
{
    Outline wing = {{50, 22, 1}, {57, 21, 1}, {51, 6, 2}, {46, 3, 1}, {25, 1, 1}, {31, 9.5, 2}, {35, 7.5, 1}, {39, 14, 2}, {43, 11.5, 1}, {47, 19, 1}};
    for (Vertex& vertex : wing) {
        vertex.x += dx;
        vertex.y += dy;
    }
    return wing;
}

Design dragon()
{
    return {
        // Far wing, far legs and the tail behind the body.
        shape(Material::PaintShade, batWing(7, -2)),
        shape(Material::PaintShade, {{30, 30, 1}, {27, 44, 1}, {33, 45, 1}, {36, 32, 1}}),
        shape(Material::PaintShade, {{58, 30, 1}, {61, 44, 1}, {67, 45, 1}, {64, 30, 1}}),
        body({{1, 24, 0.5}, {6, 22, 0.5}, {14, 30, 4}, {24, 32, 4}, {30, 27, 2}, {24, 28, 2}, {14, 26, 4}, {7, 19, 0.5}, {3, 19, 0.5}}),
        oval(Material::Paint, 22, 19, 42, 17),
        shape(Material::Gold, {{28, 33, 3}, {44, 36, 3}, {60, 33, 3}, {56, 31, 3}, {30, 31, 3}}),
        // Neck, head with horn and eye, and fire.
        body({{56, 24, 2}, {66, 12, 4}, {72, 11, 2}, {74, 17, 2}, {64, 30, 3}}),
        body({{67, 13, 2}, {73, 7, 3}, {82, 8, 2}, {93, 12, 2}, {93, 16.5, 2}, {83, 17.5, 2}, {71, 19, 2}}),
        line(Material::Canvas, {{72, 8.5}, {67, 2.5}}, 1.6),
        oval(Material::Snow, 77, 9.5, 3.6, 3),
        oval(Material::Trim, 78.4, 10, 1.6, 2),
        line(Material::Seam, {{84, 15}, {93, 14.5}}, 0.7),
        shape(Material::Flame, {{93, 13, 1}, {99, 10, 1}, {97, 14.5, 1}, {99, 19, 1}, {93, 16, 1}}),
        // Near legs with claws, spikes along the back, near wing.
        body({{28, 30, 1}, {24, 44, 1}, {31, 45, 1}, {35, 32, 1}}),
        body({{54, 30, 1}, {56, 44, 1}, {63, 45, 1}, {62, 29, 1}}),
        line(Material::Snow, {{24, 45.5}, {31, 45.5}}, 0.9),
        line(Material::Snow, {{56, 45.5}, {63, 45.5}}, 0.9),
        line(Material::PaintShade, {{28, 19.5}, {31, 17}, {34, 19}, {37, 16.5}, {40, 18.5}, {43, 16.5}, {46, 18.5}}, 1),
        shape(Material::Paint, batWing(0, 0)),
        line(Material::PaintShade, {{49, 5}, {31, 9.5}}, 0.8),
        line(Material::PaintShade, {{49, 5}, {39, 14}}, 0.8),
        line(Material::PaintShade, {{49, 5}, {46.5, 19}}, 0.8),
    };
}

// A toy elephant in the body colour, with a saddle cloth.
Design elephant()
{
    return {
        shadow(14, 90),
        box(Material::PaintShade, 28, 32, 8, 14, 3),
        box(Material::PaintShade, 58, 32, 8, 14, 3),
        line(Material::PaintShade, {{16, 22}, {11, 31}}, 1.4),
        oval(Material::Trim, 9, 30.5, 3, 3.5),
        oval(Material::Paint, 14, 10, 54, 28),
        box(Material::Paint, 19, 30, 9, 16, 3.5),
        box(Material::Paint, 50, 30, 9, 16, 3.5),
        line(Material::Snow, {{19.5, 45.6}, {27.5, 45.6}}, 1),
        line(Material::Snow, {{50.5, 45.6}, {58.5, 45.6}}, 1),
        body({{72, 14, 2}, {84, 16, 4}, {90, 26, 4}, {95, 38, 2}, {98, 37, 1}, {97, 41, 1.5}, {91, 41, 2}, {84, 28, 3}, {74, 28, 2}}),
        oval(Material::Paint, 58, 6, 28, 26),
        oval(Material::PaintShade, 56, 9, 15, 21),
        line(Material::Snow, {{80, 27}, {86, 30}}, 1.6),
        oval(Material::Trim, 75, 14, 2.2, 2.6),
        shape(Material::Banner, {{26, 10.5, 3}, {52, 10, 3}, {50, 24, 1}, {28, 24, 1}}),
        line(Material::Gold, {{28, 24}, {50, 24}}, 1.6),
        oval(Material::Gold, 32, 15, 3, 3),
        oval(Material::Gold, 38, 15, 3, 3),
        oval(Material::Gold, 44, 15, 3, 3),
    };
}

// A mechanical beetle: a riveted shell on six jointed legs, with feelers.
Design insecator()
{
    Design design = {shadow(10, 92)};
    for (const qreal x : {22.0, 44.0, 66.0}) {
        design.push_back(line(Material::Trim, {{x + 2, 30}, {x - 5, 36}, {x - 7, 46}}, 2));
        design.push_back(line(Material::Steel, {{x + 6, 31}, {x + 11, 37}, {x + 12, 46}}, 2));
    }
    append(design, {
        line(Material::Trim, {{80, 20}, {88, 10}, {97, 6}}, 1),
        line(Material::Trim, {{82, 21}, {92, 14}, {98, 13}}, 1),
        oval(Material::PaintShade, 70, 16, 18, 16),
        shape(Material::Steel, {{84, 27, 1}, {94, 29, 1}, {88, 32, 1}}),
        oval(Material::Taillamp, 78, 19, 5, 5),
        oval(Material::Paint, 10, 8, 66, 30),
        seam({{14, 22}, {74, 20}}),
        seam({{60, 10}, {58, 36}}),
    });
    for (const qreal x : {20.0, 32.0, 44.0})
        design.push_back(oval(Material::Chrome, x, 27, 2.2, 2.2));
    return design;
}

// A fish-shaped amphibious car: tail fin behind, cockpit bubble as its eye.
Design ichthys()
{
    return {
        shadow(20, 86),
        wheel(32, 6, Rim::Alloy, Arch::None),
        wheel(72, 6, Rim::Alloy, Arch::None),
        shape(Material::PaintShade, {{40, 12, 1}, {50, 2, 2}, {62, 10, 1}}),
        body({{3, 10, 1}, {18, 24, 2}, {3, 38, 1}, {8, 24, 1}}),
        body({{14, 25, 2}, {30, 14, 10}, {60, 10, 14}, {86, 16, 10}, {97, 26, 4}, {86, 34, 8}, {60, 38, 10}, {30, 36, 10}}),
        line(Material::Seam, {{62, 14}, {58, 24, 6}, {62, 34}}, 0.8),
        line(Material::Seam, {{30, 22}, {34, 26}, {30, 30}}, 0.6),
        line(Material::Seam, {{38, 20}, {42, 25}, {38, 30}}, 0.6),
        line(Material::Seam, {{46, 19}, {50, 25}, {46, 31}}, 0.6),
        shape(Material::PaintShade, {{56, 30, 1}, {46, 38, 2}, {62, 35, 1}}),
        oval(Material::Glass, 68, 14, 15, 11),
        line(Material::Trim, {{91, 28.5}, {96.5, 27}}, 0.8),
        box(Material::Headlamp, 90, 23, 4, 2, 1),
    };
}

// A cartoon racer with eyes in its windscreen and a grin on its bumper.
Design cartoonRacer()
{
    return {
        shadow(6, 95),
        line(Material::Steel, {{0.5, 25}, {5, 25}}, 1),
        line(Material::Steel, {{0.5, 30}, {3.5, 30}}, 1),
        line(Material::Steel, {{0.5, 35}, {5, 35}}, 1),
        body({{8, 41, 3}, {6, 30, 6}, {14, 20, 8}, {34, 14, 10}, {58, 14, 10}, {72, 24, 6}, {88, 27, 7}, {94, 34, 4}, {92, 41, 3}}),
        glass({{18, 24, 2}, {24, 17, 4}, {38, 17, 2}, {38, 24, 1}}),
        glass({{43, 25, 2}, {49, 16.5, 5}, {62, 16.5, 5}, {71, 25, 2}}),
        oval(Material::Snow, 51, 17.2, 8.4, 7.4),
        oval(Material::Snow, 60, 17.2, 8.4, 7.4),
        oval(Material::Trim, 55.5, 19.5, 3.2, 3.8),
        oval(Material::Trim, 64.5, 19.5, 3.2, 3.8),
        line(Material::Trim, {{83, 33.5}, {88.5, 36, 3}, {94, 33}}, 1.1),
        oval(Material::Snow, 32, 25, 9, 9),
        caption(QStringLiteral("1"), QRectF(31.5, 24.8, 10, 10), Qt::black, 8),
        oval(Material::Headlamp, 86, 27.5, 4, 3.5),
        wheel(22, 7.5, Rim::Sport),
        wheel(76, 7.5, Rim::Sport),
    };
}

} // namespace

std::vector<CarModel> fantasyVehicles()
{
    return {
        {QStringLiteral("НЛО"), ufo()},
        {QStringLiteral("Бэтмобиль"), batmobile()},
        {QStringLiteral("Tumbler"), tumbler()},
        {QStringLiteral("Дракон"), dragon()},
        {QStringLiteral("Слоник"), elephant()},
        {QStringLiteral("Инсекатор"), insecator()},
        {QStringLiteral("ИХТИС"), ichthys()},
        {QStringLiteral("Обгоняша"), cartoonRacer()},
    };
}

} // namespace carsgen
