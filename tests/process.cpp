#include "process.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace harness {

namespace {

using Clock = std::chrono::steady_clock;

int TimeoutScale()
{
    const char* scale = std::getenv("TAVRIN_E2E_TIMEOUT_SCALE");
    return scale ? std::max(1, std::atoi(scale)) : 1;
}

// In the child, between fork and exec. The tests run on one thread, so
// setting the environment here is safe.
[[noreturn]] void Exec(
    char* const* argv, const Environment& changes, int input, int output, int errors)
{
    // A test that dies takes its children with it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    dup2(input, 0);
    dup2(output, 1);
    dup2(errors, 2);
    for (const auto& [name, value] : changes) {
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }
    execvp(argv[0], argv);
    _exit(127);
}

} // namespace

Milliseconds Scaled(Milliseconds timeout)
{
    return timeout * TimeoutScale();
}

bool WaitFor(const std::function<bool()>& condition, Milliseconds timeout)
{
    const auto end = Clock::now() + Scaled(timeout);
    while (Clock::now() < end) {
        if (condition())
            return true;
        std::this_thread::sleep_for(20ms);
    }
    return condition();
}

// Every descriptor is opened close-on-exec, so that a child keeps only its
// own three: a reader never waits on a pipe that another child holds open.
Process::Process(const std::vector<std::string>& command, const Environment& changes, Pipes pipes)
{
    char path[] = "/tmp/tavrin-stderr-XXXXXX";
    const int errors = mkostemp(path, O_CLOEXEC);
    fStderrPath = path;
    const int null = open("/dev/null", O_RDWR | O_CLOEXEC);
    int in[2] = {null, -1}, out[2] = {-1, null};
    if ((pipes.input && pipe2(in, O_CLOEXEC) != 0) || (pipes.output && pipe2(out, O_CLOEXEC) != 0))
        return;
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    fPid = fork();
    if (fPid == 0)
        Exec(argv.data(), changes, in[0], out[1], errors);
    close(errors);
    close(null);
    if (pipes.input) {
        close(in[0]);
        fInput = in[1];
    }
    if (pipes.output) {
        close(out[1]);
        fOutput = out[0];
    }
}

Process::~Process()
{
    Stop();
    CloseInput();
    if (fOutput >= 0)
        close(fOutput);
    unlink(fStderrPath.c_str());
}

bool Process::Reap(bool wait)
{
    if (fEnded || fPid <= 0)
        return true;
    int raw = 0;
    if (waitpid(fPid, &raw, wait ? 0 : WNOHANG) != fPid)
        return false;
    fStatus = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    fEnded = true;
    return true;
}

bool Process::Running()
{
    return fPid > 0 && !Reap(false);
}

std::optional<std::string> Process::ReadLine(Milliseconds timeout)
{
    const auto end = Clock::now() + Scaled(timeout);
    for (;;) {
        if (const size_t newline = fPending.find('\n'); newline != std::string::npos) {
            std::string line = fPending.substr(0, newline);
            fPending.erase(0, newline + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<Milliseconds>(end - Clock::now());
        pollfd ready = {fOutput, POLLIN, 0};
        if (fOutput < 0 || left.count() <= 0 || poll(&ready, 1, int(left.count())) <= 0)
            return std::nullopt;
        char buffer[4096];
        const ssize_t got = read(fOutput, buffer, sizeof buffer);
        if (got <= 0)
            return std::nullopt;
        fPending.append(buffer, size_t(got));
    }
}

bool Process::Write(const std::string& text)
{
    if (fInput < 0)
        return false;
    // A reader that has gone must not end the test with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    return write(fInput, text.data(), text.size()) == ssize_t(text.size());
}

void Process::CloseInput()
{
    if (fInput >= 0)
        close(fInput);
    fInput = -1;
}

bool Process::WaitExit(int* status, Milliseconds timeout)
{
    if (!WaitFor([&] { return Reap(false); }, timeout))
        return false;
    *status = fStatus;
    return true;
}

void Process::Stop(Milliseconds deadline)
{
    if (fPid <= 0 || Reap(false))
        return;
    kill(fPid, SIGTERM);
    if (WaitFor([&] { return Reap(false); }, deadline))
        return;
    kill(fPid, SIGKILL);
    Reap(true);
}

std::string Process::Stderr() const
{
    std::ifstream in(fStderrPath);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace harness
