// Short names for the parts the vehicle designs are written with.
#pragma once

#include "design.h"

#include <algorithm>

namespace carsgen {

inline Part shape(Material material, Outline outline)
{
    return Shape{material, std::move(outline)};
}

inline Part body(Outline outline)
{
    return shape(Material::Paint, std::move(outline));
}

inline Part glass(Outline outline)
{
    return shape(Material::Glass, std::move(outline));
}

inline Part trim(Outline outline)
{
    return shape(Material::Trim, std::move(outline));
}

// A rounded rectangle; the corners are as round as the shorter side allows unless told.
inline Part box(Material material, qreal x, qreal y, qreal width, qreal height, qreal radius = -1)
{
    const qreal r = radius < 0 ? std::min(width, height) / 2 : radius;
    return shape(material, {{x, y, r}, {x + width, y, r}, {x + width, y + height, r}, {x, y + height, r}});
}

inline Part oval(Material material, qreal x, qreal y, qreal width, qreal height)
{
    return Oval{material, QRectF(x, y, width, height)};
}

inline Part line(Material material, Outline points, qreal width)
{
    return Line{material, std::move(points), width};
}

// A window pillar: body colour drawn across the glass.
inline Part pillar(qreal topX, qreal topY, qreal bottomX, qreal bottomY, qreal width = 1.6)
{
    return line(Material::Paint, {{topX, topY}, {bottomX, bottomY}}, width);
}

// A panel gap such as a door edge.
inline Part seam(Outline points)
{
    return line(Material::Seam, std::move(points), 0.6);
}

inline Part wheel(qreal x, qreal radius, Rim rim, Arch arch = Arch::Cut)
{
    return Wheel{x, radius, rim, arch};
}

inline Part shadow(qreal left, qreal right)
{
    return Shadow{left, right};
}

// Points along a circular arc; angles in degrees, counter-clockwise from "east".
Outline arcPoints(QPointF centre, qreal radius, qreal fromDegrees, qreal toDegrees);

// A curved strip between two radii, such as a mudguard over a wheel.
Outline arcBand(QPointF centre, qreal innerRadius, qreal outerRadius, qreal fromDegrees, qreal toDegrees);

// The centre of a wheel of this radius standing on the ground at x.
inline QPointF wheelCentre(qreal x, qreal radius)
{
    return {x, kGround - radius};
}

// Bold text centred in a box, such as a racing number.
Part caption(const QString& text, const QRectF& box, const QColor& colour, int pixelSize);

// A five-pointed star, one point up.
Outline starOutline(QPointF centre, qreal outerRadius, qreal innerRadius);

// Equal panes of glass side by side between left and right, split by posts.
Design windowRow(qreal left, qreal right, qreal top, qreal bottom, int count, qreal post);

} // namespace carsgen
