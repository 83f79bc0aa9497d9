#include "reader_session.h"

#include <QJsonDocument>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace xsession {

namespace {

// Runs a program with its standard output on a pipe and standard error gone;
// returns its process id, -1 when it could not start.
pid_t Spawn(const char* const argv[], int* output, int* input = nullptr, const char* bus = nullptr)
{
    int out[2], in[2];
    if (pipe(out) != 0 || (input && pipe(in) != 0))
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_RDWR);
        dup2(input ? in[0] : null, 0);
        dup2(out[1], 1);
        dup2(null, 2);
        if (bus)
            setenv("DBUS_SESSION_BUS_ADDRESS", bus, 1);
        execvp(argv[0], const_cast<char* const*>(argv));
        _exit(127);
    }
    close(out[1]);
    *output = out[0];
    if (input) {
        close(in[0]);
        *input = in[1];
    }
    return pid;
}

std::string ReadLine(FILE* stream)
{
    std::string line;
    for (int c; (c = fgetc(stream)) != EOF && c != '\n';)
        line += char(c);
    return line;
}

void Stop(pid_t pid)
{
    if (pid > 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
}

} // namespace

ScreenReader::ScreenReader()
{
    int busOut = -1;
    const char* bus[] = {"dbus-daemon", "--session", "--nofork", "--print-address=1", nullptr};
    fBus = Spawn(bus, &busOut);
    if (fBus < 0)
        return;
    FILE* address = fdopen(busOut, "r");
    fAddress = ReadLine(address);
    fclose(address);
    int answers = -1, commands = -1;
    const char* reader[] = {"/usr/bin/python3", SCREEN_READER, nullptr};
    fReader = Spawn(reader, &answers, &commands, fAddress.c_str());
    fAnswers = fdopen(answers, "r");
    fCommands = fdopen(commands, "w");
    // The reader says it is ready once it listens.
    if (fAddress.empty() || fReader < 0 || !Answer().value("ready").toBool()) {
        Stop(fReader);
        fReader = -1;
    }
}

ScreenReader::~ScreenReader()
{
    if (fCommands) {
        fputs("quit\n", fCommands);
        fclose(fCommands);
    }
    if (fAnswers)
        fclose(fAnswers);
    Stop(fReader);
    Stop(fBus);
}

Environment ScreenReader::GameEnvironment() const
{
    return {{"DBUS_SESSION_BUS_ADDRESS", fAddress}, {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1"}};
}

QJsonObject ScreenReader::Read()
{
    if (fReader <= 0)
        return {};
    fputs("read\n", fCommands);
    fflush(fCommands);
    return Answer();
}

QJsonObject ScreenReader::Answer()
{
    const std::string line = ReadLine(fAnswers);
    return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
}

} // namespace xsession
