#pragma once

#include "modes/RaceText.h"
#include "race/RaceEngine.h"

#include <QObject>
#include <QTimer>

#include <functional>

class QKeyEvent;
class QWidget;

namespace tesmi {

struct AppContext;
class ModeSession;
class TypingArea;

// The race in the main window: the engine with the typing area as its view,
// the timers wired to its ticks, the race keys taken before any control sees
// them, and the mode side of a race answered from the mode session.
class RaceController : public QObject, private RaceHost {
    Q_OBJECT
public:
    RaceController(AppContext &context, ModeSession &modes, TypingArea &area, QWidget &window);
    ~RaceController() override;

    RaceEngine &engine() { return engine_; }

signals:
    void finished(const tesmi::RaceOutcome &outcome);
    void settingsLocked(bool locked);
    void resultsHidden();
    void errorWorkButtonVisible(bool visible);
    void fixTextButtonVisible(bool visible);
    // The finish counters changed.
    void countersChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKey(const QKeyEvent &key);
    void reportFailures(const std::function<void()> &work);
    void toggleFullScreen();

    // RaceHost
    RaceMode raceMode() override;
    RaceTextResult MakeRaceText() override;
    QStringList autoReplaceWords() override;
    void advanceBookPosition(int typed) override;
    void countUnfinishedStart() override;
    void raceFinished(const RaceOutcome &outcome) override;
    void setSettingsLocked(bool locked) override;
    void hideResults() override;
    void setErrorWorkButtonVisible(bool visible) override;
    void setFixTextButtonVisible(bool visible) override;

    AppContext &context_;
    ModeSession &modes_;
    TypingArea &area_;
    QWidget &window_;
    RaceTextGenerator generator_;
    RaceEngine engine_;
    QString currentTextId_;
    QTimer nextWindowTimer_; // Timer4
};

} // namespace tesmi
