#include "StartGuard.h"

#include <QByteArray>
#include <QFileInfo>
#include <QGuiApplication>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct HeldMessage {
    QtMsgType type;
    const char* category; // Qt's categories are static strings
    QString text;
};

QtMessageHandler gPrevious = nullptr;
std::vector<HeldMessage> gHeld;

// What Qt says that neither the player nor the program can do anything
// about, by how it begins. Each was seen on the Qt named; Qt 6.4, 6.8 and
// 6.11 all still have the words.
constexpr std::string_view kNoise[] = {
    // Qt 6.8, for the events Orca 48 (as Debian 13 first shipped it) asks
    // for that Qt never sends ("Window:Destroy:").
    "Subscription string not handled",
    // Qt 6.4, when a screen reader is slow to answer a key (the key then goes
    // to the window all the same), and when the answer comes.
    "QSpiApplication::keyEventError",
    "QSpiApplication::notifyKeyboardListenerCallback",
    // Qt 6.8 and 6.11, when a screen reader asks after an object that has
    // gone, as the window closes.
    "Could not find accessible on path",
    // Qt 6.11, when AT-SPI 2.62 asks for the application's own bus, which the
    // bridge does not offer; readers reach the program on the accessibility
    // bus all the same.
    "AtSpiAdaptor::applicationInterface does not implement",
};

bool IsNoise(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    const std::string_view said(utf8.constData(), size_t(utf8.size()));
    for (std::string_view noise : kNoise) {
        if (said.starts_with(noise))
            return true;
    }
    return false;
}

// Once Qt is up, its messages go out as Qt meant them to, less the noise.
void Pass(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!IsNoise(text))
        gPrevious(type, context, text);
}

// The window systems Qt tries, as it chooses them: those named in
// QT_QPA_PLATFORM, or else Wayland where a compositor is announced and X11
// where a display is.
QList<QByteArray> Candidates()
{
    QList<QByteArray> names;
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    if (!chosen.isEmpty()) {
        for (const QByteArray& entry : chosen.split(';'))
            names << entry.split(':').first();
        return names;
    }
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland")
        names << "wayland";
    if (qEnvironmentVariableIsSet("DISPLAY"))
        names << "xcb";
    return names;
}

std::string WaylandSocket()
{
    QByteArray name = qgetenv("WAYLAND_DISPLAY");
    if (name.isEmpty())
        name = "wayland-0";
    if (name.startsWith('/'))
        return name.toStdString();
    const QByteArray dir = qgetenv("XDG_RUNTIME_DIR");
    if (dir.isEmpty() || !QFileInfo(QString::fromLocal8Bit(dir)).isDir())
        return name.toStdString() + " (XDG_RUNTIME_DIR is not a directory)";
    return (dir + '/' + name).toStdString();
}

std::string Missing(const QByteArray& platform)
{
    if (platform == "xcb") {
        const QByteArray display = qgetenv("DISPLAY");
        return display.isEmpty() ? "DISPLAY is not set" : "no X server at " + display.toStdString();
    }
    if (platform.startsWith("wayland"))
        return "no Wayland compositor at " + WaylandSocket();
    return "the window system \"" + platform.toStdString() + "\" of QT_QPA_PLATFORM did not start";
}

// What the program could not reach, in the terms of the environment Qt went by.
std::string MissingDisplay()
{
    const QList<QByteArray> tried = Candidates();
    if (tried.isEmpty())
        return "neither DISPLAY nor WAYLAND_DISPLAY is set";
    std::string missing;
    for (const QByteArray& platform : tried)
        missing += (missing.empty() ? "" : " and ") + Missing(platform);
    return missing;
}

[[noreturn]] void GiveUp(const std::string& missing)
{
    std::fprintf(
        stderr, "%s: cannot open display: %s\n", program_invocation_short_name, missing.c_str());
    std::_Exit(1);
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg)
        GiveUp(MissingDisplay());
    gHeld.push_back({type, context.category, text});
}

} // namespace

StartGuard::StartGuard()
{
    const QtMessageHandler previous = qInstallMessageHandler(Hold);
    if (previous != Pass)
        gPrevious = previous;
}

void StartGuard::RequireScreen()
{
    if (!QGuiApplication::primaryScreen())
        GiveUp("the window system \"" + QGuiApplication::platformName().toStdString()
            + "\" has no screen");
}

StartGuard::~StartGuard()
{
    qInstallMessageHandler(Pass);
    for (const HeldMessage& held : gHeld) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category);
        Pass(held.type, context, held.text);
    }
    gHeld.clear();
}
