// The picture pack: every garage car in every colour, the holiday vehicles,
// the buy buttons, the race track, the finish flag and the logo.
#include "pictures.h"
#include "vehicles.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>

namespace carsgen {
namespace {

const Paint kEmblemRed = {QColor(0xff, 0x72, 0x60), QColor(0xd8, 0x22, 0x1c), QColor(0x8c, 0x12, 0x0e), QColor(0x52, 0x0a, 0x08)};

struct ButtonLook {
    QColor top, middle, bottom, border, caption, captionShadow;
};

// The buy button, drawn large and shown at half size.
QImage buyButton(const ButtonLook& look)
{
    QImage image = transparentImage(180, 56);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face(2, 2, 176, 52);
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    fill.setColorAt(0, look.top);
    fill.setColorAt(0.5, look.middle);
    fill.setColorAt(1, look.bottom);
    painter.setPen(QPen(look.border, 3));
    painter.setBrush(fill);
    painter.drawRoundedRect(face, 14, 14);
    // Gloss over the upper half.
    QLinearGradient gloss(0, 5, 0, 28);
    gloss.setColorAt(0, QColor(255, 255, 255, 110));
    gloss.setColorAt(1, QColor(255, 255, 255, 10));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawRoundedRect(QRectF(8, 5, 164, 23), 10, 10);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(28);
    painter.setFont(font);
    const QString caption = QStringLiteral("Купить");
    painter.setPen(look.captionShadow);
    painter.drawText(face.translated(0, 2), Qt::AlignCenter, caption);
    painter.setPen(look.caption);
    painter.drawText(face, Qt::AlignCenter, caption);
    return image;
}

// Asphalt with white edges and a dashed centre line; the car marker runs along it.
QImage raceTrack()
{
    QImage image(600, 24, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    QLinearGradient asphalt(0, 0, 0, 24);
    asphalt.setColorAt(0, QColor(0x5c, 0x5c, 0x60));
    asphalt.setColorAt(0.5, QColor(0x70, 0x70, 0x74));
    asphalt.setColorAt(1, QColor(0x50, 0x50, 0x54));
    painter.fillRect(image.rect(), asphalt);
    painter.fillRect(QRect(0, 1, 600, 2), QColor(0xf0, 0xf0, 0xf0));
    painter.fillRect(QRect(0, 21, 600, 2), QColor(0xf0, 0xf0, 0xf0));
    for (int x = 6; x < 600; x += 30)
        painter.fillRect(QRect(x, 11, 18, 2), QColor(0xf8, 0xf8, 0xf8));
    return image;
}

// A chequered flag waving on a pole.
QImage finishFlag()
{
    QImage image = transparentImage(40, 50);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int columns = 6;
    const int rows = 4;
    const QRectF flag(7, 4, 30, 22);
    const auto wave = [&](qreal x, qreal y) {
        return QPointF(x, y + 2 * std::sin((x - flag.left()) / flag.width() * 2 * M_PI));
    };
    const qreal cellWidth = flag.width() / columns;
    const qreal cellHeight = flag.height() / rows;
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const qreal x = flag.left() + column * cellWidth;
            const qreal y = flag.top() + row * cellHeight;
            painter.setBrush((row + column) % 2 == 0 ? QColor(0x18, 0x18, 0x18) : QColor(0xfa, 0xfa, 0xfa));
            painter.drawPolygon(QPolygonF({wave(x, y), wave(x + cellWidth, y), wave(x + cellWidth, y + cellHeight),
                                           wave(x, y + cellHeight)}));
        }
    }
    QPainterPath edge;
    edge.moveTo(wave(flag.left(), flag.top()));
    for (int step = 1; step <= 30; ++step)
        edge.lineTo(wave(flag.left() + flag.width() * step / 30, flag.top()));
    for (int step = 30; step >= 0; --step)
        edge.lineTo(wave(flag.left() + flag.width() * step / 30, flag.bottom()));
    edge.closeSubpath();
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(edge);

    QLinearGradient pole(4, 0, 8, 0);
    pole.setColorAt(0, QColor(0xe0, 0xe0, 0xe0));
    pole.setColorAt(1, QColor(0x70, 0x74, 0x78));
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.6));
    painter.setBrush(pole);
    painter.drawRoundedRect(QRectF(4.5, 3, 3, 46), 1.2, 1.2);
    painter.setBrush(QColor(0xf0, 0xc0, 0x20));
    painter.drawEllipse(QPointF(6, 2.6), 2.4, 2.4);
    return image;
}

