#pragma once

#include <memory>

#include "SupportDefs.h"

class BMenu;
class BMessage;
class QAction;

// A menu command. Choosing it, or pressing its character with the Command
// key (Ctrl here), posts a copy of its message to the window.
class BMenuItem {
public:
    BMenuItem(const char* label, BMessage* message, char shortcut = 0, uint32 modifiers = 0);
    virtual ~BMenuItem();

    BMessage* Message() const { return fMessage.get(); }

private:
    friend class BMenu;
    void Invoke();

    std::unique_ptr<BMessage> fMessage;
    std::unique_ptr<QAction> fAction;
    BMenu* fMenu = nullptr;
};
