#pragma once

#include <QPixmap>
#include <QWidget>

namespace tesmi {

// TrackBar1: the race's progress, the owned car driving along the track.
class RaceTrack : public QWidget {
    Q_OBJECT
public:
    RaceTrack(const QPixmap &track, QWidget *parent = nullptr);

    void setMaximum(int maximum);
    void setValue(int value);
    int maximum() const { return maximum_; }
    int value() const { return value_; }
    void setCar(const QPixmap &car);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QRect carRect() const;
    void scaleToSize();

    QPixmap track_;
    QPixmap car_;
    QPixmap shownTrack_;
    QPixmap shownCar_;
    int maximum_ = 1;
    int value_ = 0;
};

} // namespace tesmi
