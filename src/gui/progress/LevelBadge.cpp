#include "progress/LevelBadge.h"

#include "app/Style.h"
#include "platform/CarsPack.h"
#include "progress/Badges.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tesmi {

namespace {

QLabel *picture(const QString &name, bool shown, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(0, 0, LevelBadge::kSize, LevelBadge::kSize);
    ShowBuiltinPicture(*label, shown);
    return label;
}

} // namespace

LevelBadge::LevelBadge(QWidget *parent)
    : QWidget(parent), background_(picture(QStringLiteral("level_fon"), true, this)), numberPanel_(new QWidget(this)),
      number_(new QLabel(numberPanel_))
{
    static_assert(std::tuple_size_v<decltype(steps_)> == kLevelSteps);
    setObjectName(QStringLiteral("RzPanel7"));
    setFixedSize(kSize, kSize);
    for (int step = 1; step <= kLevelSteps; ++step)
        steps_[step - 1] = picture(QStringLiteral("l%1").arg(step), false, this);
    numberPanel_->setObjectName(QStringLiteral("RzPanel8"));
    numberPanel_->setGeometry(0, 0, kSize, kSize);
    number_->setObjectName(QStringLiteral("level_l"));
    SetTextLook(*number_, Qt::white);
    number_->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(numberPanel_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(number_);
    numberPanel_->raise();
}

void LevelBadge::showLevel(const LevelView &level)
{
    number_->setText(level.text);
    // "max" is drawn smaller to fit the ring. The sizes are those of the mode
    // name and the summary figures, so the badge needs no font of its own.
    SetFontLook(*number_, level.max ? 12 : 21, true);
    for (int step = 1; step <= kLevelSteps; ++step)
        ShowBuiltinPicture(*steps_[step - 1], step == level.step);
    number_->setToolTip(level.hint);
    numberPanel_->setToolTip(level.hint);
}

} // namespace tesmi
