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
    // The race font; the text shows 10 points larger than the size setting.
    void setTextFont(const QString &family, int textSize);
    // Field size setting: the input line's font is 2 points larger.
    void setFieldSize(int size);
    // The text and input line above the status row instead of below it.
    void setFieldOnTop(bool onTop);

    // Height of the stacked parts for the current text size.
    int naturalHeight() const;

    static constexpr int kNaturalWidth = 825;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    int textHeight() const;
    int inputHeight() const;
    void layOut();

    QLabel *lights_[4];
    QLabel *status_;
    QTextEdit *textView_;
    QLabel *cover_;
    QLineEdit *input_;
    QSlider *track_;
    QLabel *finish_;
    QLabel *focusHolder_;
    bool fieldOnTop_ = false;
};

} // namespace tesmi
