#include "progress/MedalPicture.h"

#include "platform/CarsPack.h"
#include "progress/Badges.h"

#include <QLabel>

namespace tesmi {

namespace {

const std::array<const char *, 6> kMedalNames{"i300", "i1000", "i2000", "i5000", "i10000", "i20000"};

} // namespace

MedalPicture::MedalPicture(QWidget *parent) : QWidget(parent)
{
    setFixedSize(kSize, kSize);
    for (std::size_t i = 0; i < medals_.size(); ++i) {
        const QString name = QString::fromLatin1(kMedalNames[i]);
        medals_[i] = new QLabel(this);
        medals_[i]->setObjectName(name);
        medals_[i]->setGeometry(0, 0, kSize, kSize);
        medals_[i]->hide();
    }
}

void MedalPicture::showMedal(const MedalView &medal)
{
    for (QLabel *picture : medals_) {
        const bool shown = picture->objectName() == medal.picture;
        ShowBuiltinPicture(*picture, shown);
        picture->setToolTip(shown ? medal.hint : QString());
    }
}

} // namespace tesmi
