#include "platform/X11Desktop.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace tesmi {

namespace {

Display *x11Display()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

QString windowCaption(Display *display, Window window)
{
    static const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    static const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long rest = 0;
    unsigned char *data = nullptr;
    QString caption;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count, &rest, &data)
            == Success
        && data) {
        caption = QString::fromUtf8(reinterpret_cast<const char *>(data), int(count));
        XFree(data);
    }
    if (caption.isEmpty()) {
        char *name = nullptr;
        if (XFetchName(display, window, &name) && name) {
            caption = QString::fromLocal8Bit(name);
            XFree(name);
        }
    }
    return caption;
}

// Top-level windows are children of the root, or one level below where a window
// manager wraps them in frames.
bool treeHasCaption(Display *display, Window parent, const QString &caption, int depth)
{
    Window root = 0;
    Window parentOfParent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &parentOfParent, &children, &count))
        return false;
    bool found = false;
    for (unsigned int i = 0; i < count && !found; ++i)
        found = windowCaption(display, children[i]) == caption
                || (depth > 0 && treeHasCaption(display, children[i], caption, depth - 1));
    if (children)
        XFree(children);
    return found;
}

} // namespace

bool X11Desktop::topLevelWindowExists(const QString &caption) const
{
    Display *display = x11Display();
    return display && treeHasCaption(display, DefaultRootWindow(display), caption, 1);
}

bool X11Desktop::capsLockOn() const
{
    Display *display = x11Display();
    unsigned int indicators = 0;
    if (!display || XkbGetIndicatorState(display, XkbUseCoreKbd, &indicators) != Success)
        return false;
    return indicators & 1u; // the first indicator is Caps Lock
}

bool X11Desktop::mainWindowActive() const
{
    return mainWindow_ && mainWindow_->isActiveWindow();
}

} // namespace tesmi
