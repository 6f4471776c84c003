#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QSlider;
class QTextEdit;

namespace tesmi {

class CarsPack;

// Panel4: the start lights and status line, the race text with its cover, the
// input line and the track.
class TypingArea : public QWidget {
    Q_OBJECT
public:
    TypingArea(const CarsPack &cars, QWidget *parent = nullptr);

    // The text of the next race, shown under the cover until the countdown.
    void setRaceText(const QString &text);
    // Text size setting; the text shows 10 points larger.
    void setTextSize(int size);

    // Height of the stacked parts for the current text size.
    int naturalHeight() const;

    static constexpr int kNaturalWidth = 825;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    int textHeight() const;
    void layOut();

    QLabel *lights_[4];
    QLabel *status_;
    QTextEdit *textView_;
    QLabel *cover_;
    QLineEdit *input_;
    QSlider *track_;
    QLabel *finish_;
    QLabel *focusHolder_;
};

} // namespace tesmi
