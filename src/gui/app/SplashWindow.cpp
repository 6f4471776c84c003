#include "app/SplashWindow.h"

#include "platform/CarsPack.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace tesmi {

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      title_(new QLabel(QStringLiteral("Загрузка..."), this)), status_(new QLabel(this)),
      loader_(new QProgressBar(this))
{
    setObjectName(QStringLiteral("FSplash"));
    // A caption of its own keeps it apart from the program's other windows.
    setWindowTitle(QStringLiteral("Загрузка"));
    title_->setObjectName(QStringLiteral("Label1"));
    status_->setObjectName(QStringLiteral("Label2"));
    loader_->setObjectName(QStringLiteral("loader"));
    setFixedSize(420, 230);
    setStyleSheet(QStringLiteral(
        "#FSplash { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2b4a6f, stop:1 #16263b);"
        " border: 1px solid #0c1522; }"
        "QLabel { color: white; }"
        "#Label1 { font-size: 26px; font-weight: bold; }"
        "#Label2 { font-size: 12px; color: #c8d6e8; }"
        "QProgressBar { border: 1px solid #5d7ea6; border-radius: 3px; background: #0f1b2a; height: 14px; }"
        "QProgressBar::chunk { background: #f0a030; width: 10px; margin: 1px; }"));
    setAttribute(Qt::WA_StyledBackground);

    auto *picture = new QLabel(this);
    picture->setPixmap(BuiltinPicture(QStringLiteral("icon")));
    picture->setAlignment(Qt::AlignCenter);
    loader_->setRange(0, 100);
    loader_->setTextVisible(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(picture);
    layout->addWidget(title_, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addWidget(status_, 0, Qt::AlignHCenter);
    layout->addWidget(loader_);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SplashWindow::step(int percent, const QString &status)
{
    loader_->setValue(percent);
    status_->setText(status);
    repaint();
}

void SplashWindow::showClosing()
{
    title_->setText(QStringLiteral("Завершение"));
    status_->setText(QStringLiteral("Пожалуйста подождите..."));
    show();
    raise();
}

} // namespace tesmi
