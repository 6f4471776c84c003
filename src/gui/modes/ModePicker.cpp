#include "modes/ModePicker.h"

#include <QAbstractItemView>

namespace tesmi {

ModePicker::ModePicker(QWidget *parent) : QComboBox(parent), names_(new QComboBox(parent))
{
    setObjectName(QStringLiteral("rejim_double"));
    names_->setObjectName(QStringLiteral("rejim_list"));
    names_->hide();
    hide();
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QComboBox::activated, this, [this](int index) { emit modeChosen(names_->itemText(index)); });
}

void ModePicker::setModes(const QList<ModeEntry> &modes)
{
    clear();
    names_->clear();
    for (const ModeEntry &mode : modes) {
        names_->addItem(mode.name);
        addItem(mode.caption());
    }
}

void ModePicker::open(const QWidget *anchor)
{
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, fontMetrics().horizontalAdvance(itemText(i)));
    setGeometry(anchor->x(), anchor->y(), anchor->width(), anchor->height());
    view()->setMinimumWidth(widest + 20);
    setCurrentIndex(-1);
    lower();
    show();
    showPopup();
}

void ModePicker::hidePopup()
{
    QComboBox::hidePopup();
    hide();
}

} // namespace tesmi
