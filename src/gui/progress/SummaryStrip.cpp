#include "progress/SummaryStrip.h"

#include "app/Style.h"
#include "progress/MedalPicture.h"
#include "progress/ModeSummary.h"

#include <QHBoxLayout>
#include <QLabel>

namespace tesmi {

namespace {

constexpr int kPairGap = 12;  // between one figure and the next caption
constexpr int kCaptionGap = 4;// between a caption and its figure

QLabel *figure(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    SetTextLook(*label, colours::kHeading, 12, true);
    return label;
}

} // namespace

SummaryStrip::SummaryStrip(QWidget *parent)
    : QWidget(parent), best_(figure(QStringLiteral("Label17"), this)), average_(figure(QStringLiteral("Label19"), this)),
      mistakes_(figure(QStringLiteral("Label22"), this)), mileage_(figure(QStringLiteral("Label21"), this)),
      medal_(new MedalPicture(this))
{
    setObjectName(QStringLiteral("summary"));
    SetTextLook(*this, colours::kMuted, 12);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const std::pair<const char *, QLabel *> pairs[] = {
        {"Лучшая скорость:", best_}, {"Средняя скорость:", average_}, {"Ошибки:", mistakes_}, {"Пробег:", mileage_}};
    for (const auto &[caption, value] : pairs) {
        if (value != best_)
            layout->addSpacing(kPairGap);
        layout->addWidget(new QLabel(QString::fromUtf8(caption), this));
        layout->addSpacing(kCaptionGap);
        layout->addWidget(value);
    }
    layout->addSpacing(kCaptionGap);
    layout->addWidget(medal_, 0, Qt::AlignVCenter);
}

void SummaryStrip::showSummary(const SummaryView &view)
{
    best_->setText(view.Label17);
    average_->setText(view.Label19);
    mistakes_->setText(view.Label22);
    mileage_->setText(view.Label21);
    medal_->showMedal(view.medal);
    adjustSize();
}

} // namespace tesmi
