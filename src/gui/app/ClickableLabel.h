#pragma once

#include <QColor>
#include <QLabel>

namespace tesmi {

// A label that acts like a link: hand cursor, clicked() on a left click, and
// a colour of its own while the mouse is over it (when given one).
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString &text, QWidget *parent = nullptr);

    void setLinkColours(const QColor &rest, const QColor &hover);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QColor rest_;
    QColor hover_;
};

} // namespace tesmi
