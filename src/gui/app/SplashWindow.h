#pragma once

#include <QElapsedTimer>
#include <QWidget>

class QLabel;

namespace tesmi {

// The splash's segmented progress bar `loader`, 0 to 100 percent, painted
// by itself: QProgressBar repaints its whole window on every change.
class SegmentedBar : public QWidget {
    Q_OBJECT
public:
    explicit SegmentedBar(QWidget *parent = nullptr);

    void setPercent(int percent);
    int percent() const { return percent_; }

    static constexpr int kSegment = 10;
    static constexpr int kGap = 1;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int percent_ = 0;
};

// The borderless window shown while the main window is built and while it closes.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget *parent = nullptr);

    // Shows the window painted at once: the work it announces runs on this
    // thread, so no event loop would paint it before that work is done.
    void showNow();
    // Moves the progress bar and the status line; they are painted at once
    // unless the window was painted a moment ago, as steps mostly follow
    // each other faster than the eye (and a paint costs more than a step).
    void step(int percent, const QString &status);
    void showClosing();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintNow();

    QElapsedTimer painted_;
    QLabel *title_;
    QLabel *status_;
    SegmentedBar *loader_;
};

} // namespace tesmi
