#pragma once

#include <QChartView>
#include <QList>

class QLineSeries;
class QCategoryAxis;
class QValueAxis;

namespace tesmi {

// One line chart of the statistics window: the value per race in grey and its
// running average in orange, the races' dates on the category axis. It shows the
// last few hundred races; dragging with the right mouse button scrolls back.
class RaceChart : public QChartView {
    Q_OBJECT
public:
    RaceChart(const QString &name, const QString &raceSeriesName, const QString &averageSeriesName,
              QWidget *parent = nullptr);

    void setRaces(const QList<QPointF> &values, const QList<QPointF> &averages, const QStringList &dateLabels);
    void setValueMarksVisible(bool visible);
    // Moves the visible window by whole races; negative goes back in time.
    void scrollRaces(double races);
    QLineSeries *raceSeries() const { return races_; }
    QLineSeries *averageSeries() const { return averages_; }
    QCategoryAxis *dateAxis() const { return dates_; }

    static constexpr int kVisibleRaces = 300;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void showWindow(double first);
    void labelVisibleDates();

    QLineSeries *races_;
    QLineSeries *averages_;
    QCategoryAxis *dates_;
    QValueAxis *values_;
    QStringList dateLabels_;
    double first_ = 0;
    int dragX_ = 0;
};

} // namespace tesmi
