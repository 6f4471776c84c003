#include "app/SplashWindow.h"

#include "app/Style.h"
#include "platform/CarsPack.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace tesmi {

namespace {
constexpr qint64 kStepPaintMs = 50;
constexpr int kMargin = 24;
constexpr int kBarHeight = 14;
} // namespace

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      title_(new QLabel(QStringLiteral("Загрузка..."), this)), status_(new QLabel(this))
{
    setObjectName(QStringLiteral("FSplash"));
    // A caption of its own keeps it apart from the program's other windows.
    setWindowTitle(QStringLiteral("Загрузка"));
    title_->setObjectName(QStringLiteral("Label1"));
    status_->setObjectName(QStringLiteral("Label2"));
    setFixedSize(420, 230);
    SetTextLook(*title_, Qt::white, 21, true);
    SetTextLook(*status_, colours::kBarText, 12);

    auto *picture = new QLabel(this);
    picture->setPixmap(BuiltinPicture(QStringLiteral("icon")));
    picture->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    // The progress bar is painted in the bottom margin.
    layout->setContentsMargins(kMargin, 20, kMargin, 20 + kBarHeight + 6);
    layout->addWidget(picture);
    // Full width, text centred: the captions change while no layout pass runs.
    for (QLabel *caption : {title_, status_})
        caption->setAlignment(Qt::AlignCenter);
    layout->addWidget(title_);
    layout->addStretch();
    layout->addWidget(status_);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SplashWindow::showNow()
{
    show();
    paintNow();
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient shade(0, 0, 0, height());
    shade.setColorAt(0, QColor(0x2b, 0x4a, 0x6f));
    shade.setColorAt(1, QColor(0x16, 0x26, 0x3b));
    painter.fillRect(rect(), shade);
    painter.setPen(QColor(0x0c, 0x15, 0x22));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    // The progress bar: a dark groove filling with amber from the left.
    const QRect groove(kMargin, height() - 20 - kBarHeight, width() - 2 * kMargin, kBarHeight);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x5d, 0x7e, 0xa6));
    painter.setBrush(QColor(0x0f, 0x1b, 0x2a));
    painter.drawRoundedRect(QRectF(groove).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    const QRect inside = groove.adjusted(2, 2, -2, -2);
    painter.fillRect(QRect(inside.topLeft(), QSize(inside.width() * percent_ / 100, inside.height())),
                     QColor(0xf0, 0xa0, 0x30));
}

void SplashWindow::step(int percent, const QString &status)
{
    percent_ = std::clamp(percent, 0, 100);
    status_->setText(status);
    if (!painted_.isValid() || painted_.hasExpired(kStepPaintMs))
        paintNow();
}

void SplashWindow::showClosing()
{
    title_->setText(QStringLiteral("Завершение"));
    status_->setText(QStringLiteral("Пожалуйста подождите..."));
    showNow();
    raise();
}

void SplashWindow::paintNow()
{
    repaint();
    painted_.start();
}

} // namespace tesmi
