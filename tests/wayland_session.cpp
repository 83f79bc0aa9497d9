#include "wayland_session.h"

#include <QDir>

#include <cstdlib>
#include <sys/stat.h>

namespace wsession {

namespace {

constexpr const char* kSocket = "tavrin-test";

} // namespace

// --debug lets weston-screenshooter take pictures.
Compositor::Compositor()
{
    char dir[] = "/tmp/tavrin-weston-XXXXXX";
    if (!mkdtemp(dir))
        return;
    fDir = dir;
    fWeston = std::make_unique<harness::Process>(
        std::vector<std::string> {"weston", "--backend=headless-backend.so", "--use-pixman",
            std::string("--socket=") + kSocket, "--width=1024", "--height=768", "--idle-time=0",
            "--debug"},
        harness::Environment {{"XDG_RUNTIME_DIR", fDir}, {"WAYLAND_DISPLAY", std::nullopt}});
    const std::string socket = fDir + "/" + kSocket;
    struct stat info;
    fRunning = harness::WaitFor([&] { return stat(socket.c_str(), &info) == 0; });
}

Compositor::~Compositor()
{
    fWeston.reset();
    if (!fDir.empty())
        QDir(QString::fromStdString(fDir)).removeRecursively();
}

harness::Environment Compositor::ClientEnvironment() const
{
    return {{"XDG_RUNTIME_DIR", fDir}, {"WAYLAND_DISPLAY", std::string(kSocket)}};
}

QImage Compositor::Screenshot() const
{
    const QString shots = QString::fromStdString(fDir + "/shots");
    QDir(shots).removeRecursively();
    QDir().mkpath(shots);
    harness::Process shooter(
        {"sh", "-c", "cd " + shots.toStdString() + " && exec weston-screenshooter"},
        ClientEnvironment());
    int status = 0;
    if (!shooter.WaitExit(&status) || status != 0)
        return QImage();
    const QStringList taken = QDir(shots).entryList({"*.png"});
    return taken.isEmpty() ? QImage() : QImage(shots + "/" + taken.first());
}

} // namespace wsession
