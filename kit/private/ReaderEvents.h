#pragma once

// What screen readers hear of changes to the things a view lists.

#include <QAccessible>
#include <QString>

#include <string>

namespace readers {

// The program's texts are UTF-8.
inline QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Tells readers that an object's name or description is now this text.
void TellText(QAccessibleInterface* object, QAccessible::Event change, const QString& text);

// Tells readers that an object's name or description has changed, without
// what it is now: they read it afresh when they next need it, and say
// nothing now. For the object in focus, whose news the view tells itself.
void TellChanged(QAccessibleInterface* object, QAccessible::Event change);

// Tells readers that an object no longer has the focus, where nothing else
// has the focus that Qt would tell them of.
void TellFocusGone(QAccessibleInterface* object);

// Tells readers a sentence, which they speak at once, whatever has the
// focus; the note, a notification, keeps it as the name of its one child.
void Announce(QAccessibleInterface* note, const QString& sentence);

} // namespace readers
