#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

class QLabel;
class QToolButton;

namespace tesmi {

struct ResultPanelValues;

// Panel2: the result of the race just finished — speed, time, mistakes — with
// the new-record banner rek, the cancel button SpeedButton2 and the note RzPanel5
// once a result is cancelled.
class ResultPanel : public QWidget {
    Q_OBJECT
public:
    explicit ResultPanel(QWidget *parent = nullptr);

    // Shows the panel with a finished race. A record raises the banner and, a
    // second later, runs a wave through it (Timer8).
    void showResult(const ResultPanelValues &values, bool record, bool cancelVisible);
    void showCancelled();
    // A new race is about to start: the panel and its banner go away.
    void hideForNextRace();

    QTimer &recordTimer() { return recordTimer_; }

signals:
    void cancelClicked();

public slots:
    // Timer8: a second after a record the wave starts, one frame per waveTick.
    void recordTimerTick();
    void waveTick();

private:

    QLabel *speed_;
    QLabel *time_;
    QLabel *tenths_;
    QLabel *errors_;
    QLabel *errorsWord_;
    QLabel *percent_;
    QLabel *record_;
    QToolButton *cancel_;
    QLabel *cancelled_;
    QTimer recordTimer_;
    QTimer waveTimer_;
    QStringList waveFrames_;
};

} // namespace tesmi
