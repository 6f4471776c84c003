#include "design.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace carsgen {
namespace {

QPointF pointOf(const Vertex& vertex)
{
    return {vertex.x, vertex.y};
}

// The point `distance` away from `from` towards `to`.
QPointF towards(QPointF from, QPointF to, qreal distance)
{
    const QPointF delta = to - from;
    const qreal length = std::hypot(delta.x(), delta.y());
    return length == 0 ? from : from + delta * (distance / length);
}

qreal distanceBetween(QPointF a, QPointF b)
{
    return std::hypot(b.x() - a.x(), b.y() - a.y());
}

QLinearGradient verticalGradient(const QRectF& bounds)
{
    return QLinearGradient(bounds.topLeft(), bounds.bottomLeft());
}

QBrush paintBrush(const Paint& paint, const QRectF& bounds)
{
    QLinearGradient gradient = verticalGradient(bounds);
    gradient.setColorAt(0, paint.light);
    gradient.setColorAt(0.4, paint.base);
    gradient.setColorAt(1, paint.shade);
    return gradient;
}

QBrush twoToneBrush(const QRectF& bounds, QColor top, QColor bottom)
{
    QLinearGradient gradient = verticalGradient(bounds);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

struct Ink {
    QBrush fill;
    QColor outline;
};

Ink inkFor(Material material, const Paint& paint, const QRectF& bounds)
{
    switch (material) {
    case Material::Paint: return {paintBrush(paint, bounds), paint.line};
    case Material::PaintShade: return {twoToneBrush(bounds, paint.base, paint.shade), paint.line};
    case Material::Glass: {
        QLinearGradient gradient(bounds.topLeft(), bounds.bottomRight());
        gradient.setColorAt(0, QColor(0xe6, 0xf3, 0xfb));
        gradient.setColorAt(0.45, QColor(0x9c, 0xc0, 0xd8));
        gradient.setColorAt(1, QColor(0x4b, 0x6b, 0x84));
        return {gradient, QColor(0x22, 0x2a, 0x33)};
    }
    case Material::Trim: return {twoToneBrush(bounds, QColor(0x4a, 0x4a, 0x4a), QColor(0x1e, 0x1e, 0x1e)), QColor(0x10, 0x10, 0x10)};
    case Material::Rubber: return {QColor(0x1c, 0x1c, 0x1c), QColor(0x05, 0x05, 0x05)};
    case Material::Chrome: return {twoToneBrush(bounds, QColor(0xfa, 0xfa, 0xfa), QColor(0x8c, 0x92, 0x98)), QColor(0x5a, 0x5e, 0x62)};
    case Material::Steel: return {twoToneBrush(bounds, QColor(0xb4, 0xbb, 0xc2), QColor(0x6a, 0x72, 0x7a)), QColor(0x3a, 0x3e, 0x44)};
    case Material::Headlamp: return {twoToneBrush(bounds, QColor(0xff, 0xff, 0xf4), QColor(0xf0, 0xe0, 0x90)), QColor(0x6a, 0x66, 0x50)};
    case Material::Taillamp: return {twoToneBrush(bounds, QColor(0xff, 0x60, 0x50), QColor(0xb0, 0x10, 0x10)), QColor(0x5a, 0x08, 0x08)};
    case Material::Seam: return {Qt::NoBrush, paint.line};
    case Material::Wood: return {twoToneBrush(bounds, QColor(0xc0, 0x84, 0x4c), QColor(0x7a, 0x4a, 0x22)), QColor(0x4a, 0x2a, 0x10)};
    case Material::Canvas: return {twoToneBrush(bounds, QColor(0xf6, 0xf0, 0xdc), QColor(0xc8, 0xbc, 0x98)), QColor(0x7a, 0x70, 0x58)};
    case Material::Gold: return {twoToneBrush(bounds, QColor(0xff, 0xec, 0x8a), QColor(0xc8, 0x90, 0x10)), QColor(0x7a, 0x56, 0x08)};
    case Material::Foliage: return {twoToneBrush(bounds, QColor(0x4c, 0xb0, 0x50), QColor(0x1a, 0x60, 0x28)), QColor(0x0c, 0x3a, 0x14)};
    case Material::Skin: return {twoToneBrush(bounds, QColor(0xfc, 0xdc, 0xbc), QColor(0xe0, 0xa8, 0x80)), QColor(0x8a, 0x5a, 0x3a)};
    case Material::Water: return {twoToneBrush(bounds, QColor(0x90, 0xd0, 0xf4, 0xd0), QColor(0x2a, 0x80, 0xc8, 0xd0)), QColor(0x1a, 0x5a, 0x90)};
    case Material::Snow: return {twoToneBrush(bounds, QColor(0xff, 0xff, 0xff), QColor(0xd8, 0xe6, 0xf2)), QColor(0x8a, 0x9a, 0xaa)};
    case Material::Flame: return {twoToneBrush(bounds, QColor(0xff, 0xf0, 0x60), QColor(0xff, 0x60, 0x10)), QColor(0xc0, 0x30, 0x00)};
    case Material::Banner: return {twoToneBrush(bounds, QColor(0xf0, 0x30, 0x30), QColor(0xa8, 0x10, 0x18)), QColor(0x60, 0x08, 0x0c)};
    }
    return {Qt::NoBrush, Qt::black};
}

// The colour a material gives to a line drawn with it.
QColor lineColour(Material material, const Paint& paint)
{
    switch (material) {
    case Material::Paint: return paint.base;
    case Material::PaintShade: return paint.shade;
    case Material::Seam: return paint.line;
    case Material::Glass: return QColor(0x9c, 0xc0, 0xd8);
    case Material::Trim: return QColor(0x22, 0x22, 0x22);
    case Material::Rubber: return QColor(0x14, 0x14, 0x14);
    case Material::Chrome: return QColor(0xd0, 0xd4, 0xd8);
    case Material::Steel: return QColor(0x7a, 0x82, 0x8a);
    case Material::Headlamp: return QColor(0xff, 0xf6, 0xc0);
    case Material::Taillamp: return QColor(0xd0, 0x20, 0x18);
    case Material::Wood: return QColor(0x8a, 0x56, 0x28);
    case Material::Canvas: return QColor(0xe4, 0xdc, 0xc0);
    case Material::Gold: return QColor(0xe8, 0xb8, 0x30);
    case Material::Foliage: return QColor(0x2a, 0x80, 0x38);
    case Material::Skin: return QColor(0xf0, 0xc4, 0x9c);
    case Material::Water: return QColor(0x4a, 0xa0, 0xe0);
    case Material::Snow: return QColor(0xf4, 0xf8, 0xfc);
    case Material::Flame: return QColor(0xff, 0x90, 0x20);
    case Material::Banner: return QColor(0xd0, 0x20, 0x28);
    }
    return Qt::black;
}

qreal rimRatio(Rim rim)
{
    switch (rim) {
    case Rim::Hubcap: return 0.55;
    case Rim::Alloy: return 0.64;
    case Rim::Sport: return 0.72;
    case Rim::Spoked: return 0.8;
    case Rim::Whitewall: return 0.5;
    case Rim::Steel: return 0.56;
    case Rim::Tractor: return 0.62;
    }
    return 0.6;
}

int spokeCount(Rim rim)
{
    switch (rim) {
    case Rim::Alloy: return 5;
    case Rim::Sport: return 10;
    case Rim::Spoked: return 14;
    case Rim::Tractor: return 8;
    case Rim::Whitewall:
    case Rim::Hubcap:
    case Rim::Steel: return 0;
    }
    return 0;
}

void drawSpokes(QPainter& painter, QPointF centre, qreal inner, qreal outer, int count, qreal width,
                QColor colour)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        const qreal angle = qDegreesToRadians(90.0 + 360.0 * i / count);
        const QPointF direction(std::cos(angle), -std::sin(angle));
        painter.drawLine(centre + direction * inner, centre + direction * outer);
    }
}

