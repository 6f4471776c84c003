#include "race/RaceTrack.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace tesmi {

namespace {
constexpr int kTrackHeight = 24;
// The typing area's own background: the track paints it itself, which keeps a
// moving car from repainting the panel behind it.
const QColor kPanelBackground(Qt::white);
}

RaceTrack::RaceTrack(const QPixmap &track, QWidget *parent) : QWidget(parent), track_(track)
{
    setObjectName(QStringLiteral("TrackBar1"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RaceTrack::setMaximum(int maximum)
{
    maximum_ = std::max(1, maximum);
    value_ = std::min(value_, maximum_);
    update();
}

void RaceTrack::setValue(int value)
{
    value = std::clamp(value, 0, maximum_);
    if (value == value_)
        return;
    const QRect before = carRect();
    value_ = value;
    update(before.united(carRect()));
}

void RaceTrack::setCar(const QPixmap &car)
{
    car_ = car;
    scaleToSize();
    update();
}

// Scaled once here, so that a moving car only copies pixels.
void RaceTrack::scaleToSize()
{
    const QSize groove(width(), kTrackHeight);
    shownTrack_ = track_.isNull() || groove.isEmpty()
                      ? QPixmap()
                      : track_.scaled(groove, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QSize room(width(), height() - 4);
    shownCar_ = car_.isNull() || room.isEmpty() ? QPixmap()
                                                : car_.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void RaceTrack::resizeEvent(QResizeEvent *)
{
    scaleToSize();
}

// The car's nose reaches the end of the track at the maximum.
QRect RaceTrack::carRect() const
{
    const QSize size = shownCar_.isNull() ? QSize(24, 24) : shownCar_.size();
    const int travel = std::max(0, width() - size.width());
    const int left = int(qint64(travel) * value_ / maximum_);
    return QRect(QPoint(left, (height() - size.height()) / 2), size);
}

void RaceTrack::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), kPanelBackground);
    painter.drawPixmap(0, (height() - kTrackHeight) / 2 + 8, shownTrack_);
    if (shownCar_.isNull()) {
        painter.setBrush(QColor(0x3a, 0x6a, 0xc8));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(carRect().adjusted(4, 4, -4, -4));
    } else {
        painter.drawPixmap(carRect().topLeft(), shownCar_);
    }
}

} // namespace tesmi
