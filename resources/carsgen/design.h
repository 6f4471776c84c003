// A tiny vector language for the vehicle pictures: a design is an ordered list
// of parts in picture coordinates, painted with one body colour.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

#include <functional>
#include <variant>
#include <vector>

class QPainter;

namespace carsgen {

// The body colour of one picture; wheels, glass and trim keep their own colours.
struct Paint {
    QColor light;
    QColor base;
    QColor shade;
    QColor line;
};

// A polygon corner; a non-zero radius rounds the corner with a curve.
struct Vertex {
    qreal x;
    qreal y;
    qreal radius = 0;
};
using Outline = std::vector<Vertex>;

enum class Material {
    Paint,      // body colour, lit from above
    PaintShade, // body colour in shadow: lower panels, far side
    Glass,
    Trim,       // black plastic, grilles, interior
    Rubber,
    Chrome,
    Steel,
    Headlamp,
    Taillamp,
    Seam,       // panel gaps: only drawn as lines
    Wood,
    Canvas,
    Gold,
    Foliage,
    Skin,
    Water,
    Snow,
    Flame,
    Banner,     // red cloth: flags, crosses, blankets
};

enum class Rim { Hubcap, Alloy, Sport, Spoked, Whitewall, Steel, Tractor };

// How the body meets a wheel: a dark cut-out of the body, a black flare over it, or nothing.
enum class Arch { Cut, Flare, None };

// The ground every wheel stands on.
inline constexpr qreal kGround = 46.5;

struct Shape {
    Material material;
    Outline outline;
};
struct Oval {
    Material material;
    QRectF box;
};
// An open, optionally rounded polyline.
struct Line {
    Material material;
    Outline points;
    qreal width;
};
// A wheel standing on the ground at x.
struct Wheel {
    qreal x;
    qreal radius;
    Rim rim;
    Arch arch = Arch::Cut;
};
// A soft shadow on the ground between left and right.
struct Shadow {
    qreal left;
    qreal right;
};
// Artwork that is easier to draw with code than to list as shapes.
using Custom = std::function<void(QPainter&, const Paint&)>;

using Part = std::variant<Shape, Oval, Line, Wheel, Shadow, Custom>;
using Design = std::vector<Part>;

QPainterPath roundedPath(const Outline& outline, bool closed = true);
void drawWheel(QPainter& painter, QPointF centre, qreal radius, Rim rim);
void fillWith(QPainter& painter, const QPainterPath& path, Material material, const Paint& paint);
void strokeWith(QPainter& painter, const QPainterPath& path, Material material, const Paint& paint,
                qreal width);
void render(QPainter& painter, const Design& design, const Paint& paint);

// Appends every part of `more` to `design`.
void append(Design& design, const Design& more);

// A fully transparent image to draw on.
QImage transparentImage(int width, int height);

inline constexpr int kVehicleWidth = 100;
inline constexpr int kVehicleHeight = 50;
QImage renderVehicle(const Design& design, const Paint& paint);

} // namespace carsgen
