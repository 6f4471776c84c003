// Holiday vehicles: a New Year sleigh, a tank for Defender of the Fatherland Day,
// a flower car for 8 March and a tartan bus with bagpipes for a Scottish holiday.
#include "parts.h"
#include "pictures.h"

#include <QPainter>

namespace carsgen {
namespace {

// Each holiday vehicle has its own fixed colours.
const Paint kSleighRed = {QColor(0xff, 0x70, 0x60), QColor(0xd0, 0x1c, 0x1c), QColor(0x86, 0x0e, 0x0e), QColor(0x50, 0x08, 0x08)};
const Paint kArmyGreen = {QColor(0x8e, 0xa4, 0x5a), QColor(0x56, 0x6b, 0x2c), QColor(0x34, 0x44, 0x18), QColor(0x1c, 0x26, 0x0a)};
const Paint kSpringPink = {QColor(0xff, 0xd0, 0xe8), QColor(0xf4, 0x7c, 0xb8), QColor(0xc0, 0x48, 0x88), QColor(0x70, 0x20, 0x50)};
const Paint kTartanRed = {QColor(0xe8, 0x50, 0x48), QColor(0xb8, 0x1c, 0x20), QColor(0x80, 0x10, 0x14), QColor(0x40, 0x06, 0x08)};

// A wrapped present with a red ribbon.
Design present(qreal x, qreal y, qreal size, Material wrapping)
{
    return {
        box(wrapping, x, y, size, size, 0.8),
        line(Material::Banner, {{x + size / 2, y}, {x + size / 2, y + size}}, 1.2),
        line(Material::Banner, {{x, y + size / 2}, {x + size, y + size / 2}}, 1.2),
    };
}

Design newYearSleigh()
{
    Design design = {
        shape(Material::Snow, {{2, 48.5, 1}, {6, 45.5, 2}, {94, 45.5, 2}, {98, 48.5, 1}}),
        // A decorated fir tree riding in the sleigh.
        shape(Material::Foliage, {{38, 3}, {45, 12}, {42, 12}, {49, 20}, {45, 20}, {52, 29}, {24, 29}, {31, 20}, {27, 20}, {34, 12}, {31, 12}}),
        shape(Material::Gold, starOutline({38, 3.5}, 3.6, 1.5)),
        oval(Material::Banner, 35, 13, 2.6, 2.6),
        oval(Material::Gold, 40, 18, 2.6, 2.6),
        oval(Material::Snow, 32, 22, 2.6, 2.6),
        oval(Material::Banner, 44, 24, 2.6, 2.6),
    };
    append(design, present(53, 21, 8, Material::Gold));
    append(design, present(61, 24, 6, Material::Snow));
    append(design, {
        // Runners curling up at the front, struts, and the body.
        line(Material::Gold, {{8, 44}, {80, 44, 4}, {90, 40, 4}, {92, 34, 2}, {88, 32.5}}, 1.8),
        line(Material::Gold, {{22, 37}, {22, 44}}, 1.4),
        line(Material::Gold, {{62, 37}, {62, 44}}, 1.4),
        body({{12, 39, 3}, {6, 23, 4}, {14, 21, 2}, {20, 29, 2}, {66, 29, 2}, {76, 19, 4}, {86, 21, 2}, {80, 39, 4}}),
        line(Material::Gold, {{12, 35}, {80, 35}}, 1),
        line(Material::Gold, {{8, 24}, {14, 22}}, 1),
    });
    return design;
}

Design tank()
{
    Design design = {
        shadow(4, 92),
        line(Material::Trim, {{30, 18}, {22, 3}}, 0.6),
        box(Material::Rubber, 8, 34, 76, 12.5, 6),
    };
    for (const qreal x : {17.0, 29.0, 41.0, 53.0, 65.0})
        design.push_back(oval(Material::Steel, x - 4.8, 35.8, 9.6, 9.6));
    append(design, {
        oval(Material::Steel, 73, 36, 8, 8),
        body({{6, 34, 1}, {12, 27, 1}, {80, 27, 1}, {88, 33, 1}, {84, 36, 1}, {8, 36, 1}}),
        box(Material::Steel, 10, 25, 10, 3, 1.2),
        line(Material::PaintShade, {{58, 20.5}, {96, 19.5}}, 2.6),
        box(Material::PaintShade, 92, 18, 5, 3.4, 0.8),
        body({{28, 27, 1}, {32, 17, 3}, {56, 16, 3}, {61, 27, 1}}),
        box(Material::PaintShade, 38, 14.5, 9, 2.6, 1),
        shape(Material::Banner, starOutline({45, 21.8}, 4, 1.7)),
    });
    return design;
}

// A pickup heaped with flowers.
Design flowerCar()
{
    Design design = {
        shadow(4, 96),
        shape(Material::Foliage, {{6, 29, 1}, {8, 22, 4}, {18, 15, 5}, {32, 14, 5}, {43, 20, 3}, {45, 29, 1}}),
    };
    const struct {
        qreal x, y;
        Material petals;
    } flowers[] = {{10, 21, Material::Banner}, {17, 15, Material::Gold}, {25, 12.5, Material::Snow}, {33, 14, Material::Banner},
                   {40, 19, Material::Gold}, {21, 21, Material::Paint}, {30, 20, Material::Banner}, {13, 26, Material::Snow},
                   {38, 25, Material::Paint}};
    for (const auto& flower : flowers) {
        design.push_back(oval(flower.petals, flower.x - 3, flower.y - 3, 6, 6));
        design.push_back(oval(Material::Gold, flower.x - 1, flower.y - 1, 2, 2));
    }
    append(design, {
        body({{6, 41, 2}, {5, 28, 2}, {44, 28, 1}, {46, 17, 3}, {62, 17, 3}, {70, 26, 3}, {90, 28, 5}, {94, 34, 2}, {93, 41, 2}}),
        glass({{49, 26, 1}, {49, 20, 1.5}, {61, 20, 2}, {67, 26, 1}}),
        seam({{47, 28.5}, {47, 39}}),
        seam({{68, 27}, {68.5, 37}}),
        oval(Material::Snow, 52, 28.5, 10, 10),
        caption(QStringLiteral("8"), QRectF(52, 28.5, 10, 10), QColor(0xc0, 0x10, 0x40), 9),
        oval(Material::Headlamp, 87, 28.5, 4, 3.5),
        box(Material::Taillamp, 5, 30, 2, 4),
        wheel(20, 7.2, Rim::Whitewall),
        wheel(77, 7.2, Rim::Whitewall),
    });
    return design;
}

// Red tartan: broad green and navy bands crossed by thin yellow and white lines.
void drawTartan(QPainter& painter, const QPainterPath& area)
{
    painter.setClipPath(area);
    const QRectF bounds = area.boundingRect();
    painter.fillRect(bounds, QColor(0xb8, 0x1c, 0x20));
    const struct {
        qreal offset, width;
        QColor colour;
    } bands[] = {{0, 4, QColor(0x10, 0x50, 0x28, 170)}, {6, 2, QColor(0x10, 0x20, 0x50, 170)},
                 {9.5, 0.6, QColor(0xff, 0xe0, 0x40, 200)}, {3, 0.5, QColor(0xff, 0xff, 0xff, 160)}};
    const qreal period = 12;
    for (const auto& band : bands) {
        for (qreal x = bounds.left() + band.offset; x < bounds.right(); x += period)
            painter.fillRect(QRectF(x, bounds.top(), band.width, bounds.height()), band.colour);
        for (qreal y = bounds.top() + band.offset; y < bounds.bottom(); y += period)
            painter.fillRect(QRectF(bounds.left(), y, bounds.width(), band.width), band.colour);
    }
}

Design tartanBus()
{
    const Outline hull = {{4, 42, 2}, {3, 15, 4}, {7, 11, 3}, {93, 11, 3}, {97, 15, 4}, {97, 42, 2}};
    Design design = {
        shadow(3, 97),
        // Bagpipes on the roof: bag, drones and chanter.
        line(Material::Trim, {{44, 6}, {36, 1.5}}, 1.1),
        line(Material::Trim, {{46, 6}, {41, 1}}, 1.1),
        line(Material::Trim, {{48, 6}, {46, 1.2}}, 1.1),
        oval(Material::Snow, 35, 0.5, 2, 2),
        oval(Material::Snow, 40, 0, 2, 2),
        oval(Material::Snow, 45, 0.2, 2, 2),
        oval(Material::Banner, 41, 4, 14, 7.5),
        line(Material::Trim, {{54, 8}, {61, 10.5}}, 1.2),
        body(hull),
        Custom([hull](QPainter& painter, const Paint&) { drawTartan(painter, roundedPath(hull)); }),
        Custom([hull](QPainter& painter, const Paint& paint) {
            strokeWith(painter, roundedPath(hull), Material::Seam, paint, 0.8);
        }),
        line(Material::Gold, {{3.5, 22.5}, {96.5, 22.5}}, 1.6),
        box(Material::Trim, 4, 25, 10, 16, 1),
        glass({{88, 25, 1}, {95, 25, 1.5}, {96, 33, 1}, {88, 33, 1}}),
        oval(Material::Headlamp, 92.5, 35.5, 3.5, 3.5),
        box(Material::Taillamp, 3.5, 17, 1.8, 3),
        wheel(22, 6.5, Rim::Hubcap),
        wheel(80, 6.5, Rim::Hubcap),
    };
    append(design, windowRow(8, 94, 13.5, 20.5, 7, 2.4));
    append(design, windowRow(17, 85, 25, 32, 5, 2.4));
    return design;
}

} // namespace

PictureSet holidayPictures()
{
    return {
        {QStringLiteral("NY"), renderVehicle(newYearSleigh(), kSleighRed)},
        {QStringLiteral("TN"), renderVehicle(tank(), kArmyGreen)},
        {QStringLiteral("8N"), renderVehicle(flowerCar(), kSpringPink)},
        {QStringLiteral("Scottish"), renderVehicle(tartanBus(), kTartanRed)},
    };
}

} // namespace carsgen
