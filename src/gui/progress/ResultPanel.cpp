#include "progress/ResultPanel.h"

#include "app/Style.h"
#include "race/RaceResults.h"
#include "util/Formatting.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace tesmi {

namespace {

constexpr int kRecordDelayMs = 1000;

QLabel *label(const QString &name, const QString &text, QWidget *parent)
{
    auto *result = new QLabel(text, parent);
    result->setObjectName(name);
    return result;
}

// Labels that read as one phrase: no gap between them, baselines aligned.
QHBoxLayout *phrase(std::initializer_list<QLabel *> parts)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    for (QLabel *part : parts)
        row->addWidget(part, 0, Qt::AlignBottom);
    return row;
}

} // namespace

ResultPanel::ResultPanel(QWidget *parent)
    : QWidget(parent), speed_(label(QStringLiteral("Label5"), QString(), this)),
      time_(label(QStringLiteral("Label3"), QString(), this)), tenths_(label(QStringLiteral("Label4"), QString(), this)),
      errors_(label(QStringLiteral("Label7"), QString(), this)),
      errorsWord_(label(QStringLiteral("Label9"), QString(), this)),
      percent_(label(QStringLiteral("Label8"), QString(), this)), record_(label(QStringLiteral("rek"), kRecordBanner, this)),
      cancel_(new QToolButton(this)), cancelled_(label(QStringLiteral("RzPanel5"), QStringLiteral("Результат отменен"), this))
{
    setObjectName(QStringLiteral("Panel2"));
    DecoratePanel(*this);
    SetTextLook(*this, colours::kHeading, 15);
    SetFontLook(*speed_, 30, true);
    for (QLabel *figure : {time_, errors_})
        SetFontLook(*figure, 22, true);
    SetTextLook(*record_, colours::kRecord, 15, true);
    SetTextLook(*cancelled_, colours::kFaint);
    QFont aside = cancelled_->font();
    aside.setItalic(true);
    cancelled_->setFont(aside);
    cancel_->setObjectName(QStringLiteral("SpeedButton2"));
    cancel_->setToolTip(QStringLiteral("Отменить результат"));
    cancel_->setText(QStringLiteral("✕"));
    cancel_->setAutoRaise(true);
    SetTextLook(*cancel_, colours::kRecord);
    cancel_->setFocusPolicy(Qt::NoFocus);
    cancelled_->setAlignment(Qt::AlignCenter);

    auto *figures = new QHBoxLayout;
    figures->setSpacing(28);
    figures->addLayout(phrase({speed_, label(QStringLiteral("Label6"), QStringLiteral(" зн/мин"), this)}));
    figures->addLayout(phrase({time_, tenths_}));
    QHBoxLayout *mistakes = phrase({errors_, errorsWord_, percent_, label(QStringLiteral("Label28"), QStringLiteral("%)"), this)});
    mistakes->insertSpacing(1, 5); // the count and its word stand apart
    figures->addLayout(mistakes);
    figures->addStretch();
    figures->addWidget(cancelled_);
    figures->addWidget(cancel_);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize); // the panel follows its captions
    layout->setContentsMargins(16, 10, 12, 10);
    layout->setSpacing(6);
    layout->addLayout(figures);
    layout->addWidget(record_);

    recordTimer_.setObjectName(QStringLiteral("Timer8"));
    recordTimer_.setSingleShot(true);
    recordTimer_.setInterval(kRecordDelayMs);
    connect(&recordTimer_, &QTimer::timeout, this, &ResultPanel::recordTimerTick);
    connect(cancel_, &QToolButton::clicked, this, &ResultPanel::cancelClicked);
    hideForNextRace();
}

void ResultPanel::showResult(const ResultPanelValues &values, bool record, bool cancelVisible)
{
    speed_->setText(values.Label5);
    time_->setText(values.Label3);
    tenths_->setText(values.Label4);
    errors_->setText(values.Label7);
    errorsWord_->setText(values.Label9);
    percent_->setText(values.Label8);
    record_->setVisible(record);
    cancel_->setVisible(cancelVisible);
    cancelled_->hide();
    if (record)
        recordTimer_.start();
    show();
}

void ResultPanel::showCancelled()
{
    cancelled_->show();
    cancel_->hide();
    // A cancelled result is no record any more.
    recordTimer_.stop();
    wave_.stop();
    record_->hide();
}

void ResultPanel::hideForNextRace()
{
    recordTimer_.stop();
    wave_.stop();
    record_->setText(kRecordBanner);
    record_->hide();
    cancelled_->hide();
    hide();
}

void ResultPanel::recordTimerTick()
{
    recordTimer_.stop();
    if (record_->isHidden())
        return;
    wave_.WaveCaption(record_);
}

} // namespace tesmi
