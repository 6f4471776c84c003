#include "app/TopBar.h"

#include "app/ClickableLabel.h"
#include "progress/LevelBadge.h"
#include "progress/ModeSummary.h"
#include "progress/SummaryStrip.h"

#include <QLabel>

namespace tesmi {

namespace {

ClickableLabel *linkLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new ClickableLabel(text, parent);
    label->setObjectName(name);
    label->setProperty("link", true);
    return label;
}

QSize captionSize(const QLabel *label)
{
    return label->sizeHint();
}

} // namespace

TopBar::TopBar(QWidget *parent)
    : QWidget(parent), modeLabel_(linkLabel(QStringLiteral("Label39"), QString(), this)), summary_(new SummaryStrip(this)),
      garage_(linkLabel(QStringLiteral("Garaj"), QStringLiteral("Гараж"), this)),
      mail_(linkLabel(QStringLiteral("Label45"), QStringLiteral("Почта"), this)),
      about_(linkLabel(QStringLiteral("menu"), QStringLiteral("О программе"), this)),
      username_(linkLabel(QStringLiteral("Username"), QString(), this)), rankName_(new QLabel(this)),
      levelStrip_(new LevelBadge(this))
{
    setObjectName(QStringLiteral("Panel1"));
    setAttribute(Qt::WA_StyledBackground);
    rankName_->setObjectName(QStringLiteral("Rangname"));
    modeLabel_->setToolTip(QStringLiteral("Сменить режим"));
    modeLabel_->move(16, 8);
    summary_->move(18, 38);
    setLogin(QString());
}

void TopBar::setModeName(const QString &name)
{
    modeLabel_->setText(name);
    modeLabel_->adjustSize();
}

void TopBar::setLogin(const QString &login)
{
    username_->setText(login.isEmpty() ? QStringLiteral("Войти") : login);
    username_->setToolTip(login.isEmpty() ? QStringLiteral("Указать логин") : QStringLiteral("Профиль"));
}

void TopBar::setRankName(const QString &rank)
{
    rankName_->setText(rank);
}

void TopBar::showSummary(const SummaryView &view)
{
    summary_->showSummary(view);
    setRankName(view.Rangname);
    if (view.level)
        levelStrip_->showLevel(*view.level);
}

void TopBar::measure(FrameMetrics &metrics) const
{
    metrics.about = captionSize(about_);
    metrics.mail = captionSize(mail_);
    metrics.garage = captionSize(garage_);
    metrics.username = captionSize(username_);
    metrics.rankName = captionSize(rankName_);
    metrics.levelStrip = levelStrip_->size();
    metrics.mileageCaptionRight = summary_->geometry().right() + 1;
}

void TopBar::place(const FrameGeometry &geometry)
{
    about_->setGeometry(geometry.about);
    mail_->setGeometry(geometry.mail);
    garage_->setGeometry(geometry.garage);
    username_->setGeometry(geometry.username);
    rankName_->setGeometry(geometry.rankName);
    levelStrip_->setGeometry(geometry.levelStrip);
}

void TopBar::setSidePartsVisible(bool visible)
{
    for (QWidget *part : {static_cast<QWidget *>(rankName_), static_cast<QWidget *>(garage_),
                          static_cast<QWidget *>(mail_), static_cast<QWidget *>(about_),
                          static_cast<QWidget *>(username_)})
        part->setVisible(visible);
}

} // namespace tesmi