QImage logo()
{
    QImage image = transparentImage(200, 200);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawEmblem(painter, QRectF(16, 6, 168, 150));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(25);
    painter.setFont(font);
    const QRectF textBox(0, 160, 200, 36);
    painter.setPen(QColor(0xd0, 0xd8, 0xe4));
    painter.drawText(textBox.translated(1, 1.5), Qt::AlignCenter, QStringLiteral("TesmiTrainer"));
    painter.setPen(QColor(0x1d, 0x3a, 0x7a));
    painter.drawText(textBox, Qt::AlignCenter, QStringLiteral("TesmiTrainer"));
    return image;
}

} // namespace

void drawEmblem(QPainter& painter, const QRectF& key)
{
    // A keycap: the darker skirt below, the lighter dished top above.
    const qreal radius = key.width() * 0.12;
    QLinearGradient skirt(key.topLeft(), key.bottomLeft());
    skirt.setColorAt(0, QColor(0xb8, 0xc2, 0xd0));
    skirt.setColorAt(1, QColor(0x6a, 0x76, 0x88));
    painter.setPen(QPen(QColor(0x3a, 0x44, 0x54), key.width() * 0.012));
    painter.setBrush(skirt);
    painter.drawRoundedRect(key, radius, radius);
    const QRectF top = key.adjusted(key.width() * 0.08, key.height() * 0.05, -key.width() * 0.08, -key.height() * 0.16);
    QLinearGradient face(top.topLeft(), top.bottomRight());
    face.setColorAt(0, QColor(0xff, 0xff, 0xff));
    face.setColorAt(1, QColor(0xd6, 0xde, 0xea));
    painter.setPen(QPen(QColor(0x8a, 0x96, 0xa8), key.width() * 0.008));
    painter.setBrush(face);
    painter.drawRoundedRect(top, radius * 0.8, radius * 0.8);

    // Speed streaks and a red sports car racing across the key.
    painter.save();
    const qreal scale = top.width() * 0.92 / kVehicleWidth;
    painter.translate(top.center() - QPointF(kVehicleWidth * scale / 2, kVehicleHeight * scale * 0.55));
    painter.scale(scale, scale);
    painter.setPen(QPen(QColor(0x3a, 0x6a, 0xc8), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (const qreal y : {24.0, 31.0, 38.0})
        painter.drawLine(QPointF(-4, y), QPointF(1.5, y));
    render(painter, carDesign(QStringLiteral("Bugatti_Veyron")), kEmblemRed);
    painter.restore();
}

PictureSet packPictures()
{
    PictureSet pictures;
    for (const CarModel& car : allCarModels())
        for (const BodyColour& colour : bodyColours())
            pictures.push_back({car.name + colour.suffix, renderVehicle(car.design, colour.paint)});
    for (Picture& holiday : holidayPictures())
        pictures.push_back(std::move(holiday));
    const ButtonLook usable = {QColor(0x8e, 0xe0, 0x70), QColor(0x3c, 0xb0, 0x38), QColor(0x1e, 0x7c, 0x22),
                               QColor(0x14, 0x54, 0x16), QColor(0xff, 0xff, 0xff), QColor(0x0c, 0x40, 0x10, 200)};
    const ButtonLook unusable = {QColor(0xf0, 0xf0, 0xf0), QColor(0xcc, 0xcc, 0xcc), QColor(0xb0, 0xb0, 0xb0),
                                 QColor(0x88, 0x88, 0x88), QColor(0x94, 0x94, 0x94), QColor(0xff, 0xff, 0xff, 220)};
    pictures.push_back({QStringLiteral("Take1"), buyButton(usable)});
    pictures.push_back({QStringLiteral("Take2"), buyButton(unusable)});
    pictures.push_back({QStringLiteral("track"), raceTrack()});
    pictures.push_back({QStringLiteral("finish"), finishFlag()});
    pictures.push_back({QStringLiteral("logo"), logo()});
    return pictures;
}

} // namespace carsgen
