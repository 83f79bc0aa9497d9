#pragma once

#include <memory>
#include <mutex>

#include "Handler.h"
#include "SupportDefs.h"

class BMessage;

// A handler with a message queue. The application and every window are
// loopers; all of them are served by the one GUI thread, which stands for
// both the application's and the windows' threads.
class BLooper : public BHandler {
public:
    explicit BLooper(const char* name = nullptr);
    ~BLooper() override;

    // Queues a message; the looper takes ownership.
    void PostMessage(BMessage* message);
    void PostMessage(uint32 code);

    // The looper lock, recursive for the holding thread.
    bool Lock();
    void Unlock();

    virtual bool QuitRequested();
    virtual void Quit() = 0;

protected:
    // Handles one queued message with the looper locked.
    virtual void DispatchMessage(BMessage* message);

private:
    friend class LooperPort;
    struct Port;
    std::unique_ptr<Port> fPort;
    std::recursive_mutex fLock;
};
