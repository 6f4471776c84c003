#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QStringList>
#include <QWidget>

namespace tesmi {

// One line chart of the statistics window: the value per race in grey and its
// running average in orange, the races' dates along the bottom. It shows the
// last few hundred races; dragging with the right mouse button scrolls back.
// Painted here rather than with a chart library, whose loading alone cost the
// program's start-up two milliseconds.
class RaceChart : public QWidget {
    Q_OBJECT
public:
    struct Line {
        QString name;
        QColor colour;
        QList<QPointF> points; // x: the race's number from 0, y: its value
    };

    RaceChart(const QString &name, const QString &raceLineName, const QString &averageLineName,
              QWidget *parent = nullptr);

    void setRaces(const QList<QPointF> &values, const QList<QPointF> &averages, const QStringList &dateLabels);
    void setValueMarksVisible(bool visible);
    // Moves the visible window by whole races; negative goes back in time.
    void scrollRaces(double races);

    const Line &raceLine() const { return races_; }
    const Line &averageLine() const { return averages_; }
    double firstShown() const { return first_; }
    double lastShown() const { return first_ + span_; }
    double topValue() const { return top_; }
    // The races whose dates are written under the chart.
    QList<int> labelledRaces() const;

    static constexpr int kVisibleRaces = 300;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void showWindow(double first);
    QRectF plotArea() const;
    QPointF toScreen(const QPointF &point, const QRectF &plot) const;
    void drawLine(QPainter &painter, const Line &line, const QRectF &plot) const;

    Line races_;
    Line averages_;
    QStringList dateLabels_;
    bool valueMarks_ = false;
    double top_ = 1;
    double step_ = 1;
    double first_ = 0;
    double span_ = 1;
    int dragX_ = 0;
};

} // namespace tesmi
