#include "app/AboutWindow.h"

#include "app/Startup.h"
#include "app/Style.h"
#include "platform/CarsPack.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tesmi {

AboutWindow::AboutWindow(const CarsPack &cars, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("О программе"));
    setModal(true);

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(cars.picture(QStringLiteral("logo")));
    logo->setAlignment(Qt::AlignCenter);
    logo->setMinimumHeight(logo->pixmap().height());

    auto *name = new QLabel(kProgramVersionTitle, this);
    name->setObjectName(QStringLiteral("version"));
    name->setAlignment(Qt::AlignCenter);
    SetFontLook(*name, 18, true);

    auto *credits = new QLabel(QStringLiteral("Клавиатурный тренажер для гонщиков скорвела.\n\n"
                                              "Программирование, идея и тексты — участники проекта TesmiTrainer.\n"
                                              "Спасибо всем, кто тренируется, присылает словари и находит ошибки."),
                               this);
    credits->setObjectName(QStringLiteral("credits"));
    credits->setAlignment(Qt::AlignCenter);
    credits->setWordWrap(true);
    credits->setFixedWidth(372);

    // OK is the default button, so Enter closes the window as Escape does.
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(12);
    layout->addWidget(logo);
    layout->addWidget(name);
    layout->addWidget(credits);
    layout->addWidget(buttons);
    // Sized to its contents: a wrapped text must not squeeze the logo.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tesmi