// The lugs of a field tyre, standing out of its rim.
void drawTreadLugs(QPainter& painter, QPointF centre, qreal radius)
{
    QPen lugs(QColor(0x1e, 0x1e, 0x1e), 2.2, Qt::CustomDashLine, Qt::FlatCap);
    const qreal circumference = 2 * M_PI * (radius + 0.4);
    const int count = std::max(8, int(circumference / 3.2));
    const qreal period = circumference / count / lugs.widthF();
    lugs.setDashPattern({period / 2, period / 2});
    painter.setPen(lugs);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius + 0.4, radius + 0.4);
}

void drawDisc(QPainter& painter, QPointF centre, qreal radius, const QBrush& brush, QColor outline,
              qreal outlineWidth)
{
    painter.setBrush(brush);
    painter.setPen(outlineWidth > 0 ? QPen(outline, outlineWidth) : QPen(Qt::NoPen));
    painter.drawEllipse(centre, radius, radius);
}

QRadialGradient metalGradient(QPointF centre, qreal radius, QColor bright, QColor dull)
{
    QRadialGradient gradient(centre - QPointF(radius * 0.3, radius * 0.4), radius * 1.4);
    gradient.setColorAt(0, bright);
    gradient.setColorAt(1, dull);
    return gradient;
}

