#pragma once

// The end-to-end tests' child processes: X and Wayland servers, D-Bus, screen
// readers and the game itself. Each starts with changes to the test's
// environment, keeps what it writes to standard error in a file, may talk
// through pipes, and is stopped by its process id within a deadline. Waits
// wait for a condition within a time budget, never for a fixed time.

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace harness {

using namespace std::chrono_literals;
using Milliseconds = std::chrono::milliseconds;

// Waits up to the timeout for the condition, checking it every 20 ms. A slow
// wrapper around the game, such as valgrind, asks for longer budgets with
// TAVRIN_E2E_TIMEOUT_SCALE.
bool WaitFor(const std::function<bool()>& condition, Milliseconds timeout = 10s);
Milliseconds Scaled(Milliseconds timeout);

// Settings of environment variables for a child; an absent value removes
// the variable.
using Environment = std::vector<std::pair<std::string, std::optional<std::string>>>;

struct Pipes {
    bool input = false;  // else standard input reads nothing
    bool output = false; // else standard output goes nowhere
};

class Process {
public:
    Process(
        const std::vector<std::string>& command, const Environment& changes = {}, Pipes pipes = {});
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    pid_t Pid() const { return fPid; }
    // False once it has ended, or when it never started.
    bool Running();

    // A line of its standard output without the newline; nothing when none
    // came within the timeout or the output was closed.
    std::optional<std::string> ReadLine(Milliseconds timeout = 10s);
    // Writes to its standard input; false when it no longer reads it.
    bool Write(const std::string& text);
    void CloseInput();

    // Waits for it to end; true, with its exit status (128 + the signal for
    // one that was killed), when it did.
    bool WaitExit(int* status, Milliseconds timeout = 10s);
    // Asks it to end with SIGTERM, and kills it where it has not ended by the
    // deadline.
    void Stop(Milliseconds deadline = 3s);
    // What it has written to standard error so far.
    std::string Stderr() const;

private:
    bool Reap(bool wait);

    pid_t fPid = -1;
    int fInput = -1;
    int fOutput = -1;
    std::string fPending; // output read beyond the last line returned
    std::string fStderrPath;
    bool fEnded = false;
    int fStatus = 0;
};

} // namespace harness
