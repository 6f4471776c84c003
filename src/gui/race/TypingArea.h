#pragma once

#include "race/RaceView.h"

#include <QTimer>
#include <QWidget>

#include <array>

class QLabel;
class QTextEdit;

namespace tesmi {

class CarsPack;
class InputLine;
class RaceTextView;
class RaceTrack;

// Panel4: the start lights, status line and live counters, the race text with
// its cover and the transcript, the input line and the track. It shows the race
// as the engine reports it and runs the race timers.
class TypingArea : public QWidget, public RaceView {
    Q_OBJECT
public:
    TypingArea(const CarsPack &cars, QWidget *parent = nullptr);

    // The race's timers; each one's timeout goes to one engine method.
    QTimer &timer(RaceTimer which) { return timers_[std::size_t(which)]; }
    void setCarPicture(const QPixmap &car);
    // Field size setting: the input line's font is 10 points larger.
    void setFieldSize(int size);
    // The text and input line above the status row instead of below it.
    void setFieldOnTop(bool onTop);
    // Height of the stacked parts for the current text, font and width.
    int naturalHeight() const;

    static constexpr int kNaturalWidth = 825;

    // RaceView
    void setRaceText(const QString &shown) override;
    void styleText(int from, int count, TextStyle style) override;
    void setTextFont(const QString &family, int points) override;
    QString lastDisplayedLine() const override;
    void showArea(TextArea area) override;
    void showTranscript(const Transcript &transcript, const QString &family, int points) override;
    void showInput(const QString &text, InputLook look) override;
    void setIndicator(Indicator which, const QString &text) override;
    void setIndicatorVisible(Indicator which, bool visible) override;
    void setLight(int lit) override;
    void setCapsAlert(bool shown) override;
    void setTrackMaximum(int maximum) override;
    void setTrackPosition(int position) override;
    int trackPosition() const override;
    int trackMaximum() const override;
    void setTrackEnabled(bool enabled) override;
    void setTimerRunning(RaceTimer timer, bool running) override;
    void holdKeyboardFocus() override;

signals:
    // The text, its font or the transcript needs another height.
    void naturalHeightChanged();
    // "Копировать без ошибок": the text as it should have been typed.
    void copyErrorFreeRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *indicatorLabel(Indicator which) const;
    int textWidth() const;
    int textHeight() const;
    int transcriptHeight() const;
    int inputHeight() const;
    void layOut();
    void relayOut();
    void showCopyMenu(const QPoint &at);

    QLabel *lights_[4];
    QLabel *status_;
    QLabel *errors_;
    QLabel *errorsCaption_;
    QLabel *speed_;
    QLabel *speedCaption_;
    QLabel *capsAlert_;
    RaceTextView *textView_;
    QLabel *cover_;
    QTextEdit *transcript_;
    InputLine *input_;
    RaceTrack *track_;
    QLabel *finish_;
    QLabel *focusHolder_;
    TextArea area_ = TextArea::Cover;
    bool fieldOnTop_ = false;
    std::array<QTimer, kRaceTimerCount> timers_;
};

} // namespace tesmi
