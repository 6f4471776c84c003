#include "modes/SettingsPanel.h"

#include "app/ClickableLabel.h"
#include "app/Style.h"
#include "modes/ModeSession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

#include <vector>

namespace tesmi {

namespace {

constexpr int kLeft = 12;
constexpr int kRowHeight = 26;
constexpr int kFirstRow = 40;
constexpr int kFieldLeft = 116;
constexpr int kFieldWidth = 92;
constexpr int kMarkLeft = SettingsPanel::kWidth - 24;
constexpr int kCounterRow = 10;

int rowTop(int row)
{
    return kFirstRow + row * kRowHeight;
}

template <typename Control>
Control *named(Control *control, const char *name)
{
    control->setObjectName(QString::fromLatin1(name));
    // Settings never keep the keyboard: keys belong to the race.
    control->setFocusPolicy(Qt::ClickFocus);
    return control;
}

} // namespace

SettingsPanel::SettingsPanel(QWidget *parent)
    : QFrame(parent), font_(named(new QComboBox(this), "ComboBox1")), textSize_(named(new QSpinBox(this), "RzSpinner1")),
      fieldSize_(named(new QSpinBox(this), "RzSpinner2")), lighting_(named(new QComboBox(this), "ComboBox2")),
      speedometer_(named(new QCheckBox(QStringLiteral("Спидометр"), this), "Speedometr")),
      errorCounter_(named(new QCheckBox(QStringLiteral("Счетчик ошибок"), this), "Errorcount")),
      stopwatch_(named(new QCheckBox(QStringLiteral("Секундомер"), this), "Sekundomer")),
      fieldOnTop_(named(new QCheckBox(QStringLiteral("Игровое поле вверху"), this), "RzCheckBox1")),
      limit_(named(new QCheckBox(QStringLiteral("Лимит ошибок"), this), "limit")),
      limitCount_(named(new QSpinBox(this), "RzSpinner3")),
      finishCounter_(named(new QCheckBox(QStringLiteral("Счетчик доездов"), this), "doezd")),
      globalButton_(named(new QToolButton(this), "SpeedButton1")), counterBox_(new QFrame(this)),
      sessionFinished_(new QLabel(counterBox_)), sessionStarted_(new QLabel(counterBox_)),
      totalFinished_(new QLabel(counterBox_)), totalStarted_(new QLabel(counterBox_)),
      sessionCaption_(new QLabel(counterBox_)), totalCaption_(new QLabel(counterBox_))
{
    setObjectName(QStringLiteral("Panel3"));
    DecoratePanel(*this);
    SetTextLook(*this, colours::kText);
    auto *title = new QLabel(QStringLiteral("Настройки"), this);
    title->setObjectName(QStringLiteral("settingsCaption"));
    SetTextLook(*title, colours::kHeading, 15, true);
    title->setGeometry(kLeft, 8, 150, 24);
    globalButton_->setToolTip(QStringLiteral("Глобальные настройки"));
    globalButton_->setText(QStringLiteral("⚙"));
    globalButton_->setCheckable(true);
    globalButton_->setGeometry(kMarkLeft - 4, 8, 22, 22);
    connect(globalButton_, &QToolButton::toggled, this, &SettingsPanel::updateLimitRows);
    buildRows();
    buildCounterBox();
    resize(kWidth, kShortHeight);
}

void SettingsPanel::buildRows()
{
    const auto caption = [this](const QString &text, int row) {
        auto *label = new QLabel(text, this);
        label->setGeometry(kLeft, rowTop(row), kFieldLeft - kLeft - 4, kRowHeight - 4);
    };
    caption(QStringLiteral("Шрифт:"), 0);
    caption(QStringLiteral("Размер текста:"), 1);
    caption(QStringLiteral("Размер поля:"), 2);
    caption(QStringLiteral("Подсветка:"), 3);

    font_->addItems(kFontNames);
    lighting_->addItems(kLightingChoices);
    for (QSpinBox *size : {textSize_, fieldSize_})
        size->setRange(1, 35);
    limitCount_->setRange(0, 50);
    const QList<QWidget *> fields{font_, textSize_, fieldSize_, lighting_};
    for (int row = 0; row < fields.size(); ++row)
        fields[row]->setGeometry(kFieldLeft, rowTop(row), kFieldWidth, kRowHeight - 4);
    const QList<QCheckBox *> flags{speedometer_, errorCounter_, stopwatch_, fieldOnTop_, limit_, finishCounter_};
    for (int i = 0; i < flags.size(); ++i)
        flags[i]->setGeometry(kLeft, rowTop(4 + i), kMarkLeft - kLeft - 4, kRowHeight - 4);
    limit_->setFixedWidth(kFieldLeft - kLeft + 10);
    limitCount_->setGeometry(kFieldLeft + 30, rowTop(8), kFieldWidth - 30, kRowHeight - 4);

    for (int i = 0; i < kMarkCount; ++i) {
        marks_[i] = named(new QCheckBox(this), QStringLiteral("CheckBox%1").arg(i + 2).toLatin1().constData());
        marks_[i]->setGeometry(kMarkLeft, rowTop(i), 20, kRowHeight - 4);
        marks_[i]->setToolTip(QStringLiteral("Общая настройка для всех режимов"));
        marks_[i]->hide();
        connect(marks_[i], &QCheckBox::toggled, this, [this, i](bool on) { emit globalMarkToggled(i + 2, on); });
    }

    connect(font_, &QComboBox::activated, this, [this] { emit fontChanged(font_->currentText()); });
    connect(textSize_, &QSpinBox::valueChanged, this, &SettingsPanel::textSizeChanged);
    connect(fieldSize_, &QSpinBox::valueChanged, this, &SettingsPanel::fieldSizeChanged);
    connect(fieldOnTop_, &QCheckBox::toggled, this, &SettingsPanel::fieldPositionChanged);
    connect(lighting_, &QComboBox::activated, this, &SettingsPanel::displayChanged);
    for (QCheckBox *display : {speedometer_, errorCounter_, stopwatch_})
        connect(display, &QCheckBox::toggled, this, &SettingsPanel::displayChanged);
    connect(limit_, &QCheckBox::toggled, this, &SettingsPanel::updateLimitRows);
    connect(finishCounter_, &QCheckBox::toggled, this, &SettingsPanel::updateLimitRows);
    connect(limitCount_, &QSpinBox::valueChanged, this, &SettingsPanel::displayChanged);
    for (QComboBox *box : {font_, lighting_})
        connect(box, &QComboBox::activated, this, &SettingsPanel::settingsEdited);
    for (QSpinBox *spin : {textSize_, fieldSize_, limitCount_})
        connect(spin, &QSpinBox::valueChanged, this, &SettingsPanel::settingsEdited);
    for (QCheckBox *flag : {speedometer_, errorCounter_, stopwatch_, fieldOnTop_, limit_, finishCounter_})
        connect(flag, &QCheckBox::toggled, this, &SettingsPanel::settingsEdited);
}

void SettingsPanel::buildCounterBox()
{
    counterBox_->setObjectName(QStringLiteral("RzPanel4"));
    DecoratePanel(*counterBox_, {QColor(0xf3, 0xf6, 0xfa), colours::kLightFrame, 4});
    counterBox_->setGeometry(kLeft, rowTop(kCounterRow), kWidth - 2 * kLeft, 50);
    const QList<QLabel *> numbers{sessionFinished_, sessionStarted_, totalFinished_, totalStarted_};
    const char *names[] = {"Label30", "Label31", "Label33", "Label35"};
    // "finished / started  [percent] caption" on each line.
    for (int i = 0; i < numbers.size(); ++i) {
        const bool finished = i % 2 == 0;
        numbers[i]->setObjectName(QString::fromLatin1(names[i]));
        numbers[i]->setAlignment((finished ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        numbers[i]->setGeometry(finished ? 2 : 48, 3 + (i / 2) * 22, 38, 20);
    }
    for (int line = 0; line < 2; ++line) {
        auto *slash = new QLabel(QStringLiteral("/"), counterBox_);
        slash->setAlignment(Qt::AlignCenter);
        slash->setGeometry(40, 3 + line * 22, 8, 20);
    }
    sessionCaption_->setObjectName(QStringLiteral("Label36"));
    totalCaption_->setObjectName(QStringLiteral("Label37"));
    sessionCaption_->setGeometry(86, 3, 112, 20);
    totalCaption_->setGeometry(86, 25, 112, 20);
    const char *resetNames[] = {"Image15", "Image16"};
    for (int line = 0; line < 2; ++line) {
        auto *reset = new ClickableLabel(QStringLiteral("↺"), counterBox_);
        reset->setObjectName(QString::fromLatin1(resetNames[line]));
        reset->setToolTip(QStringLiteral("Сбросить счетчик"));
        reset->setLinkColours(colours::kFaint, colours::kHover);
        reset->setGeometry(kWidth - 2 * kLeft - 18, 3 + line * 22, 16, 20);
        connect(reset, &ClickableLabel::clicked, this, [this, line] { emit countersReset(line == 0); });
    }
}

void SettingsPanel::updateLimitRows()
{
    const bool limited = limit_->isChecked();
    limitCount_->setVisible(limited);
    finishCounter_->setVisible(limited);
    counterBox_->setVisible(limited && finishCounter_->isChecked());
    // A mark shows beside its setting only while the setting itself is shown.
    for (int i = 0; i < kMarkCount; ++i)
        marks_[i]->setVisible(globalButton_->isChecked() && (i != kMarkCount - 1 || limited));
    resize(kWidth, !limited ? kShortHeight : finishCounter_->isChecked() ? kCounterHeight : kLimitHeight);
    emit heightChanged();
}

void SettingsPanel::showSettings(const ModeSettings &settings, const GlobalMarks &marks)
{
    // Loading settings is not a user's change: no handler side effects twice.
    const QList<QObject *> controls{font_,        textSize_, fieldSize_, lighting_, speedometer_, errorCounter_,
                                    stopwatch_,   fieldOnTop_, limit_,   limitCount_, finishCounter_};
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(controls.size() + kMarkCount);
    for (QObject *control : controls)
        blockers.emplace_back(control);
    for (QCheckBox *mark : marks_)
        blockers.emplace_back(mark);

    font_->setCurrentIndex(std::clamp(settings.number(Setting::FontNumber), 0, int(kFontNames.size()) - 1));
    textSize_->setValue(settings.number(Setting::TextSize));
    fieldSize_->setValue(settings.number(Setting::PoleSize));
    const qsizetype lighting = kLightingChoices.indexOf(settings.text(Setting::Lighting));
    lighting_->setCurrentIndex(lighting >= 0 ? int(lighting) : int(kLightingChoices.size()) - 1);
    speedometer_->setChecked(settings.flag(Setting::Speedometr));
    errorCounter_->setChecked(settings.flag(Setting::Errors));
    stopwatch_->setChecked(settings.flag(Setting::Sekundometr));
    fieldOnTop_->setChecked(settings.flag(Setting::PolePoz));
    limit_->setChecked(settings.flag(Setting::LimitErrors));
    limitCount_->setValue(settings.number(Setting::LimitKol));
    finishCounter_->setChecked(settings.flag(Setting::Doezd));
    for (int i = 0; i < kMarkCount; ++i)
        marks_[i]->setChecked(marks[i]);
    blockers.clear();
    updateLimitRows();
}

ModeSettings SettingsPanel::settings() const
{
    ModeSettings settings;
    settings.setNumber(Setting::FontNumber, font_->currentIndex());
    settings.setNumber(Setting::TextSize, textSize_->value());
    settings.setNumber(Setting::PoleSize, fieldSize_->value());
    settings.setText(Setting::Lighting, lighting_->currentText());
    settings.setFlag(Setting::Speedometr, speedometer_->isChecked());
    settings.setFlag(Setting::Errors, errorCounter_->isChecked());
    settings.setFlag(Setting::Sekundometr, stopwatch_->isChecked());
    settings.setFlag(Setting::PolePoz, fieldOnTop_->isChecked());
    settings.setFlag(Setting::LimitErrors, limit_->isChecked());
    settings.setNumber(Setting::LimitKol, limitCount_->value());
    settings.setFlag(Setting::Doezd, finishCounter_->isChecked());
    return settings;
}

void SettingsPanel::setLimitRules(bool forced, int maximum)
{
    limitCount_->setMaximum(maximum);
    limit_->setEnabled(!forced);
    if (forced)
        limit_->setChecked(true);
}

void SettingsPanel::showCounters(const RaceCounters &counters)
{
    sessionFinished_->setNum(counters.SessionFinished);
    sessionStarted_->setNum(counters.SessionStarted);
    totalFinished_->setNum(counters.TotalFinished);
    totalStarted_->setNum(counters.TotalStarted);
    sessionCaption_->setText(SessionCaption(counters));
    totalCaption_->setText(TotalCaption(counters));
}

void SettingsPanel::setRaceLocked(bool locked)
{
    font_->setEnabled(!locked);
    lighting_->setEnabled(!locked);
}

} // namespace tesmi
