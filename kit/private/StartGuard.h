#pragma once

// Qt explains a window system that cannot start in several lines and then
// aborts. While the application object starts Qt, a StartGuard holds Qt's
// messages back; should Qt give up, the program ends with status 1 and one
// line that says which display it could not open. Once Qt is up, the held
// messages go out as Qt meant them to, and so do all that follow, but for
// the few that no one can act on. Qt's own message handler can only print or
// drop a message as it comes; it cannot wait to learn whether Qt gave up.
class StartGuard {
public:
    StartGuard();
    ~StartGuard();

    // Gives up the same way where the window system started without a screen
    // to show windows on, as a frame buffer without a device does.
    void RequireScreen();
    StartGuard(const StartGuard&) = delete;
    StartGuard& operator=(const StartGuard&) = delete;
};
