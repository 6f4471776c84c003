#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class QLabel;

namespace tesmi {

// Runs a wave of flipped letter case once through a label's caption, one
// character every 40 ms, and leaves the caption as it was. Timer-driven, so the
// window stays responsive while it runs.
class CaptionWave : public QObject {
    Q_OBJECT
public:
    explicit CaptionWave(QObject *parent = nullptr);

    // WaveCaption: starts a wave on the label; an empty caption does nothing.
    void WaveCaption(QLabel *label);
    // Shows the next frame; the timer calls this.
    void step();
    bool running() const { return timer_.isActive(); }
    // Ends a running wave at once with the caption as it was.
    void stop();

private:
    QTimer timer_;
    QPointer<QLabel> label_;
    QStringList frames_;
    qsizetype next_ = 0;
};

} // namespace tesmi
