#include "XSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <stdexcept>

namespace tesmi::e2e {

namespace {

QString caption(Display *display, Window window)
{
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long rest = 0;
    unsigned char *data = nullptr;
    QString text;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count, &rest, &data)
            == Success
        && data) {
        text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(count));
        XFree(data);
    }
    return text;
}

void runTool(const QString &program, const QStringList &arguments, const QString &display)
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    // Text arguments are UTF-8; the Russian locale may not be installed.
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    tool.setProcessEnvironment(env);
    tool.start(program, arguments);
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        throw std::runtime_error(("failed: " + program + ' ' + arguments.join(' ') + ": "
                                  + QString::fromLocal8Bit(tool.readAllStandardError()))
                                     .toStdString());
}

// Windows come and go under the test's feet; a request about a window that has
// just gone must not end the test program (Xlib's default handler exits).
int ignoreXError(Display *, XErrorEvent *)
{
    return 0;
}

} // namespace

XSession &XSession::instance()
{
    static XSession session;
    return session;
}

XSession::XSession()
{
    server_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                           QStringLiteral("0"), QStringLiteral("1600x1000x24"),
                                           QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server_.waitForStarted(10000))
        throw std::runtime_error("Xvfb did not start");
    QByteArray number;
    while (!number.contains('\n') && server_.waitForReadyRead(10000))
        number += server_.readAllStandardOutput();
    display_ = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    XSetErrorHandler(ignoreXError);
    connection_ = XOpenDisplay(display_.toLatin1().constData());
    if (!connection_)
        throw std::runtime_error("cannot connect to Xvfb");
}

XSession::~XSession()
{
    if (connection_)
        XCloseDisplay(connection_);
    server_.terminate();
    server_.waitForFinished(5000);
}

QList<unsigned long> XSession::windowsTitled(const QString &text) const
{
    Window root = 0;
    Window parent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    QList<unsigned long> found;
    XSync(connection_, False);
    if (!XQueryTree(connection_, DefaultRootWindow(connection_), &root, &parent, &children, &count))
        return found;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(connection_, children[i], &attributes) && attributes.map_state == IsViewable
            && caption(connection_, children[i]) == text)
            found << children[i];
    }
    if (children)
        XFree(children);
    std::sort(found.begin(), found.end(), [this](unsigned long a, unsigned long b) {
        return geometry(a).width() > geometry(b).width();
    });
    return found;
}

QRect XSession::geometry(unsigned long window) const
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(connection_, window, &attributes))
        return {};
    return QRect(attributes.x, attributes.y, attributes.width, attributes.height);
}

void XSession::pressKey(unsigned long window, const QString &key) const
{
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window), QStringLiteral("key"),
             QStringLiteral("--clearmodifiers"), key},
            display_);
}

void XSession::typeText(unsigned long window, const QString &text, int delayMs) const
{
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window), QStringLiteral("type"),
             QStringLiteral("--delay"), QString::number(delayMs), text},
            display_);
}

void XSession::closeLikeUser(unsigned long window) const
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(connection_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(connection_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(connection_, window, False, NoEventMask, &event);
    XFlush(connection_);
}

unsigned long XSession::createWindow(const QString &text)
{
    const Window window = XCreateSimpleWindow(connection_, DefaultRootWindow(connection_), 0, 0, 200, 100, 0, 0, 0);
    const QByteArray utf8 = text.toUtf8();
    XChangeProperty(connection_, window, XInternAtom(connection_, "_NET_WM_NAME", False),
                    XInternAtom(connection_, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(utf8.constData()), int(utf8.size()));
    XStoreName(connection_, window, utf8.constData());
    XMapWindow(connection_, window);
    XSync(connection_, False);
    return window;
}

void XSession::destroyWindow(unsigned long window)
{
    XDestroyWindow(connection_, window);
    XSync(connection_, False);
}

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}

ProgramRun::ProgramRun()
{
    QFile::copy(QStringLiteral(TESMI_PROGRAM), dir_.filePath(QStringLiteral("tesmitrainer")));
    QFile::copy(QStringLiteral(TESMI_CARS_PACK), dir_.filePath(QStringLiteral("cars.dll")));
    const QDir dictionaries(QStringLiteral(TESMI_DICTIONARIES));
    QDir(dir_.path()).mkdir(QStringLiteral("dictionaries"));
    for (const QString &name : dictionaries.entryList(QDir::Files))
        QFile::copy(dictionaries.filePath(name), dir_.filePath(QStringLiteral("dictionaries/") + name));
    QDir(dir_.path()).mkdir(QStringLiteral("runtime"));
    QFile::setPermissions(runtimeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void ProgramRun::start(const QString &locale, const QProcessEnvironment &extra)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), XSession::instance().display());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("LANG"), locale);
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
    env.insert(extra);
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(file(QStringLiteral("tesmitrainer")), {});
    process_.waitForStarted(10000);
}

bool ProgramRun::finished(int timeoutMs)
{
    return process_.waitForFinished(timeoutMs) && process_.exitStatus() == QProcess::NormalExit;
}

unsigned long ProgramRun::waitForWindow(const std::function<bool(QRect)> &sizeTest)
{
    unsigned long window = 0;
    waitUntil([&] {
        for (unsigned long candidate : XSession::instance().windowsTitled(QStringLiteral("TesmiTrainer"))) {
            if (sizeTest(XSession::instance().geometry(candidate))) {
                window = candidate;
                return true;
            }
        }
        return false;
    });
    return window;
}

unsigned long ProgramRun::waitForMainWindow()
{
    return waitForWindow([](QRect r) { return r.width() >= 824 && r.height() >= 650; });
}

unsigned long ProgramRun::waitForMessageBox()
{
    return waitForWindow([](QRect r) { return r.width() < 824 && r.height() < 650; });
}

unsigned long ProgramRun::waitForRepository()
{
    unsigned long found = 0;
    waitUntil([&] {
        const auto windows = XSession::instance().windowsTitled(QStringLiteral("Репозиторий словарей"));
        found = windows.isEmpty() ? 0 : windows.front();
        return found != 0;
    });
    return found;
}

} // namespace tesmi::e2e
