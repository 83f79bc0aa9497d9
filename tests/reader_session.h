#pragma once

// Screen readers for the end-to-end tests: a private D-Bus session, on which
// Qt and AT-SPI find each other, and screen_reader.py listening on it. Each
// Read() asks it what the game tells screen readers.

#include <QJsonObject>

#include <memory>
#include <string>

#include "process.h"

namespace atspi {

// A D-Bus session bus of the test's own; AT-SPI starts on it when asked.
class Bus {
public:
    Bus();
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

} // namespace atspi
