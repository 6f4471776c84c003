#include "app/BottomBar.h"

#include "app/ClickableLabel.h"
#include "app/Style.h"
#include "progress/ModeSummary.h"

namespace tesmi {

BottomBar::BottomBar(QWidget *parent)
    : QWidget(parent), keyHints_(new ClickableLabel(kRaceKeysHint, this)),
      donate_(new ClickableLabel(QStringLiteral("Поддержать проект"), this))
{
    setObjectName(QStringLiteral("Panel7"));
    SetBackground(*this, colours::kBar);
    SetFontLook(*this, 12);
    keyHints_->setObjectName(QStringLiteral("StaticText1"));
    keyHints_->setToolTip(QStringLiteral("Щелкните для начала игры"));
    keyHints_->setLinkColours(colours::kBarText, Qt::white);
    donate_->setObjectName(QStringLiteral("StaticText2"));
    SetTextLook(*donate_, colours::kDonate, 12, true);
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
