#pragma once

#include <QLabel>

namespace tesmi {

// A label that acts like a link: hand cursor, clicked() on a left click.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace tesmi
