#include "app/BottomBar.h"

#include "app/ClickableLabel.h"
#include "progress/ModeSummary.h"

namespace tesmi {

BottomBar::BottomBar(QWidget *parent)
    : QWidget(parent), keyHints_(new ClickableLabel(kRaceKeysHint, this)),
      donate_(new ClickableLabel(QStringLiteral("Поддержать проект"), this))
{
    setObjectName(QStringLiteral("Panel7"));
    setAttribute(Qt::WA_StyledBackground);
    keyHints_->setObjectName(QStringLiteral("StaticText1"));
    keyHints_->setToolTip(QStringLiteral("Щелкните для начала игры"));
    donate_->setObjectName(QStringLiteral("StaticText2"));
    donate_->setProperty("link", true);
}

void BottomBar::resizeEvent(QResizeEvent *)
{
    const int margin = 12;
    keyHints_->adjustSize();
    donate_->adjustSize();
    keyHints_->move(margin, (height() - keyHints_->height()) / 2);
    donate_->move(width() - donate_->width() - margin, (height() - donate_->height()) / 2);
}

} // namespace tesmi
