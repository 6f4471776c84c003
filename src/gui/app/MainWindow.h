#pragma once

#include "app/FrameLayout.h"
#include "modes/ModeSession.h"
#include "race/RaceResults.h"
#include "stats/ErrorList.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;

namespace tesmi {

struct AppContext;
class BottomBar;
class ErrorPanel;
class GarageController;
class ModePicker;
class RaceController;
class RepositoryWindow;
class ResultPanel;
class SettingsPanel;
class StatisticsWindow;
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
    const ModeSession &modes() const { return modes_; }

public slots:
    void switchMode(const QString &mode);
    void toggleSettingsPanel();
    void showAbout();
    // The one-shot step half a second after start-up.
    void firstRunStep();
    void openGarage();
    void openStatistics();
    void showErrorPanel();
    void openRepository();
    // After a dictionary was installed: Обычный and its text are shown again.
    void returnToDefaultMode();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void applyLayout();
    void askForLogin();
    void saveAtExit();
    void openModeList();
    void showSwitchOutcome(const SwitchOutcome &outcome);
    void refreshSummary();
    void showSummary(const SummaryView &summary);
    void connectRace();
    void connectToolbar();
    StatisticsWindow &statistics();
    RepositoryWindow &repository();
    ErrorPanel &errorPanel();
    void finishRace(const RaceOutcome &outcome);
    void cancelResult();
    void mergeMistypedWords(const QStringList &words);
    void startErrorWork();
    void applyTextFont();
    void returnFocusToRace();
    void connectSettingsPanel();
    void connectGarage();

    AppContext &context_;
    ModeSession modes_;
    ErrorList errorList_;
    const bool firstRun_;
    SplashWindow &splash_;
    TopBar *topBar_;
    TypingArea *typingArea_;
    RaceController *race_;
    RaceResults results_;
    ResultPanel *resultPanel_;
    QPushButton *errorWorkButton_;
    SettingsPanel *settingsPanel_;
    QLabel *hrust_;
    BottomBar *bottomBar_;
    QToolButton *arrows_;
    ModePicker *picker_;
    GarageController *garage_;
    StatisticsWindow *statistics_ = nullptr;
    ErrorPanel *errorPanel_ = nullptr;
    RepositoryWindow *repository_ = nullptr;
    QTimer firstRunTimer_;
    bool collapsed_ = false;
    bool shownOnce_ = false;
};

} // namespace tesmi
