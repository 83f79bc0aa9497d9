#pragma once

#include <GraphicsDefs.h>
#include <Window.h>

class BMenu;
class BMenuBar;
class tavview;

// Where the window first stands on the screen; the board view fills its
// content area, and the menu bar lies over the view's top rows.
inline constexpr BRect kWindowFrame(100, 100, 680, 440);
inline constexpr BRect kMenuBarFrame(0, 0, 580, 19);
// What shows of the view before it first draws.
inline constexpr rgb_color kViewColor = {100, 100, 100, 255};

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
