#include "stats/RaceChart.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace tesmi {

namespace {

const QColor kRaceColour(90, 90, 90);
const QColor kAverageColour(224, 118, 14);
const QColor kGrid(0xe6, 0xe6, 0xe6);
const QColor kAxis(0xb4, 0xb4, 0xb4);
const QColor kCaption(0x50, 0x50, 0x50);
constexpr int kDateLabels = 8;
constexpr int kValueSteps = 4;

// 1, 2 or 5 times a power of ten: a step people read at a glance.
double niceStep(double range, int steps)
{
    const double raw = range / steps;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / magnitude;
    return (fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10) * magnitude;
}

QString valueText(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

RaceChart::RaceChart(const QString &name, const QString &raceLineName, const QString &averageLineName,
                     QWidget *parent)
    : QWidget(parent), races_{raceLineName, kRaceColour, {}}, averages_{averageLineName, kAverageColour, {}}
{
    setObjectName(name);
    setToolTip(QStringLiteral("Сдвигается правой кнопкой мыши"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumHeight(120);
}

void RaceChart::setRaces(const QList<QPointF> &values, const QList<QPointF> &averages, const QStringList &dateLabels)
{
    races_.points = values;
    averages_.points = averages;
    dateLabels_ = dateLabels;
    double highest = 1;
    for (const QPointF &point : values)
        highest = std::max(highest, point.y());
    step_ = niceStep(highest * 1.1, kValueSteps);
    top_ = std::ceil(highest * 1.1 / step_) * step_;
    showWindow(std::max<double>(0, double(values.size()) - kVisibleRaces));
}

void RaceChart::setValueMarksVisible(bool visible)
{
    valueMarks_ = visible;
    update();
}

void RaceChart::scrollRaces(double races)
{
    showWindow(first_ + races);
}

void RaceChart::showWindow(double first)
{
    const double last = std::max<double>(0, double(dateLabels_.size()) - 1);
    span_ = std::max<double>(1, std::min<double>(kVisibleRaces, last));
    first_ = std::clamp(first, 0.0, std::max(0.0, last - span_));
    update();
}

QList<int> RaceChart::labelledRaces() const
{
    QList<int> races;
    if (dateLabels_.isEmpty())
        return races;
    const int from = int(std::ceil(first_));
    const int to = std::min<int>(int(dateLabels_.size()) - 1, int(std::floor(lastShown())));
    const int step = std::max(1, (to - from) / kDateLabels);
    for (int race = from; race <= to; race += step)
        races << race;
    return races;
}

QRectF RaceChart::plotArea() const
{
    const QFontMetrics metrics = fontMetrics();
    const int left = metrics.horizontalAdvance(valueText(top_)) + 12;
    // Room for half a date under the last race.
    const int right = metrics.horizontalAdvance(QStringLiteral("00.00.00.")) / 2 + 4;
    return QRectF(left, metrics.height(), width() - left - right, height() - 2.5 * metrics.height());
}

QPointF RaceChart::toScreen(const QPointF &point, const QRectF &plot) const
{
    return {plot.left() + (point.x() - first_) / span_ * plot.width(), plot.bottom() - point.y() / top_ * plot.height()};
}

void RaceChart::drawLine(QPainter &painter, const Line &line, const QRectF &plot) const
{
    // Only the races in view and their neighbours, however long the history.
    const qsizetype from = std::max<qsizetype>(0, qsizetype(std::floor(first_)) - 1);
    const qsizetype to = std::min<qsizetype>(line.points.size() - 1, qsizetype(std::ceil(lastShown())) + 1);
    QPolygonF shown;
    for (qsizetype i = from; i <= to; ++i)
        shown << toScreen(line.points[i], plot);
    painter.setPen(QPen(line.colour, 1.5));
    painter.drawPolyline(shown);
}

void RaceChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRectF plot = plotArea();
    const qreal lineHeight = fontMetrics().height();

    for (double value = 0; value <= top_ + step_ / 2; value += step_) {
        const qreal y = toScreen({first_, value}, plot).y();
        painter.setPen(kGrid);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(kCaption);
        painter.drawText(QRectF(0, y - lineHeight / 2, plot.left() - 6, lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                         valueText(value));
    }
    for (int race : labelledRaces()) {
        const qreal x = toScreen({double(race), 0}, plot).x();
        painter.setPen(kGrid);
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(kCaption);
        painter.drawText(QRectF(x - 60, plot.bottom() + 4, 120, lineHeight), Qt::AlignHCenter | Qt::AlignTop,
                         dateLabels_[race]);
    }
    painter.setPen(kAxis);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(plot.adjusted(-2, -2, 2, 2));
    drawLine(painter, races_, plot);
    drawLine(painter, averages_, plot);
    if (!valueMarks_)
        return;
    painter.setClipping(false);
    painter.setPen(kCaption);
    const qsizetype from = qsizetype(std::ceil(first_));
    const qsizetype to = std::min<qsizetype>(races_.points.size() - 1, qsizetype(std::floor(lastShown())));
    for (qsizetype i = from; i <= to; ++i) {
        const QPointF at = toScreen(races_.points[i], plot);
        painter.drawText(QRectF(at.x() - 40, at.y() - lineHeight - 2, 80, lineHeight), Qt::AlignCenter,
                         valueText(races_.points[i].y()));
    }
}

void RaceChart::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        dragX_ = int(event->position().x());
    QWidget::mousePressEvent(event);
}

void RaceChart::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::RightButton) {
        const int x = int(event->position().x());
        scrollRaces(-(x - dragX_) / (plotArea().width() / span_));
        dragX_ = x;
    }
    QWidget::mouseMoveEvent(event);
}

} // namespace tesmi
