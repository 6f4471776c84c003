#include "app/Style.h"

#include "platform/CarsPack.h"

#include <QApplication>
#include <QEvent>
#include <QFontInfo>
#include <QIcon>
#include <QPainter>
#include <QWidget>

namespace tesmi {

namespace {

// Paints the panel's background when it is asked to paint, then lets the
// widget paint itself over it.
class PanelPainter : public QObject {
public:
    PanelPainter(QWidget &panel, const PanelLook &look) : QObject(&panel), look_(look)
    {
        panel.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            auto *panel = static_cast<QWidget *>(watched);
            QPainter painter(panel);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(look_.frame);
            painter.setBrush(look_.fill);
            painter.drawRoundedRect(QRectF(panel->rect()).adjusted(0.5, 0.5, -0.5, -0.5), look_.radius, look_.radius);
        }
        return false;
    }

private:
    PanelLook look_;
};

} // namespace

void ApplyStyle(QApplication &app)
{
    app.setStyle(QStringLiteral("Fusion"));
    QFont font = QApplication::font();
    font.setFamily(InstalledFamily(font.family()));
    QApplication::setFont(font);
    app.setWindowIcon(QIcon(BuiltinPicture(QStringLiteral("icon"))));
}

QString InstalledFamily(const QString &family)
{
    return QFontInfo(QFont(family)).family();
}

void SetTextLook(QWidget &widget, const QColor &colour, int pixelSize, bool bold)
{
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, colour);
    widget.setPalette(palette);
    if (pixelSize > 0 || bold)
        SetFontLook(widget, pixelSize, bold);
}

void SetFontLook(QWidget &widget, int pixelSize, bool bold)
{
    QFont font = widget.font();
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    font.setBold(bold);
    widget.setFont(font);
}

void SetBackground(QWidget &widget, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void DecoratePanel(QWidget &widget, const PanelLook &look)
{
    new PanelPainter(widget, look);
}

} // namespace tesmi
