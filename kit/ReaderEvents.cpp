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

// An AT-SPI object event from an object, as Qt's bridge sends them and on
// the connection it talks on; false where there is no such connection, as
// where the bridge's private names have changed.
bool Send(
    QAccessibleInterface* object, const QString& kind, const QString& detail, const QVariant& value)
{
    QDBusConnection bus(kConnection);
    if (!bus.isConnected())
        return false;
    static const QMetaType registered = qDBusRegisterMetaType<ObjectReference>();
    Q_UNUSED(registered);
    QDBusMessage signal = QDBusMessage::createSignal(
        PathOf(object), QStringLiteral("org.a11y.atspi.Event.Object"), kind);
    signal << detail << 0 << 0 << QVariant::fromValue(QDBusVariant(value))
           << QVariant::fromValue(
                  ObjectReference {bus.baseService(), QDBusObjectPath(kObjectPrefix + "root")});
    return bus.send(signal);
}

QString Property(QAccessible::Event change)
{
    return change == QAccessible::NameChanged ? QStringLiteral("accessible-name")
                                              : QStringLiteral("accessible-description");
}

void Tell(QAccessibleEvent&& event)
{
    QAccessible::updateAccessibility(&event);
}

} // namespace

// Qt 6.4's bridge gives a PropertyChange the object it came from as its
// value, where readers expect the new text: Orca 43 speaks that value for
// the object in focus and fails on an object. There the kit sends the event
// itself. Qt 6.8's and 6.11's bridges send the text.
void TellText(QAccessibleInterface* object, QAccessible::Event change, const QString& text)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (Send(object, QStringLiteral("PropertyChange"), Property(change), text))
        return;
#else
    Q_UNUSED(text);
#endif
    Tell(QAccessibleEvent(object, change));
}

// Qt's bridge sends the new text with every change (6.8 and 6.11) or an
// object (6.4), which Orca 48 and 51 speak for the object in focus, ahead of
// the view's own sentence. A value that is no text, 0, makes AT-SPI forget
// the text it kept, and readers take it for no news.
void TellChanged(QAccessibleInterface* object, QAccessible::Event change)
{
    if (!Send(object, QStringLiteral("PropertyChange"), Property(change), 0))
        Tell(QAccessibleEvent(object, change));
}

// Qt 6.4's bridge sends no event for a change of the focused state; 6.8's
// and 6.11's do.
void TellFocusGone(QAccessibleInterface* object)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (Send(object, QStringLiteral("StateChanged"), QStringLiteral("focused"), 0))
        return;
#endif
    QAccessible::State focus;
    focus.focused = true;
    Tell(QAccessibleStateChangeEvent(object, focus));
}

// Qt 6.8 and 6.11 have announcements of their own, which Orca 48 and 51
// speak as they are and show on the braille display. Before, a notification
// that shows was the way to be heard at once; Orca 43 speaks it without its
// role, Orca 48 says "notification" first.
void Announce(QAccessibleInterface* note, const QString& sentence)
{
    TellText(note->child(0), QAccessible::NameChanged, sentence);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    Tell(QAccessibleAnnouncementEvent(note, sentence));
#else
    Tell(QAccessibleEvent(note, QAccessible::ObjectShow));
#endif
}

} // namespace readers
