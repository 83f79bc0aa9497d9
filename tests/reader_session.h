#pragma once

// A screen reader for the end-to-end tests: a private D-Bus session, on which
// Qt and AT-SPI find each other, and screen_reader.py listening on it. Each
// Read() asks it what the game tells screen readers.

#include <QJsonObject>

#include <cstdio>
#include <string>
#include <sys/types.h>

#include "x_session.h"

namespace xsession {

class ScreenReader {
public:
    ScreenReader();
    ~ScreenReader();
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    bool Running() const { return fReader > 0; }
    // What the game needs to talk to the reader.
    Environment GameEnvironment() const;
    // The reader's answer; empty when it gave none.
    QJsonObject Read();

private:
    QJsonObject Answer();

    pid_t fBus = -1;
    pid_t fReader = -1;
    FILE* fCommands = nullptr;
    FILE* fAnswers = nullptr;
    std::string fAddress;
};

} // namespace xsession
