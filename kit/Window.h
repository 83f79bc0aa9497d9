#pragma once

#include <memory>

#include "Looper.h"
#include "Rect.h"

class BView;
class QWidget;

enum window_type {
    B_TITLED_WINDOW = 1,
};

enum {
    B_NOT_RESIZABLE = 0x00000002,
};

inline constexpr uint32 B_CURRENT_WORKSPACE = 0;

// A top-level window whose content area has the frame's size and position.
// Its hooks run on the GUI thread with the window locked.
class BWindow : public BLooper {
public:
    BWindow(BRect frame, const char* title, window_type type, uint32 flags,
        uint32 workspace = B_CURRENT_WORKSPACE);
    ~BWindow() override;

    // Shows the window at its frame's place, or where the screen shows as
    // much of it as it can, its top left corner always on the screen.
    void Show();
    void AddChild(BView* view, BView* sibling = nullptr);

    // Hides the window and deletes it once control is back in the event loop.
    void Quit() override;

private:
    friend class BMenuBar;
    friend class WindowWidget;
    // Grows the window at the top and moves its views down, but for one.
    void MakeRoomAtTop(int pixels, BView* except);
    QWidget* Widget() const;
    // Asks the window whether it agrees to close, and closes it if it does.
    bool CloseRequested();
    struct Data;
    std::unique_ptr<Data> fData;
};
