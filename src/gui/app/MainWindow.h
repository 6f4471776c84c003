#pragma once

#include "app/FrameLayout.h"
#include "modes/ModeSession.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QToolButton;

namespace tesmi {

struct AppContext;
class BottomBar;
class RaceController;
class SettingsPanel;
class SplashWindow;
class TopBar;
class TypingArea;

// Form1: the frame of the program — top bar, typing area, settings panel with its
// note, bottom bar — and the start and end of a run.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(AppContext &context, bool firstRun, SplashWindow &splash);

    // Restores the user's settings and window, with progress on the splash window.
    void restoreState();
    bool settingsCollapsed() const { return collapsed_; }

public slots:
    void toggleSettingsPanel();
    void showAbout();
    // The one-shot step half a second after start-up.
    void firstRunStep();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void applyLayout();
    void askForLogin();
    void saveAtExit();

    AppContext &context_;
    const bool firstRun_;
    SplashWindow &splash_;
    TopBar *topBar_;
    TypingArea *typingArea_;
    ModeSession modes_;
    RaceController *race_;
    SettingsPanel *settingsPanel_;
    QLabel *hrust_;
    BottomBar *bottomBar_;
    QToolButton *arrows_;
    QTimer firstRunTimer_;
    bool collapsed_ = false;
    bool shownOnce_ = false;
    QString carId_;
    int carColour_ = 0;
};

} // namespace tesmi
