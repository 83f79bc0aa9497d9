#include "MenuItem.h"

#include <QAction>

#include "Menu.h"
#include "MenuBar.h"
#include "Message.h"
#include "Window.h"

BMenuItem::BMenuItem(const char* label, BMessage* message, char shortcut, uint32)
    : fMessage(message)
    , fAction(new QAction(QString::fromUtf8(label)))
{
    // The Command key is Ctrl on this platform; it is implied for every shortcut.
    if (shortcut)
        fAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(QChar(shortcut).toUpper().unicode())));
    QObject::connect(fAction.get(), &QAction::triggered, [this] { Invoke(); });
}

BMenuItem::~BMenuItem() = default;

void BMenuItem::Invoke()
{
    if (!fMessage || !fMenu || !fMenu->fBar)
        return;
    BWindow* window = fMenu->fBar->Window();
    if (window)
        window->PostMessage(new BMessage(*fMessage));
}
