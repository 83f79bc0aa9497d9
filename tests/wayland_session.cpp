#include "wayland_session.h"

#include <QDir>

#include <cstdlib>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace wsession {

namespace {

constexpr const char* kSocket = "tavrin-test";

} // namespace

Compositor::Compositor()
{
    char dir[] = "/tmp/tavrin-weston-XXXXXX";
    if (!mkdtemp(dir))
        return;
    fDir = dir;
    fPid = fork();
    if (fPid == 0) {
        const int log = open((fDir + "/weston.log").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(log, 1);
        dup2(log, 2);
        setenv("XDG_RUNTIME_DIR", fDir.c_str(), 1);
        unsetenv("WAYLAND_DISPLAY");
        // --debug lets weston-screenshooter take pictures.
        execlp("weston", "weston", "--backend=headless-backend.so", "--use-pixman",
            (std::string("--socket=") + kSocket).c_str(), "--width=1024", "--height=768",
            "--idle-time=0", "--debug", static_cast<char*>(nullptr));
        _exit(127);
    }
    const std::string socket = fDir + "/" + kSocket;
    struct stat info;
    fRunning = xsession::WaitFor([&] { return stat(socket.c_str(), &info) == 0; });
}

Compositor::~Compositor()
{
    if (fPid > 0) {
        kill(fPid, SIGTERM);
        waitpid(fPid, nullptr, 0);
    }
    if (!fDir.empty())
        QDir(QString::fromStdString(fDir)).removeRecursively();
}

xsession::Environment Compositor::ClientEnvironment() const
{
    return {{"XDG_RUNTIME_DIR", fDir}, {"WAYLAND_DISPLAY", std::string(kSocket)}};
}

QImage Compositor::Screenshot() const
{
    const std::string shots = fDir + "/shots";
    QDir(QString::fromStdString(shots)).removeRecursively();
    QDir().mkpath(QString::fromStdString(shots));
    xsession::Shell("cd " + shots + " && XDG_RUNTIME_DIR=" + fDir + " WAYLAND_DISPLAY=" + kSocket
        + " weston-screenshooter");
    const QStringList taken = QDir(QString::fromStdString(shots)).entryList({"*.png"});
    return taken.isEmpty() ? QImage() : QImage(QString::fromStdString(shots) + "/" + taken.first());
}

} // namespace wsession
