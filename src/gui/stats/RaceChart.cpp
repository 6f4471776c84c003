#include "stats/RaceChart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QMouseEvent>
#include <QValueAxis>

namespace tesmi {

namespace {

const QColor kRaceColour(90, 90, 90);
const QColor kAverageColour(224, 118, 14);
constexpr int kDateLabels = 8;

QLineSeries *series(const QString &name, const QColor &colour, QChart *chart)
{
    auto *line = new QLineSeries(chart);
    line->setObjectName(name);
    line->setColor(colour);
    line->setPointLabelsFormat(QStringLiteral("@yPoint"));
    line->setPointLabelsClipping(true);
    chart->addSeries(line);
    return line;
}

} // namespace

RaceChart::RaceChart(const QString &name, const QString &raceSeriesName, const QString &averageSeriesName,
                     QWidget *parent)
    : QChartView(new QChart, parent)
{
    setObjectName(name);
    setToolTip(QStringLiteral("Сдвигается правой кнопкой мыши"));
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->hide();
    chart()->setMargins(QMargins(4, 4, 4, 4));
    races_ = series(raceSeriesName, kRaceColour, chart());
    averages_ = series(averageSeriesName, kAverageColour, chart());
    dates_ = new QCategoryAxis(chart());
    dates_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    values_ = new QValueAxis(chart());
    values_->setLabelFormat(QStringLiteral("%g"));
    chart()->addAxis(dates_, Qt::AlignBottom);
    chart()->addAxis(values_, Qt::AlignLeft);
    for (QLineSeries *line : {races_, averages_}) {
        line->attachAxis(dates_);
        line->attachAxis(values_);
    }
}

void RaceChart::setRaces(const QList<QPointF> &values, const QList<QPointF> &averages, const QStringList &dateLabels)
{
    races_->replace(values);
    averages_->replace(averages);
    dateLabels_ = dateLabels;
    double top = 1;
    for (const QPointF &point : values)
        top = std::max(top, point.y());
    values_->setRange(0, top * 1.1);
    values_->applyNiceNumbers();
    showWindow(std::max<double>(0, double(values.size()) - kVisibleRaces));
}

void RaceChart::setValueMarksVisible(bool visible)
{
    races_->setPointLabelsVisible(visible);
}

void RaceChart::scrollRaces(double races)
{
    showWindow(first_ + races);
}

void RaceChart::showWindow(double first)
{
    const double last = std::max<double>(0, double(dateLabels_.size()) - 1);
    const double width = std::max<double>(1, std::min<double>(kVisibleRaces, last));
    first_ = std::clamp(first, 0.0, std::max(0.0, last - width));
    dates_->setRange(first_, first_ + width);
    labelVisibleDates();
}

void RaceChart::labelVisibleDates()
{
    for (const QString &label : dates_->categoriesLabels())
        dates_->remove(label);
    if (dateLabels_.isEmpty())
        return;
    const int from = int(std::ceil(first_));
    const int to = std::min<int>(int(dateLabels_.size()) - 1, int(std::floor(dates_->max())));
    const int step = std::max(1, (to - from) / kDateLabels);
    // Category labels must differ; races of one day share a date, so invisible
    // zero-width spaces tell them apart.
    for (int i = from, n = 0; i <= to; i += step, ++n)
        dates_->append(dateLabels_[i] + QString(n, QChar(0x200B)), i);
}

void RaceChart::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        dragX_ = int(event->position().x());
    QChartView::mousePressEvent(event);
}

void RaceChart::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::RightButton) {
        const int x = int(event->position().x());
        const double pixelsPerRace = chart()->plotArea().width() / std::max(1.0, dates_->max() - dates_->min());
        scrollRaces(-(x - dragX_) / pixelsPerRace);
        dragX_ = x;
    }
    QChartView::mouseMoveEvent(event);
}

} // namespace tesmi
