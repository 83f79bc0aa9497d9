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
#include <vector>

namespace {

struct HeldMessage {
    QtMsgType type;
    const char* category; // Qt's categories are static strings
    QString text;
};

QtMessageHandler gPrevious = nullptr;
std::vector<HeldMessage> gHeld;

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

// What the game could not reach, in the terms of the environment Qt went by.
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
    gPrevious = qInstallMessageHandler(Hold);
}

void StartGuard::RequireScreen()
{
    if (!QGuiApplication::primaryScreen())
        GiveUp("the window system \"" + QGuiApplication::platformName().toStdString()
            + "\" has no screen");
}

StartGuard::~StartGuard()
{
    qInstallMessageHandler(gPrevious);
    for (const HeldMessage& held : gHeld) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category);
        qt_message_output(held.type, context, held.text);
    }
    gHeld.clear();
}
