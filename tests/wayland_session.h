#pragma once

// A headless Weston compositor of the tests' own, drawing with its pixman
// renderer, and screenshots of what it shows.

#include <QImage>

#include <memory>
#include <string>

#include "process.h"

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
    harness::Environment ClientEnvironment() const;
    // What the compositor shows; a null image when the screenshot failed.
    QImage Screenshot() const;

private:
    std::string fDir;
    std::unique_ptr<harness::Process> fWeston;
    bool fRunning = false;
};

} // namespace wsession
