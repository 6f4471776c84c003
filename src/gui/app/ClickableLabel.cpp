#include "app/ClickableLabel.h"

#include "app/Style.h"

#include <QMouseEvent>

namespace tesmi {

ClickableLabel::ClickableLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::setLinkColours(const QColor &rest, const QColor &hover)
{
    rest_ = rest;
    hover_ = hover;
    SetTextLook(*this, underMouse() ? hover_ : rest_);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::enterEvent(QEnterEvent *event)
{
    if (hover_.isValid())
        SetTextLook(*this, hover_);
    QLabel::enterEvent(event);
}

void ClickableLabel::leaveEvent(QEvent *event)
{
    if (rest_.isValid())
        SetTextLook(*this, rest_);
    QLabel::leaveEvent(event);
}

} // namespace tesmi
