#include "x_session.h"

#include <QDir>

#include <xcb/xcb.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace xsession {

namespace {

std::unique_ptr<XServer> gServer;

// Frees an xcb reply when it goes.
template <typename Reply> std::unique_ptr<Reply, decltype(&std::free)> Owned(Reply* reply)
{
    return {reply, &std::free};
}

} // namespace

// Xvfb picks a free display and writes its number to standard output.
XServer::XServer(const std::string& screen)
{
    fServer = std::make_unique<harness::Process>(
        std::vector<std::string> {
            "Xvfb", "-displayfd", "1", "-screen", "0", screen, "-nolisten", "tcp", "-noreset"},
        Environment {}, harness::Pipes {.output = true});
    const std::optional<std::string> number = fServer->ReadLine();
    if (!number || number->empty())
        return;
    fDisplay = ":" + *number;
    // Qt complains on stderr when its runtime directory is missing or open to others.
    char dir[] = "/tmp/tavrin-e2e-XXXXXX";
    if (mkdtemp(dir))
        fRuntimeDir = dir;
    xcb_connection_t* connection = xcb_connect(fDisplay.c_str(), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return;
    }
    fConnection = connection;
}

XServer::~XServer()
{
    if (fConnection)
        xcb_disconnect(fConnection);
    fServer->Stop();
    if (!fRuntimeDir.empty())
        QDir(QString::fromStdString(fRuntimeDir)).removeRecursively();
}

Environment XServer::ClientEnvironment() const
{
    return {{"DISPLAY", fDisplay}, {"WAYLAND_DISPLAY", std::nullopt},
        {"QT_QPA_PLATFORM", std::nullopt}, {"XDG_RUNTIME_DIR", fRuntimeDir}};
}

std::string XServer::Shell(const std::string& command) const
{
    std::string output;
    FILE* pipe = popen(("DISPLAY=" + fDisplay + " " + command + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return output;
    std::array<char, 256> buffer;
    while (fgets(buffer.data(), int(buffer.size()), pipe))
        output += buffer.data();
    pclose(pipe);
    return output;
}

QImage XServer::Screenshot() const
{
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(fConnection)).data;
    const auto cookie = xcb_get_image(fConnection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, 0, 0,
        screen->width_in_pixels, screen->height_in_pixels, ~0u);
    const auto reply = Owned(xcb_get_image_reply(fConnection, cookie, nullptr));
    if (!reply)
        return QImage();
    // A 24-bit screen comes as 32-bit pixels, blue in the lowest byte.
    const QImage view(xcb_get_image_data(reply.get()), screen->width_in_pixels,
        screen->height_in_pixels, QImage::Format_RGB32);
    return view.copy();
}

uint32_t XServer::PixelAt(int x, int y) const
{
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(fConnection)).data;
    const auto cookie = xcb_get_image(
        fConnection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, int16_t(x), int16_t(y), 1, 1, ~0u);
    const auto reply = Owned(xcb_get_image_reply(fConnection, cookie, nullptr));
    uint32_t pixel = 0;
    if (reply)
        memcpy(&pixel, xcb_get_image_data(reply.get()), sizeof pixel);
    return pixel & 0xffffff;
}

unsigned XServer::Atom(const char* name) const
{
    const auto cookie = xcb_intern_atom(fConnection, 0, uint16_t(strlen(name)), name);
    const auto reply = Owned(xcb_intern_atom_reply(fConnection, cookie, nullptr));
    return reply ? reply->atom : 0;
}

void XServer::CloseLikeAWindowManager(unsigned long window) const
{
    xcb_client_message_event_t event = {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window);
    event.type = Atom("WM_PROTOCOLS");
    event.data.data32[0] = Atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(fConnection, 0, xcb_window_t(window), XCB_EVENT_MASK_NO_EVENT,
        reinterpret_cast<const char*>(&event));
    xcb_flush(fConnection);
}

QPoint XServer::Origin(unsigned long window) const
{
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(fConnection)).data;
    const auto reply = Owned(xcb_translate_coordinates_reply(fConnection,
        xcb_translate_coordinates(fConnection, xcb_window_t(window), screen->root, 0, 0), nullptr));
    return reply ? QPoint(reply->dst_x, reply->dst_y) : QPoint(-1, -1);
}

