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
const QColor kAmber(0xf0, 0xa0, 0x30);
} // namespace

SegmentedBar::SegmentedBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("loader"));
    setFixedHeight(14);
}

void SegmentedBar::setPercent(int percent)
{
    percent_ = std::clamp(percent, 0, 100);
    update();
}

void SegmentedBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x5d, 0x7e, 0xa6));
    painter.setBrush(QColor(0x0f, 0x1b, 0x2a));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    const QRect inside = rect().adjusted(2, 2, -2, -2);
    const int filled = inside.width() * percent_ / 100;
    for (int x = 0; x < filled; x += kSegment + kGap)
        painter.fillRect(QRect(inside.left() + x, inside.top(), std::min(kSegment, filled - x), inside.height()), kAmber);
}

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      title_(new QLabel(QStringLiteral("Загрузка..."), this)), status_(new QLabel(this)),
      loader_(new SegmentedBar(this))
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
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(picture);
    // Full width, text centred: the captions change while no layout pass runs.
    for (QLabel *caption : {title_, status_})
        caption->setAlignment(Qt::AlignCenter);
    layout->addWidget(title_);
    layout->addStretch();
    layout->addWidget(status_);
    layout->addWidget(loader_);

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
}

void SplashWindow::step(int percent, const QString &status)
{
    loader_->setPercent(percent);
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
