#pragma once

#include <QString>

namespace tesmi {

// Facts about the desktop the program runs on, probed by the window layer.
class Desktop {
public:
    virtual ~Desktop() = default;
    // True when some top-level window of any application carries this caption.
    virtual bool topLevelWindowExists(const QString &caption) const = 0;
    virtual bool capsLockOn() const = 0;
    virtual bool mainWindowActive() const = 0;
};

} // namespace tesmi