void drawShadow(QPainter& painter, const Shadow& shadow)
{
    const QRectF box(shadow.left, kGround - 2.2, shadow.right - shadow.left, 4.4);
    QRadialGradient gradient(box.center(), box.width() / 2);
    gradient.setColorAt(0, QColor(0, 0, 0, 90));
    gradient.setColorAt(0.8, QColor(0, 0, 0, 50));
    gradient.setColorAt(1, QColor(0, 0, 0, 0));
    painter.save();
    painter.translate(box.center());
    painter.scale(1, box.height() / box.width());
    painter.translate(-box.center());
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(box.center(), box.width() / 2, box.width() / 2);
    painter.restore();
}

// Paints parts in order, remembering the painted body so wheel arches can be cut into it.
class Renderer {
public:
    Renderer(QPainter& painter, const Paint& paint) : painter_(painter), paint_(paint) {}

    void operator()(const Shape& shape) { fill(roundedPath(shape.outline), shape.material); }
    void operator()(const Oval& oval)
    {
        QPainterPath path;
        path.addEllipse(oval.box);
        fill(path, oval.material);
    }
    void operator()(const Line& line)
    {
        strokeWith(painter_, roundedPath(line.points, false), line.material, paint_, line.width);
    }
    void operator()(const Wheel& wheel)
    {
        const QPointF centre(wheel.x, kGround - wheel.radius);
        if (wheel.arch == Arch::Cut)
            cutArch(centre, wheel.radius);
        if (wheel.arch == Arch::Flare)
            drawFlare(centre, wheel.radius);
        drawWheel(painter_, centre, wheel.radius, wheel.rim);
    }
    void operator()(const Shadow& shadow) { drawShadow(painter_, shadow); }
    void operator()(const Custom& custom)
    {
        painter_.save();
        custom(painter_, paint_);
        painter_.restore();
    }

private:
    void fill(const QPainterPath& path, Material material)
    {
        fillWith(painter_, path, material, paint_);
        if (material == Material::Paint || material == Material::PaintShade)
            body_ = body_.united(path);
    }
    void cutArch(QPointF centre, qreal radius)
    {
        painter_.save();
        painter_.setClipPath(body_);
        drawDisc(painter_, centre, radius + 1.4, QColor(0x14, 0x14, 0x14), paint_.line, 0.8);
        painter_.restore();
    }
    void drawFlare(QPointF centre, qreal radius)
    {
        const qreal r = radius + 1.6;
        painter_.setPen(QPen(QColor(0x26, 0x26, 0x26), 2.6, Qt::SolidLine, Qt::FlatCap));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 0, 180 * 16);
    }

    QPainter& painter_;
    const Paint& paint_;
    QPainterPath body_;
};

} // namespace

