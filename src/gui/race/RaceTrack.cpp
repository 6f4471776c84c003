#include "race/RaceTrack.h"

#include <QPainter>

#include <algorithm>

namespace tesmi {

namespace {
constexpr int kTrackHeight = 24;
}

RaceTrack::RaceTrack(const QPixmap &track, QWidget *parent) : QWidget(parent), track_(track)
{
    setObjectName(QStringLiteral("TrackBar1"));
    setFocusPolicy(Qt::NoFocus);
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
    update();
}

// The car's nose reaches the end of the track at the maximum.
QRect RaceTrack::carRect() const
{
    const QSize size = car_.isNull() ? QSize(24, 24) : car_.size().scaled(QSize(width(), height() - 4),
                                                                          Qt::KeepAspectRatio);
    const int travel = std::max(0, width() - size.width());
    const int left = int(qint64(travel) * value_ / maximum_);
    return QRect(QPoint(left, (height() - size.height()) / 2), size);
}

void RaceTrack::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!isEnabled())
        painter.setOpacity(0.85);
    const QRect groove(0, (height() - kTrackHeight) / 2 + 8, width(), kTrackHeight);
    painter.drawPixmap(groove, track_);
    painter.setOpacity(1.0);
    if (car_.isNull()) {
        painter.setBrush(QColor(0x3a, 0x6a, 0xc8));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(carRect().adjusted(4, 4, -4, -4));
    } else {
        painter.drawPixmap(carRect(), car_);
    }
}

} // namespace tesmi
