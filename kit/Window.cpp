#include "Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMetaObject>

#include <vector>
#include <xcb/xcb.h>

#include "Application.h"
#include "View.h"
#include "WindowWidget.h"

void WindowWidget::closeEvent(QCloseEvent* event)
{
    if (fWindow->CloseRequested())
        event->accept();
    else
        event->ignore();
}

// Another X client may destroy the window outright, which Qt does not take
// for a close; for the program it is one.
bool WindowWidget::nativeEvent(const QByteArray& type, void* message, qintptr*)
{
    if (type != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) == XCB_DESTROY_NOTIFY
        && reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window == internalWinId())
        fWindow->CloseRequested();
    return false;
}

struct BWindow::Data {
    explicit Data(BWindow* window)
        : widget(window)
    {
    }
    WindowWidget widget;
    std::vector<BView*> children;
    bool quitting = false;
};

BWindow::BWindow(BRect frame, const char* title, window_type, uint32 flags, uint32)
    : BLooper(title)
    , fData(new Data(this))
{
    QWidget& widget = fData->widget;
    widget.setWindowTitle(QString::fromUtf8(title));
    const QSize size(int(frame.Width()) + 1, int(frame.Height()) + 1);
    if (flags & B_NOT_RESIZABLE)
        widget.setFixedSize(size);
    else
        widget.resize(size);
    widget.move(int(frame.left), int(frame.top));
    if (be_app)
        be_app->AddWindow(this);
}

BWindow::~BWindow()
{
    if (be_app)
        be_app->RemoveWindow(this);
    for (BView* view : fData->children)
        delete view;
}

void BWindow::Show()
{
    fData->widget.show();
}

void BWindow::AddChild(BView* view, BView*)
{
    fData->children.push_back(view);
    view->AttachTo(&fData->widget, this);
}

void BWindow::Quit()
{
    if (fData->quitting)
        return;
    fData->quitting = true;
    if (be_app)
        be_app->RemoveWindow(this);
    fData->widget.hide();
    // The caller may be one of this window's own hooks; delete it afterwards.
    QMetaObject::invokeMethod(
        qApp, [this] { delete this; }, Qt::QueuedConnection);
}

QWidget* BWindow::Widget() const
{
    return &fData->widget;
}

bool BWindow::CloseRequested()
{
    Lock();
    const bool agreed = QuitRequested();
    Unlock();
    if (agreed)
        Quit();
    return agreed;
}

void BWindow::MakeRoomAtTop(int pixels, BView* except)
{
    QWidget& widget = fData->widget;
    for (QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != except->Widget())
            child->move(child->x(), child->y() + pixels);
    }
    const QSize size(widget.width(), widget.height() + pixels);
    if (widget.minimumSize() == widget.maximumSize())
        widget.setFixedSize(size);
    else
        widget.resize(size);
}