QPainterPath roundedPath(const Outline& outline, bool closed)
{
    QPainterPath path;
    const auto count = outline.size();
    if (count < 2)
        return path;
    for (std::size_t i = 0; i < count; ++i) {
        const bool isEnd = !closed && (i == 0 || i == count - 1);
        const QPointF corner = pointOf(outline[i]);
        if (isEnd || outline[i].radius <= 0) {
            i == 0 ? path.moveTo(corner) : path.lineTo(corner);
            continue;
        }
        const QPointF before = pointOf(outline[(i + count - 1) % count]);
        const QPointF after = pointOf(outline[(i + 1) % count]);
        const qreal radius = std::min({outline[i].radius, distanceBetween(corner, before) / 2,
                                       distanceBetween(corner, after) / 2});
        const QPointF entry = towards(corner, before, radius);
        i == 0 ? path.moveTo(entry) : path.lineTo(entry);
        path.quadTo(corner, towards(corner, after, radius));
    }
    if (closed)
        path.closeSubpath();
    return path;
}

void drawWheel(QPainter& painter, QPointF centre, qreal radius, Rim rim)
{
    painter.save();
    drawDisc(painter, centre, radius, QColor(0x1e, 0x1e, 0x1e), QColor(0x06, 0x06, 0x06), 0.7);
    if (rim == Rim::Tractor)
        drawTreadLugs(painter, centre, radius);
    drawDisc(painter, centre, radius * 0.86, Qt::NoBrush, QColor(0x38, 0x38, 0x38), 0.6);
    if (rim == Rim::Whitewall)
        drawDisc(painter, centre, radius * 0.78, QColor(0xf4, 0xf4, 0xf0), QColor(0x90, 0x90, 0x90), 0.5);
    const qreal rimRadius = radius * rimRatio(rim);
    const bool painted = rim == Rim::Steel || rim == Rim::Tractor;
    const QBrush rimBrush = painted
        ? QBrush(metalGradient(centre, rimRadius, QColor(0xd8, 0xd8, 0xd8), QColor(0x80, 0x84, 0x88)))
        : QBrush(metalGradient(centre, rimRadius, QColor(0xff, 0xff, 0xff), QColor(0x90, 0x96, 0x9c)));
    drawDisc(painter, centre, rimRadius, rimBrush, QColor(0x50, 0x54, 0x58), 0.6);
    if (rim == Rim::Spoked) {
        drawDisc(painter, centre, rimRadius * 0.86, QColor(0x2a, 0x2a, 0x2a), Qt::transparent, 0);
        drawSpokes(painter, centre, 0, rimRadius * 0.88, spokeCount(rim), 0.5, QColor(0xe8, 0xe8, 0xe8));
    } else {
        drawSpokes(painter, centre, rimRadius * 0.3, rimRadius * 0.88, spokeCount(rim),
                   rim == Rim::Alloy ? 1.1 : 0.6, QColor(0x5a, 0x5e, 0x64));
    }
    drawDisc(painter, centre, std::max(0.9, radius * 0.14), QColor(0x70, 0x74, 0x78), QColor(0x40, 0x40, 0x40), 0.4);
    painter.restore();
}

void fillWith(QPainter& painter, const QPainterPath& path, Material material, const Paint& paint)
{
    const Ink ink = inkFor(material, paint, path.boundingRect());
    painter.setBrush(ink.fill);
    painter.setPen(QPen(ink.outline, material == Material::Seam ? 0.7 : 0.8, Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

void strokeWith(QPainter& painter, const QPainterPath& path, Material material, const Paint& paint,
                qreal width)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(lineColour(material, paint), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

void render(QPainter& painter, const Design& design, const Paint& paint)
{
    Renderer renderer(painter, paint);
    for (const Part& part : design)
        std::visit(renderer, part);
}

void append(Design& design, const Design& more)
{
    design.insert(design.end(), more.begin(), more.end());
}

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage renderVehicle(const Design& design, const Paint& paint)
{
    QImage image = transparentImage(kVehicleWidth, kVehicleHeight);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    render(painter, design, paint);
    return image;
}

} // namespace carsgen
