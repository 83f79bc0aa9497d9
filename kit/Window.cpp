#include "Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMetaObject>
#include <QScreen>

#include <algorithm>
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
// for a close (6.4, 6.8 and 6.11 alike); for the program it is one.
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

namespace {

// Where a frame of this size goes: where it was wanted if it fits the area
// whole, else as near as shows the most of it, its top left corner (the
// title bar and the menu bar) always inside.
QPoint FitOnScreen(QPoint wanted, QSize frame, const QRect& area)
{
    const int x = std::min(wanted.x(), area.right() + 1 - frame.width());
    const int y = std::min(wanted.y(), area.bottom() + 1 - frame.height());
    return QPoint(std::max(x, area.left()), std::max(y, area.top()));
}

} // namespace

void WindowWidget::ShowOnScreen()
{
    fWanted = pos();
    Fit();
    show();
}

// A window is placed by its frame, as far as the frame is known.
void WindowWidget::Fit()
{
    const QPoint place
        = FitOnScreen(fWanted, frameGeometry().size(), screen()->availableGeometry());
    if (frameGeometry().topLeft() != place)
        move(place);
}

// The window manager's frame is known once it has framed the window; the
// window is placed again then, once, so that a window the user moves later
// stays where the user puts it.
void WindowWidget::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (fFramed || !isVisible() || frameGeometry().size() == size())
        return;
    fFramed = true;
    Fit();
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
    fData->widget.ShowOnScreen();
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
