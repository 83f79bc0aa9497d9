#pragma once

// Screen readers for the end-to-end tests, each on a private D-Bus session
// where Qt and AT-SPI find each other: screen_reader.py, which the test asks
// what the game tells readers, and Orca, the screen reader people use,
// whose speech the test hears.

#include <QJsonObject>

#include <memory>
#include <string>
#include <vector>

#include "process.h"

namespace atspi {

// A D-Bus session bus of the test's own; AT-SPI, and the services readers
// use, start on it when asked, in the environment given.
class Bus {
public:
    explicit Bus(const harness::Environment& services = {});
    bool Running() const { return !fAddress.empty(); }
    // What a client needs to talk on this bus.
    harness::Environment ClientEnvironment() const;

private:
    std::unique_ptr<harness::Process> fDaemon;
    std::string fAddress;
};

class ScreenReader {
public:
    ScreenReader();
    ~ScreenReader();
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    bool Running() const { return fReady; }
    // What the game needs to talk to the reader.
    harness::Environment GameEnvironment() const;
    // The reader's answer; empty when it gave none.
    QJsonObject Read();

private:
    QJsonObject Answer();

    Bus fBus;
    std::unique_ptr<harness::Process> fReader;
    bool fReady = false;
};

// Orca as it is, on a desktop of its own: a private home whose sound goes
// nowhere, a speech server, the desktop's accessibility setting on, and
// speech_log.py writing down what Orca sends to speech as it sends it.
class Orca {
public:
    explicit Orca(const harness::Environment& display);
    ~Orca();
    Orca(const Orca&) = delete;
    Orca& operator=(const Orca&) = delete;

    bool Running() const { return fReady; }
    // What the game needs to be heard: the bus, and no setting that forces
    // accessibility on, which the desktop's setting does.
    harness::Environment GameEnvironment() const;

    struct Utterance {
        double time; // seconds since the epoch
        std::string text;
    };
    // Ends Orca, which then writes out all its debug log.
    void Stop();
    // Everything Orca has sent to speech so far.
    std::vector<Utterance> Heard() const;
    // Orca's debug output so far, and what it wrote to standard error.
    std::string DebugLog() const;
    std::string Stderr() const;
    // Keeps the speech and debug logs in a folder, for a failed test.
    void KeepLogs(const std::string& folder) const;

private:
    harness::Environment Desktop() const;

    std::string fHome;
    std::unique_ptr<Bus> fBus;
    std::unique_ptr<harness::Process> fSpeech;
    std::unique_ptr<harness::Process> fOrca;
    harness::Environment fDisplay;
    std::string fProblem; // what kept Orca from starting
    bool fReady = false;
};

} // namespace atspi
