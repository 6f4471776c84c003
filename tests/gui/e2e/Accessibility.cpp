#include "Accessibility.h"

#include "XSession.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include <stdexcept>

namespace {

struct ObjectReference {
    QString service;
    QDBusObjectPath path;
};

} // namespace

Q_DECLARE_METATYPE(ObjectReference)

namespace {

QDBusArgument &operator<<(QDBusArgument &argument, const ObjectReference &reference)
{
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, ObjectReference &reference)
{
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}

const QString kAccessible = QStringLiteral("org.a11y.atspi.Accessible");
const QString kRegistry = QStringLiteral("org.a11y.atspi.Registry");
const QString kRootPath = QStringLiteral("/org/a11y/atspi/accessible/root");

QDBusMessage call(const QDBusConnection &bus, const ObjectReference &object, const QString &interface,
                  const QString &method, const QVariantList &arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(object.service, object.path.path(), interface, method);
    message.setArguments(arguments);
    return bus.call(message, QDBus::Block, 5000);
}

QVariant firstResult(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() ? reply.arguments().first()
                                                                                       : QVariant();
}

QList<ObjectReference> children(const QDBusConnection &bus, const ObjectReference &object)
{
    QList<ObjectReference> found;
    const QVariant result = firstResult(call(bus, object, kAccessible, QStringLiteral("GetChildren")));
    if (result.canConvert<QDBusArgument>())
        result.value<QDBusArgument>() >> found;
    return found;
}

void collect(const QDBusConnection &bus, const ObjectReference &object, QList<tesmi::e2e::AccessibleNode> &nodes)
{
    tesmi::e2e::AccessibleNode node;
    const QVariant name = firstResult(call(bus, object, QStringLiteral("org.freedesktop.DBus.Properties"),
                                           QStringLiteral("Get"), {kAccessible, QStringLiteral("Name")}));
    node.name = name.value<QDBusVariant>().variant().toString();
    node.role = firstResult(call(bus, object, kAccessible, QStringLiteral("GetRole"))).toUInt();
    if (node.role == tesmi::e2e::kRoleText)
        node.text = firstResult(call(bus, object, QStringLiteral("org.a11y.atspi.Text"), QStringLiteral("GetText"),
                                     {0, -1}))
                        .toString();
    nodes << node;
    for (const ObjectReference &child : children(bus, object))
        collect(bus, child, nodes);
}

QString readLine(QProcess &process)
{
    QByteArray line;
    while (!line.contains('\n') && process.waitForReadyRead(10000))
        line += process.readAllStandardOutput();
    return QString::fromUtf8(line).trimmed();
}

} // namespace

namespace tesmi::e2e {

AccessibilityBus::AccessibilityBus()
{
    qDBusRegisterMetaType<ObjectReference>();
    qDBusRegisterMetaType<QList<ObjectReference>>();

    sessionBus_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    sessionAddress_ = readLine(sessionBus_);
    if (sessionAddress_.isEmpty())
        throw std::runtime_error("no session bus");

    // The desktop's accessibility service: it runs the bus that programs and
    // screen readers meet on, and its registry.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), XSession::instance().display());
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), sessionAddress_);
    launcher_.setProcessEnvironment(env);
    launcher_.start(QStringLiteral("/usr/libexec/at-spi-bus-launcher"), {QStringLiteral("--launch-immediately")});

    const QDBusConnection session = QDBusConnection::connectToBus(sessionAddress_, QStringLiteral("session"));
    QString address;
    waitUntil([&] {
        const QDBusMessage reply = session.call(
            QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                           QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")),
            QDBus::Block, 2000);
        address = firstResult(reply).toString();
        return !address.isEmpty();
    });
    if (address.isEmpty())
        throw std::runtime_error("no accessibility bus");
    a11y_ = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(address, QStringLiteral("a11y")));
}

AccessibilityBus::~AccessibilityBus()
{
    a11y_.reset();
    QDBusConnection::disconnectFromBus(QStringLiteral("a11y"));
    QDBusConnection::disconnectFromBus(QStringLiteral("session"));
    launcher_.terminate();
    launcher_.waitForFinished(5000);
    sessionBus_.terminate();
    sessionBus_.waitForFinished(5000);
}

void AccessibilityBus::addTo(QProcessEnvironment &env) const
{
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), sessionAddress_);
    // Publish the windows although no screen reader announced itself.
    env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
}

QList<AccessibleNode> AccessibilityBus::nodes() const
{
    QList<AccessibleNode> found;
    for (const ObjectReference &application : children(*a11y_, {kRegistry, QDBusObjectPath(kRootPath)}))
        collect(*a11y_, application, found);
    return found;
}

} // namespace tesmi::e2e
