#include "ReaderEvents.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

// Where an AT-SPI event comes from: the application's bus name and root.
struct ObjectReference {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ObjectReference& reference)
{
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ObjectReference& reference)
{
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(ObjectReference)

namespace readers {

namespace {

// The connection and the object paths are those of Qt's AT-SPI bridge.
const QString kConnection = QStringLiteral("a11y");
const QString kObjectPrefix = QStringLiteral("/org/a11y/atspi/accessible/");

QString PathOf(QAccessibleInterface* object)
{
    return kObjectPrefix + QString::number(QAccessible::uniqueId(object));
}

} // namespace

void TellText(QAccessibleInterface* object, QAccessible::Event change, const QString& text)
{
    QDBusConnection bus(kConnection);
    if (!bus.isConnected()) {
        // Readers elsewhere take Qt's own event.
        QAccessibleEvent event(object, change);
        QAccessible::updateAccessibility(&event);
        return;
    }
    static const QMetaType registered = qDBusRegisterMetaType<ObjectReference>();
    Q_UNUSED(registered);
    QDBusMessage signal = QDBusMessage::createSignal(PathOf(object),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    const QString property = change == QAccessible::NameChanged
        ? QStringLiteral("accessible-name")
        : QStringLiteral("accessible-description");
    signal << property << 0 << 0 << QVariant::fromValue(QDBusVariant(text))
           << QVariant::fromValue(
                  ObjectReference {bus.baseService(), QDBusObjectPath(kObjectPrefix + "root")});
    bus.send(signal);
}

void TellShown(QAccessibleInterface* object)
{
    QAccessibleEvent event(object, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

} // namespace readers
