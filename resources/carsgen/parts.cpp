#include "parts.h"

#include <QFont>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace carsgen {

Outline arcPoints(QPointF centre, qreal radius, qreal fromDegrees, qreal toDegrees)
{
    // Fine enough that the straight pieces never show at picture size.
    const int steps = std::max(2, int(std::abs(toDegrees - fromDegrees) / 10));
    Outline points;
    for (int i = 0; i <= steps; ++i) {
        const qreal angle = qDegreesToRadians(fromDegrees + (toDegrees - fromDegrees) * i / steps);
        points.push_back({centre.x() + radius * std::cos(angle), centre.y() - radius * std::sin(angle)});
    }
    return points;
}

Outline arcBand(QPointF centre, qreal innerRadius, qreal outerRadius, qreal fromDegrees, qreal toDegrees)
{
    Outline band = arcPoints(centre, outerRadius, fromDegrees, toDegrees);
    const Outline inner = arcPoints(centre, innerRadius, toDegrees, fromDegrees);
    band.insert(band.end(), inner.begin(), inner.end());
    return band;
}

Part caption(const QString& text, const QRectF& box, const QColor& colour, int pixelSize)
{
    return Custom([=](QPainter& painter, const Paint&) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(pixelSize);
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(box, Qt::AlignCenter, text);
    });
}

Outline starOutline(QPointF centre, qreal outerRadius, qreal innerRadius)
{
    Outline star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? outerRadius : innerRadius;
        const qreal angle = qDegreesToRadians(90.0 + 36.0 * i);
        star.push_back({centre.x() + radius * std::cos(angle), centre.y() - radius * std::sin(angle)});
    }
    return star;
}

Design windowRow(qreal left, qreal right, qreal top, qreal bottom, int count, qreal post)
{
    Design panes;
    const qreal width = (right - left - post * (count - 1)) / count;
    for (int i = 0; i < count; ++i)
        panes.push_back(box(Material::Glass, left + i * (width + post), top, width, bottom - top, 1));
    return panes;
}

} // namespace carsgen
