#pragma once

#include <Window.h>

class BMenu;
class BMenuBar;
class tavview;

// The game's one window: the board view over the whole content area, with
// the menu bar inside the view along its top.
class tavwindow : public BWindow {
public:
    explicit tavwindow(BRect frame);
    ~tavwindow() override;

    void MessageReceived(BMessage* message) override;
    bool QuitRequested() override;

    void BuildMenuBar(BRect frame);

    tavview* boardView;
    BMenuBar* menuBar;

private:
    static void AddMenuItem(BMenu* menu, const char* label, char shortcut, uint32 code);
};
