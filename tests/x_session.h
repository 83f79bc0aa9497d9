#pragma once

// An X server of the tests' own (Xvfb), the game started in it, real input
// through xdotool and the screen read back through xcb.

#include <QColor>
#include <QImage>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

struct xcb_connection_t;

namespace xsession {

// Starts Xvfb on a free display and points DISPLAY at it; false when it fails.
bool StartServer();
void StopServer();

// Runs a command with the test's environment and returns what it printed.
std::string Shell(const std::string& command);

// Waits up to the timeout for the condition, checking it every 20 ms.
bool WaitFor(const std::function<bool()>& condition,
    std::chrono::milliseconds timeout = std::chrono::seconds(10));

// One screen pixel as 0xRRGGBB, cheaper to poll than a whole Shot.
uint32_t PixelAt(int x, int y);

// The whole screen at one moment.
class Shot {
public:
    Shot();
    QColor At(int x, int y) const { return fImage.pixelColor(x, y); }
    const QImage& Image() const { return fImage; }

private:
    QImage fImage;
};

// Sends WM_DELETE_WINDOW to a window, as a window manager does when the user
// closes it.
void CloseLikeAWindowManager(unsigned long window);

// A text property of a window, such as WM_CLASS; empty when it has none.
std::string TextProperty(unsigned long window, const char* name);

// Settings of environment variables for a child process; an absent value
// removes the variable.
using Environment = std::vector<std::pair<std::string, std::optional<std::string>>>;

// The game as a child process, with its standard error kept in a file.
class Game {
public:
    // Starts the game in the test's environment with these changes made.
    explicit Game(const Environment& changes = {});
    ~Game();

    // Waits for the process to end; true with its exit status when it did.
    bool WaitExit(int* status, std::chrono::milliseconds timeout = std::chrono::seconds(10));
    std::string Stderr() const;
    pid_t Pid() const { return fPid; }

private:
    pid_t fPid = -1;
    std::string fStderrPath;
    bool fExited = false;
};

} // namespace xsession
