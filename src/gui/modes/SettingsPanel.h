#pragma once

#include "modes/ModeSettings.h"

#include <QFrame>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QToolButton;

namespace tesmi {

struct RaceCounters;

// Panel3 "Настройки": the eleven display settings of the current mode, their
// global marks and the finish counters.
class SettingsPanel : public QFrame {
    Q_OBJECT
public:
    explicit SettingsPanel(QWidget *parent = nullptr);

    void showSettings(const ModeSettings &settings, const GlobalMarks &marks);
    // The panel's values as they would be stored.
    ModeSettings settings() const;
    // Безошибочный: the limit is always on and at most `maximum`.
    void setLimitRules(bool forced, int maximum);
    void showCounters(const RaceCounters &counters);
    // During a race the font and the highlighting stay as they are.
    void setRaceLocked(bool locked);

    static constexpr int kWidth = 240;
    // Heights: limit off; limit on; limit on with the finish counter box.
    static constexpr int kShortHeight = 285;
    static constexpr int kLimitHeight = 311;
    static constexpr int kCounterHeight = 356;

signals:
    // Any setting changed by the user.
    void settingsEdited();
    void fontChanged(const QString &family);
    void textSizeChanged(int size);
    void fieldSizeChanged(int size);
    void fieldPositionChanged(bool onTop);
    void displayChanged(); // speedometer, mistake counter, stopwatch, highlighting
    void heightChanged();
    void globalMarkToggled(int mark, bool on);
    void countersReset(bool session);

private:
    void buildRows();
    void buildCounterBox();
    void updateLimitRows();

    QComboBox *font_;
    QSpinBox *textSize_;
    QSpinBox *fieldSize_;
    QComboBox *lighting_;
    QCheckBox *speedometer_;
    QCheckBox *errorCounter_;
    QCheckBox *stopwatch_;
    QCheckBox *fieldOnTop_;
    QCheckBox *limit_;
    QSpinBox *limitCount_;
    QCheckBox *finishCounter_;
    QToolButton *globalButton_;
    QCheckBox *marks_[kMarkCount];
    QFrame *counterBox_;
    QLabel *sessionFinished_;
    QLabel *sessionStarted_;
    QLabel *totalFinished_;
    QLabel *totalStarted_;
    QLabel *sessionCaption_;
    QLabel *totalCaption_;
};

} // namespace tesmi
