#pragma once

// X servers of the tests' own (Xvfb), the game started in one, and what the
// screen shows, read back through xcb. Real input goes through xdotool.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "process.h"

struct xcb_connection_t;

namespace xsession {

using harness::Environment;
using harness::WaitFor;
using namespace std::chrono_literals;

// F10 by its key code, as a keyboard sends it. Newer keymaps (xkeyboard-config
// on Debian testing) let Alt alone reach the function keys' first level, and
// xdotool, which types a key with the first modifiers that reach its level,
// would hold Alt down with F10 named.
inline const std::string kF10 = "76";

class XServer {
public:
    // A screen of this size and depth; Running() tells whether it came up.
    explicit XServer(const std::string& screen = "1024x768x24");
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    bool Running() const { return fConnection != nullptr; }
    const std::string& Display() const { return fDisplay; }
    // What a client needs to show on this server and nowhere else.
    Environment ClientEnvironment() const;

    // Runs a shell command, xdotool say, on this server and returns what it
    // printed.
    std::string Shell(const std::string& command) const;

    QImage Screenshot() const;
    // One pixel as 0xRRGGBB, cheaper to poll than a whole screenshot.
    uint32_t PixelAt(int x, int y) const;

    // Sends WM_DELETE_WINDOW to a window, as a window manager does when the
    // user closes it.
    void CloseLikeAWindowManager(unsigned long window) const;
    // Where a window's top left corner lies on the screen, frame excluded.
    QPoint Origin(unsigned long window) const;
    // A window with the frame its window manager gives it, on the screen.
    QRect FrameOf(unsigned long window) const;
    // Whether a window manager runs, by the EWMH check window it announces.
    bool HasWindowManager() const;
    // A text property of a window, such as WM_CLASS; empty when it has none.
    std::string TextProperty(unsigned long window, const char* name) const;
    // The menus and other pop-ups of a program that show now, found by the
    // class of their windows.
    int PopupsShowing(const std::string& windowClass) const;

private:
    unsigned Atom(const char* name) const;

    std::unique_ptr<harness::Process> fServer;
    std::string fDisplay;
    std::string fRuntimeDir;
    xcb_connection_t* fConnection = nullptr;
};

// Openbox managing a server's windows for as long as this lives.
class WindowManager {
public:
    explicit WindowManager(const XServer& server);
    bool Running() const { return fRunning; }

private:
    harness::Process fOpenbox;
    bool fRunning = false;
};

// The server that the end-to-end tests share; DISPLAY points at it.
bool StartServer();
void StopServer();
XServer& Server();

// Shorthands for the shared server.
std::string Shell(const std::string& command);
uint32_t PixelAt(int x, int y);

// The game's about boxes on screen, and the first to show within the usual
// wait; empty if none did.
std::vector<std::string> AboutBoxes();
std::string WaitForAboutBox();

// The whole screen at one moment.
class Shot {
public:
    explicit Shot(const XServer& server = Server())
        : fImage(server.Screenshot())
    {
    }
    QColor At(int x, int y) const { return fImage.pixelColor(x, y); }
    const QImage& Image() const { return fImage; }

private:
    QImage fImage;
};

// The game as a child process, run under TAVRIN_WRAPPER where that is set
// (valgrind, say), in the test's environment with these changes.
class Game : public harness::Process {
public:
    explicit Game(const Environment& changes = {});
};

} // namespace xsession
