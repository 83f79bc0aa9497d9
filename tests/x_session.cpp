#include "x_session.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace xsession {

namespace {

pid_t gServer = -1;
xcb_connection_t* gConnection = nullptr;

std::string ReadDisplayNumber(int fd)
{
    std::string number;
    char c;
    while (read(fd, &c, 1) == 1 && c != '\n')
        number += c;
    return number;
}

// Qt complains on stderr when its runtime directory is missing or open to others.
void PrepareRuntimeDir()
{
    char dir[] = "/tmp/tavrin-e2e-XXXXXX";
    if (mkdtemp(dir))
        setenv("XDG_RUNTIME_DIR", dir, 1);
}

} // namespace

bool StartServer()
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    gServer = fork();
    if (gServer == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
            "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    const std::string number = ReadDisplayNumber(fds[0]);
    close(fds[0]);
    if (number.empty())
        return false;
    setenv("DISPLAY", (":" + number).c_str(), 1);
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("QT_QPA_PLATFORM");
    PrepareRuntimeDir();
    gConnection = xcb_connect(nullptr, nullptr);
    return xcb_connection_has_error(gConnection) == 0;
}

void StopServer()
{
    if (gConnection)
        xcb_disconnect(gConnection);
    if (gServer > 0) {
        kill(gServer, SIGTERM);
        waitpid(gServer, nullptr, 0);
    }
}

std::string Shell(const std::string& command)
{
    std::string output;
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return output;
    std::array<char, 256> buffer;
    while (fgets(buffer.data(), int(buffer.size()), pipe))
        output += buffer.data();
    pclose(pipe);
    return output;
}

// A slow wrapper around the game, such as valgrind, needs longer waits.
int TimeoutScale()
{
    const char* scale = getenv("TAVRIN_E2E_TIMEOUT_SCALE");
    return scale ? std::max(1, atoi(scale)) : 1;
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout * TimeoutScale();
    while (std::chrono::steady_clock::now() < end) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return condition();
}

uint32_t PixelAt(int x, int y)
{
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(gConnection)).data;
    const auto cookie = xcb_get_image(
        gConnection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, int16_t(x), int16_t(y), 1, 1, ~0u);
    xcb_get_image_reply_t* reply = xcb_get_image_reply(gConnection, cookie, nullptr);
    uint32_t pixel = 0;
    if (reply) {
        memcpy(&pixel, xcb_get_image_data(reply), sizeof pixel);
        free(reply);
    }
    return pixel & 0xffffff;
}

Shot::Shot()
{
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(gConnection)).data;
    const auto cookie = xcb_get_image(gConnection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, 0, 0,
        screen->width_in_pixels, screen->height_in_pixels, ~0u);
    xcb_get_image_reply_t* reply = xcb_get_image_reply(gConnection, cookie, nullptr);
    if (!reply)
        return;
    // A 24-bit screen comes as 32-bit pixels, blue in the lowest byte.
    const QImage view(xcb_get_image_data(reply), screen->width_in_pixels, screen->height_in_pixels,
        QImage::Format_RGB32);
    fImage = view.copy();
    free(reply);
}

namespace {

xcb_atom_t Atom(const char* name)
{
    const auto cookie = xcb_intern_atom(gConnection, 0, uint16_t(strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(gConnection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : 0;
    free(reply);
    return atom;
}

} // namespace

void CloseLikeAWindowManager(unsigned long window)
{
    xcb_client_message_event_t event = {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window);
    event.type = Atom("WM_PROTOCOLS");
    event.data.data32[0] = Atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(gConnection, 0, xcb_window_t(window), XCB_EVENT_MASK_NO_EVENT,
        reinterpret_cast<const char*>(&event));
    xcb_flush(gConnection);
}

std::string TextProperty(unsigned long window, const char* name)
{
    const auto cookie = xcb_get_property(
        gConnection, 0, xcb_window_t(window), Atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(gConnection, cookie, nullptr);
    std::string value;
    if (reply) {
        const char* data = static_cast<const char*>(xcb_get_property_value(reply));
        value.assign(data, size_t(xcb_get_property_value_length(reply)));
        free(reply);
    }
    return value;
}

Game::Game(const Environment& changes)
{
    char path[] = "/tmp/tavrin-stderr-XXXXXX";
    const int fd = mkstemp(path);
    fStderrPath = path;
    fPid = fork();
    if (fPid == 0) {
        dup2(fd, 2);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 1);
        for (const auto& [name, value] : changes) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
        // TAVRIN_WRAPPER runs the game under another program, valgrind for one.
        const char* wrapper = getenv("TAVRIN_WRAPPER");
        if (wrapper && *wrapper) {
            const std::string command = std::string("exec ") + wrapper + " " + TAVRIN_BINARY;
            execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        } else {
            execl(TAVRIN_BINARY, "tavrin", static_cast<char*>(nullptr));
        }
        _exit(127);
    }
    close(fd);
}

Game::~Game()
{
    if (!fExited && fPid > 0) {
        kill(fPid, SIGKILL);
        waitpid(fPid, nullptr, 0);
    }
    unlink(fStderrPath.c_str());
}

bool Game::WaitExit(int* status, std::chrono::milliseconds timeout)
{
    const bool ended = WaitFor(
        [&] {
            int raw = 0;
            if (waitpid(fPid, &raw, WNOHANG) != fPid)
                return false;
            *status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
            return true;
        },
        timeout);
    fExited = ended;
    return ended;
}

std::string Game::Stderr() const
{
    std::ifstream in(fStderrPath);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace xsession
