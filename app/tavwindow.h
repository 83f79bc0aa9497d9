#pragma once

#include <Window.h>

#include "layout.h"

class BMenu;
class BMenuBar;
class tavview;

// The window first stands 100 pixels in from the screen's top left corner,
// its content area as large as the board view that fills it; the menu bar
// lies over the view's top rows.
inline constexpr BRect kWindowFrame(
    100, 100, float(100 + kViewBounds.right), float(100 + kViewBounds.bottom));
inline constexpr BRect kMenuBarFrame(0, 0, float(kViewBounds.right), 19);

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