// _NET_FRAME_EXTENTS holds the frame's left, right, top and bottom widths.
QRect XServer::FrameOf(unsigned long window) const
{
    const QRect content(Origin(window), QSize(0, 0));
    const std::string extents = TextProperty(window, "_NET_FRAME_EXTENTS");
    uint32_t border[4] = {0, 0, 0, 0};
    if (extents.size() == sizeof border)
        memcpy(border, extents.data(), sizeof border);
    const auto geometry = Owned(xcb_get_geometry_reply(
        fConnection, xcb_get_geometry(fConnection, xcb_window_t(window)), nullptr));
    const QSize size = geometry ? QSize(geometry->width, geometry->height) : QSize();
    return QRect(content.topLeft(), size)
        .adjusted(-int(border[0]), -int(border[2]), int(border[1]), int(border[3]));
}

bool XServer::HasWindowManager() const
{
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(fConnection)).data;
    return !TextProperty(screen->root, "_NET_SUPPORTING_WM_CHECK").empty();
}

std::string XServer::TextProperty(unsigned long window, const char* name) const
{
    const auto cookie = xcb_get_property(
        fConnection, 0, xcb_window_t(window), Atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
    const auto reply = Owned(xcb_get_property_reply(fConnection, cookie, nullptr));
    if (!reply)
        return "";
    const char* data = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(data, size_t(xcb_get_property_value_length(reply.get())));
}

// Pop-ups are mapped override-redirect windows, children of the root even
// under a window manager. WM_CLASS holds the instance and then the class.
int XServer::PopupsShowing(const std::string& windowClass) const
{
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(fConnection)).data;
    const auto tree = Owned(
        xcb_query_tree_reply(fConnection, xcb_query_tree(fConnection, screen->root), nullptr));
    if (!tree)
        return 0;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    int showing = 0;
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); i++) {
        const auto attributes = Owned(xcb_get_window_attributes_reply(
            fConnection, xcb_get_window_attributes(fConnection, children[i]), nullptr));
        if (!attributes || !attributes->override_redirect
            || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
            continue;
        const std::string names = TextProperty(children[i], "WM_CLASS");
        showing += names.find('\0' + windowClass + '\0') != std::string::npos;
    }
    return showing;
}

WindowManager::WindowManager(const XServer& server)
    : fOpenbox({"openbox", "--sm-disable"}, server.ClientEnvironment())
{
    fRunning = WaitFor([&] { return server.HasWindowManager(); });
}

bool StartServer()
{
    gServer = std::make_unique<XServer>();
    if (!gServer->Running())
        return false;
    for (const auto& [name, value] : gServer->ClientEnvironment()) {
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }
    return true;
}

void StopServer()
{
    gServer.reset();
}

XServer& Server()
{
    return *gServer;
}

std::string Shell(const std::string& command)
{
    return Server().Shell(command);
}

uint32_t PixelAt(int x, int y)
{
    return Server().PixelAt(x, y);
}

std::vector<std::string> AboutBoxes()
{
    std::istringstream ids(
        Shell("xdotool search --onlyvisible --name '^Tavrin " TAVRIN_VERSION "$'"));
    std::vector<std::string> boxes;
    for (std::string id; std::getline(ids, id);)
        boxes.push_back(id);
    return boxes;
}

std::string WaitForAboutBox()
{
    std::vector<std::string> boxes;
    WaitFor([&] { return !(boxes = AboutBoxes()).empty(); });
    return boxes.empty() ? "" : boxes.front();
}

namespace {

std::vector<std::string> GameCommand()
{
    const char* wrapper = std::getenv("TAVRIN_WRAPPER");
    if (wrapper && *wrapper)
        return {"/bin/sh", "-c", std::string("exec ") + wrapper + " " + TAVRIN_BINARY};
    return {TAVRIN_BINARY};
}

} // namespace

Game::Game(const Environment& changes)
    : harness::Process(GameCommand(), changes)
{
}

} // namespace xsession
