#pragma once

// A headless Weston compositor of the tests' own, drawing with its pixman
// renderer, and screenshots of what it shows.

#include <QImage>

#include <string>
#include <sys/types.h>

#include "x_session.h"

namespace wsession {

class Compositor {
public:
    // Starts Weston in a runtime directory of its own; Running() tells
    // whether it came up.
    Compositor();
    ~Compositor();
    Compositor(const Compositor&) = delete;
    Compositor& operator=(const Compositor&) = delete;

    bool Running() const { return fRunning; }
    // The settings a client needs to find the compositor.
    xsession::Environment ClientEnvironment() const;
    // What the compositor shows; a null image when the screenshot failed.
    QImage Screenshot() const;

private:
    pid_t fPid = -1;
    std::string fDir;
    bool fRunning = false;
};

} // namespace wsession
