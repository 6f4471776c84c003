#pragma once

#include <QDBusConnection>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <memory>

namespace tesmi::e2e {

// What a screen reader learns about one control.
struct AccessibleNode {
    QString name;
    uint role = 0;
    QString text; // the contents of text views
};

inline constexpr uint kRoleText = 61; // AT-SPI's role of a text view

// A private session bus with the desktop's accessibility service on it, the
// way a screen reader reads the program's windows: labels show their texts.
class AccessibilityBus {
public:
    AccessibilityBus();
    ~AccessibilityBus();

    // What a program needs to publish its windows here.
    void addTo(QProcessEnvironment &env) const;
    // Every control of every window of the programs on the bus, depth first in
    // the windows' own order.
    QList<AccessibleNode> nodes() const;

private:
    QProcess sessionBus_;
    QProcess launcher_;
    QString sessionAddress_;
    std::unique_ptr<QDBusConnection> a11y_;
};

} // namespace tesmi::e2e
