#include "modes/SettingsPanel.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tesmi {

SettingsPanel::SettingsPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel3"));
    auto *caption = new QLabel(QStringLiteral("Настройки"), this);
    caption->setObjectName(QStringLiteral("settingsCaption"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addStretch();
    resize(kWidth, 420);
}

} // namespace tesmi
