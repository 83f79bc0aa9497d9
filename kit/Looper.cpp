#include "Looper.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include "AppDefs.h"
#include "Message.h"

namespace {

const QEvent::Type kMessageEvent = QEvent::Type(QEvent::User + 1);

// Carries one posted message; a message never delivered dies with its event.
class MessageEvent : public QEvent {
public:
    explicit MessageEvent(BMessage* message)
        : QEvent(kMessageEvent)
        , fMessage(message)
    {
    }
    std::unique_ptr<BMessage> fMessage;
};

} // namespace

// The looper's address in Qt's event queue.
class LooperPort : public QObject {
public:
    explicit LooperPort(BLooper* looper)
        : fLooper(looper)
    {
    }

    bool event(QEvent* event) override
    {
        if (event->type() != kMessageEvent)
            return QObject::event(event);
        BMessage* message = static_cast<MessageEvent*>(event)->fMessage.get();
        fLooper->DispatchMessage(message);
        return true;
    }

private:
    BLooper* fLooper;
};

struct BLooper::Port {
    LooperPort object;
};

BLooper::BLooper(const char* name)
    : BHandler(name)
    , fPort(new Port {LooperPort(this)})
{
}

BLooper::~BLooper() = default;

void BLooper::PostMessage(BMessage* message)
{
    QCoreApplication::postEvent(&fPort->object, new MessageEvent(message));
}

void BLooper::PostMessage(uint32 code)
{
    PostMessage(new BMessage(code));
}

bool BLooper::Lock()
{
    fLock.lock();
    return true;
}

void BLooper::Unlock()
{
    fLock.unlock();
}

bool BLooper::QuitRequested()
{
    return true;
}

void BLooper::DispatchMessage(BMessage* message)
{
    Lock();
    if (message->what == B_QUIT_REQUESTED) {
        if (QuitRequested())
            Quit();
    } else {
        MessageReceived(message);
    }
    Unlock();
}
