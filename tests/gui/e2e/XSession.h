#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QTemporaryDir>

#include <functional>

typedef struct _XDisplay Display;

namespace tesmi::e2e {

// A private X server (Xvfb) for the whole test program, and what a person at it
// would see and do: find windows by caption, press keys, close windows.
class XSession {
public:
    static XSession &instance();

    QString display() const { return display_; }
    // Viewable top-level windows carrying this caption, largest first.
    QList<unsigned long> windowsTitled(const QString &caption) const;
    QRect geometry(unsigned long window) const;
    // Keys as xdotool names them ("Return", "ctrl+Right"), or text to type.
    void pressKey(unsigned long window, const QString &key) const;
    void typeText(unsigned long window, const QString &text, int delayMs = 30) const;
    // What the close button of a window manager does: WM_DELETE_WINDOW.
    void closeLikeUser(unsigned long window) const;
    // A window of another program with this caption; destroyed with the session.
    unsigned long createWindow(const QString &caption);
    void destroyWindow(unsigned long window);

private:
    XSession();
    ~XSession();

    QProcess server_;
    QString display_;
    Display *connection_ = nullptr;
};

// Polls a condition until it holds or the time is up; true when it held.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 15000);

// A copy of the program with cars.dll and the bundled dictionaries in a fresh folder, run on the test server.
class ProgramRun {
public:
    ProgramRun();
    QString folder() const { return dir_.path(); }
    QString file(const QString &name) const { return dir_.filePath(name); }
    void start(const QString &locale = QStringLiteral("ru_RU.UTF-8"), const QProcessEnvironment &extra = {});
    bool finished(int timeoutMs = 15000);
    int exitCode() const { return process_.exitCode(); }
    // The first viewable window titled "TesmiTrainer" that satisfies the size test.
    unsigned long waitForWindow(const std::function<bool(QRect)> &sizeTest);
    unsigned long waitForMainWindow();
    unsigned long waitForMessageBox();
    // The dictionary repository, which the first run opens after its message.
    unsigned long waitForRepository();
    QString runtimeDir() const { return file(QStringLiteral("runtime")); }

private:
    QTemporaryDir dir_;
    QProcess process_;
};

} // namespace tesmi::e2e
