#pragma once

// What screen readers hear of changes to the things a view lists.

#include <QAccessible>
#include <QString>

#include <string>

namespace readers {

// The game's texts are UTF-8.
inline QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Tells readers that an object's name or description is now this text. Over
// AT-SPI, Qt's own event names the object where the new text belongs, and a
// reader that speaks what the event carries then fails on it; this event
// carries the text, on the connection Qt's bridge talks on.
void TellText(QAccessibleInterface* object, QAccessible::Event change, const QString& text);

// Tells readers that an object has just shown: a notification showing is
// spoken at once, whatever has the focus.
void TellShown(QAccessibleInterface* object);

} // namespace readers
