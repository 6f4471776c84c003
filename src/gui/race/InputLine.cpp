#include "race/InputLine.h"

#include <QPaintEvent>
#include <QPainter>

namespace tesmi {

namespace {

constexpr int kTextIndent = 9;
const QColor kFrame(0xb8, 0xc4, 0xd1);

struct Look {
    QColor text;
    QColor background;
    bool underline;
};

Look lookOf(InputLook look)
{
    switch (look) {
    case InputLook::Normal:
        return {Qt::black, Qt::white, false};
    case InputLook::Error:
        return {Qt::white, QColor(0xAA, 0x00, 0x00), true};
    case InputLook::Message:
        break;
    }
    return {QColor(0xC0, 0xC0, 0xC0), Qt::white, false};
}

} // namespace

InputLine::InputLine(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("vvod_edit"));
    setFocusPolicy(Qt::NoFocus);
    // Everything is painted here, nothing of the panel shows through.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void InputLine::display(const QString &text, InputLook look)
{
    if (text == text_ && look == look_)
        return;
    if (look != look_) {
        look_ = look;
        text_ = text;
        update();
        return;
    }
    // Typing changes the end of the line: repaint from the first changed character.
    qsizetype same = 0;
    while (same < text.size() && same < text_.size() && text[same] == text_[same])
        ++same;
    const int changedFrom = kTextIndent + fontMetrics().horizontalAdvance(text.left(same)) - 2;
    text_ = text;
    update(QRect(changedFrom, 0, width() - changedFrom, height()));
}

void InputLine::paintEvent(QPaintEvent *event)
{
    const Look look = lookOf(look_);
    QPainter painter(this);
    painter.fillRect(event->rect(), look.background);
    painter.setPen(kFrame);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    QFont font = this->font();
    font.setUnderline(look.underline);
    painter.setFont(font);
    painter.setPen(look.text);
    painter.drawText(rect().adjusted(kTextIndent, 0, -kTextIndent, 0), Qt::AlignLeft | Qt::AlignVCenter, text_);
}

} // namespace tesmi
