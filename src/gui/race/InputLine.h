#pragma once

#include "race/RaceView.h"

#include <QWidget>

namespace tesmi {

// vvod_edit: the input line. It is never typed into: it shows what the race
// reports, so it paints only that, which keeps each key cheap.
class InputLine : public QWidget {
    Q_OBJECT
public:
    explicit InputLine(QWidget *parent = nullptr);

    void display(const QString &text, InputLook look);
    const QString &text() const { return text_; }
    InputLook look() const { return look_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString text_;
    InputLook look_ = InputLook::Message;
};

} // namespace tesmi
