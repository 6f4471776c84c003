#pragma once

#include "platform/Desktop.h"

#include <QPointer>
#include <QWidget>

namespace tesmi {

// Desktop facts from the X server; on other platforms there is nothing to probe
// and the answers are the harmless ones.
class X11Desktop final : public Desktop {
public:
    bool topLevelWindowExists(const QString &caption) const override;
    bool capsLockOn() const override;
    bool mainWindowActive() const override;

    void setMainWindow(QWidget *window) { mainWindow_ = window; }

private:
    QPointer<QWidget> mainWindow_;
};

} // namespace tesmi
