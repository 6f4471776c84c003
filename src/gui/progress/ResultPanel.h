#pragma once

#include "app/CaptionWave.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

class QLabel;
class QToolButton;

namespace tesmi {

inline const QString kRecordBanner = QStringLiteral("Вы установили новый рекорд скорости в этом режиме!");

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
    CaptionWave &wave() { return wave_; }

signals:
    void cancelClicked();

public slots:
    // Timer8: a second after a record the wave runs through the banner.
    void recordTimerTick();

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
    CaptionWave wave_;
};

} // namespace tesmi
