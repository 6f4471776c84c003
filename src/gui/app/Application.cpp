#include "app/Application.h"

#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "app/Startup.h"
#include "app/Style.h"
#include "platform/CarsPack.h"
#include "platform/MessageBoxPrompts.h"
#include "platform/ProcessTermination.h"
#include "platform/SingleInstance.h"
#include "platform/X11Desktop.h"
#include "storage/Database.h"

#include <QApplication>
#include <QDateTime>
#include <QTimer>

namespace tesmi {

namespace {

// Lets a benchmark measure the time to a shown, idle main window: the program
// quits as soon as its event loop has nothing left to do.
bool quitWhenIdle()
{
    return qEnvironmentVariableIsSet("TESMI_QUIT_WHEN_IDLE");
}

} // namespace

int RunApplication(int argc, char **argv)
{
    QApplication app(argc, argv);
    SingleInstance instance(QStringLiteral("SVOFF"));
    if (!instance.acquire())
        return 0;

    QApplication::setApplicationName(kProgramTitle);
    ApplyStyle(app);
    SplashWindow splash;
    splash.showNow();

    SystemClock clock;
    SeededRandom random(quint64(QDateTime::currentMSecsSinceEpoch()));
    MessageBoxPrompts prompts;
    ProcessTermination termination;
    X11Desktop desktop;
    const Guard guard(prompts, termination);

    RefuseWrongDecimalSeparator(QLocale::system(), guard);
    RefuseTypingRobot(desktop, guard);
    const AppPaths paths(QCoreApplication::applicationDirPath());
    Storage storage = OpenStorage(paths, guard);
    CarsPack cars;
    RefuseMissingCarsPack(cars.open(paths.carsPack()), guard);

    AppContext context{{clock, random, prompts, termination, desktop}, guard, paths, *storage.db, cars};
    MainWindow window(context, storage.firstRun, splash);
    desktop.setMainWindow(&window);
    prompts.setMainWindow(&window);
    window.restoreState();
    window.show();
    if (quitWhenIdle())
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}

} // namespace tesmi
