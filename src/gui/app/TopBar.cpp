#include "app/TopBar.h"

#include "app/ClickableLabel.h"
#include "app/Style.h"
#include "progress/LevelBadge.h"
#include "progress/ModeSummary.h"
#include "progress/SummaryStrip.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

namespace tesmi {

namespace {

ClickableLabel *label(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new ClickableLabel(text, parent);
    label->setObjectName(name);
    return label;
}

ClickableLabel *linkLabel(const QString &name, const QString &text, QWidget *parent)
{
    ClickableLabel *link = label(name, text, parent);
    link->setLinkColours(colours::kLink, colours::kHover);
    return link;
}

QSize captionSize(const QLabel *label)
{
    return label->sizeHint();
}

} // namespace

TopBar::TopBar(QWidget *parent)
    : QWidget(parent), modeLabel_(label(QStringLiteral("Label39"), QString(), this)), summary_(new SummaryStrip(this)),
      garage_(linkLabel(QStringLiteral("Garaj"), QStringLiteral("Гараж"), this)),
      mail_(linkLabel(QStringLiteral("Label45"), QStringLiteral("Почта"), this)),
      about_(linkLabel(QStringLiteral("menu"), QStringLiteral("О программе"), this)),
      username_(linkLabel(QStringLiteral("Username"), QString(), this)), rankName_(new QLabel(this)),
      levelStrip_(new LevelBadge(this))
{
    setObjectName(QStringLiteral("Panel1"));
    SetTextLook(*this, colours::kText, 12);
    // The mode label takes its colour from the mode.
    SetFontLook(*modeLabel_, 21, true);
    rankName_->setObjectName(QStringLiteral("Rangname"));
    SetTextLook(*rankName_, colours::kRank, 12, true);
    modeLabel_->setToolTip(QStringLiteral("Сменить режим"));
    modeLabel_->move(16, 8);
    toolbar_ = new QWidget(this);
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    toolbarLayout_ = new QHBoxLayout(toolbar_);
    toolbarLayout_->setContentsMargins(0, 0, 0, 0);
    toolbarLayout_->setSpacing(4);
    summary_->move(18, 38);
    setLogin(QString());
}

void TopBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient shade(0, 0, 0, height());
    shade.setColorAt(0, colours::kPanel);
    shade.setColorAt(1, QColor(0xed, 0xf1, 0xf6));
    painter.fillRect(rect(), shade);
    painter.setPen(colours::kFrame);
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

void TopBar::setModeName(const QString &name)
{
    modeLabel_->setText(name);
    modeLabel_->adjustSize();
    placeToolbar();
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

QToolButton *TopBar::addToolButton(const QString &name, const QString &symbol, const QString &hint)
{
    auto *button = new QToolButton(toolbar_);
    button->setObjectName(name);
    button->setText(symbol);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(true);
    toolbarLayout_->addWidget(button);
    placeToolbar();
    return button;
}

void TopBar::placeToolbar()
{
    toolbar_->adjustSize();
    toolbar_->move(modeLabel_->geometry().right() + 1 + 20, modeLabel_->y() + (modeLabel_->height() - toolbar_->height()) / 2);
}

} // namespace tesmi
