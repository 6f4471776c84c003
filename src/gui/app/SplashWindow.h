#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace tesmi {

// The borderless window shown while the main window is built and while it closes.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget *parent = nullptr);

    // Moves the progress bar and the status line and paints them at once.
    void step(int percent, const QString &status);
    void showClosing();

private:
    QLabel *title_;
    QLabel *status_;
    QProgressBar *loader_;
};

} // namespace tesmi
