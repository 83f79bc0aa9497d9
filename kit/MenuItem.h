#pragma once

#include <memory>
#include <string>

#include "SupportDefs.h"

class BMenu;
class BMessage;
class QAction;

inline constexpr uint32 B_COMMAND_KEY = 0x00000001;

// A menu command. Choosing it, or pressing its character with the Command
// key (Ctrl here), posts a copy of its message to the window.
class BMenuItem {
public:
    BMenuItem(const char* label, BMessage* message, char shortcut = 0, uint32 modifiers = 0);
    virtual ~BMenuItem();

    const char* Label() const { return fLabel.c_str(); }
    BMessage* Message() const { return fMessage.get(); }
    char Shortcut() const { return fShortcut; }

private:
    friend class BMenu;
    friend struct KitAccess;
    void Invoke();

    std::string fLabel;
    std::unique_ptr<BMessage> fMessage;
    std::unique_ptr<QAction> fAction;
    BMenu* fMenu = nullptr;
    char fShortcut;
};
