#pragma once

#include <memory>
#include <vector>

#include "Looper.h"

class BWindow;

// The one application object. It owns the connection to the display and runs
// the event loop that serves every window.
class BApplication : public BLooper {
public:
    // The signature is a four-character code. The desktop knows the program
    // by a reverse-DNS id (its desktop entry, Wayland app id and X11 window
    // class), and its texts come from the gettext catalogue of the name
    // given. Exits with status 1 and a one-line message on stderr where no
    // display can be opened.
    BApplication(uint32 signature, const char* desktopId, const char* catalog);
    ~BApplication() override;

    // Runs the event loop until the application quits.
    void Run();

    // Asks every window to quit; true when all of them agreed.
    bool QuitRequested() override;
    void Quit() override;
    // Shows what the application is, and returns once the user has read it.
    virtual void AboutRequested();

protected:
    void DispatchMessage(BMessage* message) override;

private:
    friend class BWindow;
    void AddWindow(BWindow* window);
    void RemoveWindow(BWindow* window);

    struct Data;
    std::unique_ptr<Data> fData;
    std::vector<BWindow*> fWindows;
    bool fQuitting = false;
};

extern BApplication* be_app;
