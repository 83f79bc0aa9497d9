#include "Application.h"

#include <QApplication>
#include <QByteArray>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <xcb/xcb.h>

#include "AppDefs.h"
#include "FontFace.h"
#include "Message.h"
#include "Window.h"

BApplication* be_app = nullptr;

namespace {

// Qt aborts when its platform cannot start; check the X display first so that
// a missing display is a plain error. Other platforms chosen through
// QT_QPA_PLATFORM, and Wayland sessions, are left to Qt.
bool DisplayAvailable()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool ok = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return ok;
}

// The four-character code and the program's name make a reverse-DNS style
// id in the manner of the signature's "application/x-vnd.<code>" tradition:
// "x-vnd.dcwt.tavrin". The desktop entry and AppStream files carry it.
QString DesktopId(uint32 signature)
{
    const char code[5]
        = {char(signature >> 24), char(signature >> 16), char(signature >> 8), char(signature), 0};
    return QStringLiteral("x-vnd.%1.%2")
        .arg(QString::fromLatin1(code), QString::fromLocal8Bit(program_invocation_short_name));
}

} // namespace

struct BApplication::Data {
    // Qt keeps references to these for the application's whole life. It is
    // given the program's name and nothing else to parse.
    int argc = 1;
    char* argv[2] = {program_invocation_short_name, nullptr};
    QApplication app {argc, argv};
    // Declared after the application, so the fonts go first.
    FontFace::Faces faces;
};

BApplication::BApplication(uint32 signature)
    : BLooper("application")
{
    if (!DisplayAvailable()) {
        std::fprintf(stderr, "%s: cannot open display\n", program_invocation_short_name);
        std::exit(1);
    }
    fData.reset(new Data);
    QGuiApplication::setDesktopFileName(DesktopId(signature));
    QGuiApplication::setQuitOnLastWindowClosed(false);
    be_app = this;
}

BApplication::~BApplication()
{
    while (!fWindows.empty())
        delete fWindows.back();
    be_app = nullptr;
}

void BApplication::Run()
{
    fQuitting = false;
    QApplication::exec();
    // Windows that quit are deleted from the queue; finish that before returning.
    QCoreApplication::sendPostedEvents();
}

bool BApplication::QuitRequested()
{
    const std::vector<BWindow*> windows = fWindows;
    for (BWindow* window : windows) {
        window->Lock();
        const bool agreed = window->QuitRequested();
        window->Unlock();
        if (!agreed)
            return false;
        window->Quit();
    }
    return true;
}

void BApplication::Quit()
{
    QCoreApplication::quit();
}

void BApplication::DispatchMessage(BMessage* message)
{
    // Windows asked to quit may ask the application again; that request is
    // already being answered.
    if (message->what == B_QUIT_REQUESTED) {
        if (fQuitting)
            return;
        fQuitting = true;
        if (QuitRequested())
            Quit();
        else
            fQuitting = false;
        return;
    }
    BLooper::DispatchMessage(message);
}

void BApplication::AddWindow(BWindow* window)
{
    fWindows.push_back(window);
}

void BApplication::RemoveWindow(BWindow* window)
{
    std::erase(fWindows, window);
}
