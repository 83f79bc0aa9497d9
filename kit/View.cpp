#include "View.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "InterfaceDefs.h"
#include "ReaderEvents.h"
#include "ViewAccessible.h"
#include "ViewData.h"
#include "Window.h"

namespace {

raster::ShapeCache& Shapes()
{
    static raster::ShapeCache cache;
    return cache;
}

} // namespace

// The image is made from scratch when it is first needed and whenever the
// window's device pixel ratio has changed since.
void BView::Data::EnsureImage()
{
    const qreal dpr = widget->devicePixelRatioF();
    if (image.isNull() || image.devicePixelRatio() != dpr)
        Redraw(dpr);
}

void BView::Data::Redraw(qreal dpr)
{
    const QSize size = widget->size();
    image = QImage(qCeil(size.width() * dpr), qCeil(size.height() * dpr), QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(viewColor);
    // This may run in the middle of someone's drawing, between setting a
    // colour and using it; their drawing state must survive the Draw.
    const State saved = state;
    BWindow* window = view->Window();
    if (window)
        window->Lock();
    redrawing = true;
    view->Draw(view->Bounds());
    redrawing = false;
    if (window)
        window->Unlock();
    state = saved;
    widget->update();
}

// Drawing goes to the image as it is; a new scale shows when the screen is
// painted, which is where EnsureImage looks for it.
QImage& BView::Data::Canvas()
{
    if (image.isNull())
        Redraw(widget->devicePixelRatioF());
    return image;
}

// A coordinate names a pixel's centre: view pixel x spans x - 0.5 to x + 0.5.
QPointF BView::Data::ToDevice(BPoint p) const
{
    const qreal dpr = image.devicePixelRatio();
    return QPointF((p.x + 0.5) * dpr, (p.y + 0.5) * dpr);
}

// Asks for the screen to be brought up to date over what was just drawn.
void BView::Data::Dirty(const QRectF& viewArea)
{
    if (!redrawing)
        widget->update(viewArea.toAlignedRect().adjusted(-2, -2, 3, 3));
}

void BView::Data::Dirty(const BPoint* points, int count, qreal pen)
{
    qreal left = points[0].x, top = points[0].y, right = left, bottom = top;
    for (int i = 1; i < count; i++) {
        left = std::min(left, qreal(points[i].x));
        right = std::max(right, qreal(points[i].x));
        top = std::min(top, qreal(points[i].y));
        bottom = std::max(bottom, qreal(points[i].y));
    }
    Dirty(QRectF(QPointF(left - pen, top - pen), QPointF(right + pen, bottom + pen)));
}

const QImage& ViewWidget::Shown() const
{
    fView->fData->EnsureImage();
    return fView->fData->image;
}

void ViewWidget::paintEvent(QPaintEvent* event)
{
    const QImage& image = Shown();
    const QRect area = event->rect();
    const qreal dpr = image.devicePixelRatio();
    QPainter screen(this);
    screen.drawImage(QRectF(area), image,
        QRectF(area.x() * dpr, area.y() * dpr, area.width() * dpr, area.height() * dpr));
}

namespace {

// The Latin letter printed on a key of a PC keyboard, by the key's code on
// X11 and Wayland alike; 0 for other keys. A layout for another script
// (Russian, Arabic) types its own letters on those keys, and players expect
// a letter key to act as the Latin letter beside them, as shortcuts do.
char LatinLetter(quint32 keyCode)
{
    static constexpr struct {
        quint32 first;
        const char* letters;
    } kRows[] = {{24, "qwertyuiop"}, {38, "asdfghjkl"}, {52, "zxcvbnm"}};
    for (const auto& row : kRows) {
        if (keyCode >= row.first && keyCode < row.first + std::strlen(row.letters))
            return row.letters[keyCode - row.first];
    }
    return 0;
}

// The byte a key gives the view: what it types, or one of InterfaceDefs.h's
// codes; 0 for keys left to shortcuts and to the window.
char KeyByte(const QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return 0;
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return B_TAB;
    case Qt::Key_Left:
        return B_LEFT_ARROW;
    case Qt::Key_Right:
        return B_RIGHT_ARROW;
    case Qt::Key_Up:
        return B_UP_ARROW;
    case Qt::Key_Down:
        return B_DOWN_ARROW;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return B_ENTER;
    case Qt::Key_Escape:
        return B_ESCAPE;
    default:
        break;
    }
    const QByteArray typed = event->text().toUtf8();
    if (typed.size() == 1)
        return typed[0] >= B_SPACE ? typed[0] : 0;
    return typed.isEmpty() ? 0 : LatinLetter(event->nativeScanCode());
}

} // namespace

void ViewWidget::keyPressEvent(QKeyEvent* event)
{
    const char byte = KeyByte(event);
    if (!byte) {
        QWidget::keyPressEvent(event);
        return;
    }
    Locked([&] { fView->KeyDown(&byte, 1); });
}

// Where a view has a focused item of its own, readers hear of that item
// rather than of the view as a whole: after Qt has told them of the view.
void ViewWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    QMetaObject::invokeMethod(
        this, [this] { fView->AccessibleFocusMoved(); }, Qt::QueuedConnection);
}

// The window passes its activation on to every widget in it.
bool ViewWidget::event(QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowDeactivate)
        fView->fData->focusAnnounced = -1;
    if (type == QEvent::WindowActivate || type == QEvent::WindowDeactivate)
        Locked([&] { fView->WindowActivated(type == QEvent::WindowActivate); });
    return QWidget::event(event);
}

// Tab and Shift+Tab move within the view, which takes them as keys.
bool ViewWidget::focusNextPrevChild(bool)
{
    return false;
}

const std::string& ViewWidget::Announcement() const
{
    return fView->fData->announcement;
}

void ViewWidget::ItemRead(int32 index, const accessible_item& item)
{
    std::vector<BView::Data::Told>& told = fView->fData->told;
    if (told.size() <= size_t(index))
        told.resize(size_t(index) + 1);
    told[size_t(index)] = {true, item.name, item.description};
}

void ViewWidget::ReadersArrived()
{
    Locked([&] {
        if (!fView->fData->announcementHeard)
            fView->Announce(fView->fData->announcement, fView->fData->focusAnnounced >= 0);
        if (hasFocus())
            fView->AccessibleFocusMoved();
    });
}

void ViewWidget::mousePressEvent(QMouseEvent* event)
{
    const BPoint where(float(event->position().x()), float(event->position().y()));
    Locked([&] { fView->MouseDown(where); });
}

// The view's hooks run with its window locked.
void ViewWidget::Locked(const std::function<void()>& hook)
{
    BWindow* window = fView->Window();
    if (window)
        window->Lock();
    hook();
    if (window)
        window->Unlock();
}

BView::BView(BRect frame, const char* name, uint32, uint32)
    : BView(frame, name, nullptr)
{
}

BView::BView(BRect frame, const char* name, QWidget* widget)
    : BHandler(name)
    , fData(new Data(this))
    , fFrame(frame)
{
    fData->widget.reset(widget ? widget : new ViewWidget(this));
    fData->widget->setObjectName(QString::fromUtf8(Name()));
    fData->widget->setGeometry(
        int(frame.left), int(frame.top), int(frame.Width()) + 1, int(frame.Height()) + 1);
}

BView::~BView()
{
    // Children's widgets belong to ours; they go first.
    for (BView* child : fChildren)
        delete child;
}

void BView::Draw(BRect)
{
}

void BView::MouseDown(BPoint)
{
}

void BView::WindowActivated(bool)
{
}

void BView::KeyDown(const char*, int32)
{
}

// Any view can take the keyboard focus, by a click as well once it has had it.
void BView::MakeFocus(bool focused)
{
    QWidget* widget = fData->widget.get();
    if (!focused) {
        widget->clearFocus();
        return;
    }
    widget->setFocusPolicy(Qt::StrongFocus);
    widget->setFocus(Qt::OtherFocusReason);
}

bool BView::IsFocus() const
{
    return fData->widget->hasFocus();
}

std::string BView::AccessibleName() const
{
    return "";
}

int32 BView::CountAccessibleItems() const
{
    return 0;
}

accessible_item BView::AccessibleItemAt(int32) const
{
    return {};
}

int32 BView::FocusedAccessibleItem() const
{
    return -1;
}

// While no reader listens, this costs nothing.
void BView::Data::TellReaders(int32 index, QAccessible::Event change) const
{
    if (QAccessibleInterface* item = ReaderItem(index);
        item && index < view->CountAccessibleItems()) {
        QAccessibleEvent event(item, change);
        QAccessible::updateAccessibility(&event);
    }
}

void BView::Data::TellFocusGone(int32 index) const
{
    if (QAccessibleInterface* item = ReaderItem(index);
        item && index < view->CountAccessibleItems())
        readers::TellFocusGone(item);
}

// The view's accessible knows its items by their index, and its
// announcements by the index after them.
QAccessibleInterface* BView::Data::ReaderItem(int32 index) const
{
    if (!QAccessible::isActive() || index < 0 || index > view->CountAccessibleItems())
        return nullptr;
    auto* shown
        = dynamic_cast<ViewAccessible*>(QAccessible::queryAccessibleInterface(widget.get()));
    return shown ? shown->Item(index) : nullptr;
}

// Readers hear only of what has changed since they last read the item or
// were told of it, so that nothing is said twice; an item they have not read
// they will read as it stands.
void BView::AccessibleItemChanged(int32 index)
{
    QAccessibleInterface* item = fData->ReaderItem(index);
    if (!item || index >= CountAccessibleItems()) {
        fData->told.clear();
        return;
    }
    if (size_t(index) >= fData->told.size() || !fData->told[size_t(index)].known)
        return;
    const accessible_item now = AccessibleItemAt(index);
    Data::Told& told = fData->told[size_t(index)];
    // Orca 48 reads the item in focus again when its name changes (Orca 43
    // did not), before the view's own sentence that tells the same.
    const bool focused = IsFocus() && index == FocusedAccessibleItem();
    const auto tell = [&](QAccessible::Event change, const std::string& text) {
        if (focused)
            readers::TellChanged(item, change);
        else
            readers::TellText(item, change, readers::FromUtf8(text));
    };
    if (now.name != told.name)
        tell(QAccessible::NameChanged, told.name = now.name);
    if (now.description != told.description)
        tell(QAccessible::DescriptionChanged, told.description = now.description);
}

// A sentence told while no reader listens waits for one: readers start a
// moment after the program, and may start at any time.
void BView::Announce(const std::string& sentence, bool tellsFocus)
{
    fData->announcement = sentence;
    fData->focusAnnounced = tellsFocus ? FocusedAccessibleItem() : -1;
    QAccessibleInterface* announcements = fData->ReaderItem(CountAccessibleItems());
    QAccessibleInterface* note = announcements ? announcements->child(0) : nullptr;
    fData->announcementHeard = note != nullptr;
    if (note)
        readers::Announce(note, readers::FromUtf8(sentence));
}

// Readers that put news of the focus ahead of every other (Orca 48) would
// say the focused item first, where a sentence has told of it already. Its
// focus then goes untold, and readers who read its state learn when it goes.
void BView::AccessibleFocusMoved()
{
    const int32 focused = FocusedAccessibleItem();
    if (!IsFocus())
        return;
    if (std::exchange(fData->focusAnnounced, -1) == focused) {
        fData->focusUntold = focused;
        return;
    }
    if (const int32 untold = std::exchange(fData->focusUntold, -1); untold >= 0)
        fData->TellFocusGone(untold);
    fData->TellReaders(focused, QAccessible::Focus);
}

void BView::AddChild(BView* view, BView*)
{
    fChildren.push_back(view);
    view->fParent = this;
    view->AttachTo(fData->widget.get(), nullptr);
}

void BView::AttachTo(QWidget* parent, BWindow* window)
{
    fWindow = window;
    fData->widget->setParent(parent);
    fData->widget->show();
    if (Window())
        TellAttached();
}

void BView::TellAttached()
{
    AttachedToWindow();
    for (BView* child : fChildren)
        child->TellAttached();
}

void BView::AttachedToWindow()
{
}

BWindow* BView::Window() const
{
    for (const BView* view = this; view; view = view->fParent) {
        if (view->fWindow)
            return view->fWindow;
    }
    return nullptr;
}

BRect BView::Bounds() const
{
    BRect bounds = fFrame;
    bounds.OffsetTo(B_ORIGIN);
    return bounds;
}

QWidget* BView::Widget() const
{
    return fData->widget.get();
}

void BView::SetViewColor(rgb_color color)
{
    fData->viewColor = QColor(color.red, color.green, color.blue, color.alpha);
}

void BView::SetHighColor(rgb_color color)
{
    fData->state.high = QColor(color.red, color.green, color.blue, color.alpha);
}

void BView::SetPenSize(float size)
{
    fData->state.penSize = size;
}

void BView::SetDrawingMode(drawing_mode mode)
{
    fData->state.mode = mode;
}

void BView::SetFontSize(float size)
{
    fData->state.fontPixels = std::max(1, qRound(size));
}

void BView::MovePenTo(BPoint where)
{
    fData->state.pen = QPointF(where.x, where.y);
}

void BView::GetFontHeight(font_height* height) const
{
    const FontFace& face = fData->Face();
    height->ascent = float(face.Ascent());
    height->descent = float(face.Descent());
    height->leading = float(face.Leading());
}

float BView::StringWidth(const char* text) const
{
    return float(fData->Face().Width(text));
}

void BView::DrawString(const char* text, BPoint where, escapement_delta* delta)
{
    MovePenTo(where);
    DrawString(text, delta);
}

// The baseline at y lies along the bottom edge of pixel row y and the text
// starts at the left edge of column x. In B_OP_COPY the glyphs replace the
// pixels they cover without blending.
void BView::DrawString(const char* text, escapement_delta*)
{
    QImage& image = fData->Canvas();
    FontFace& face = fData->Face();
    const qreal dpr = image.devicePixelRatio();
    const QPointF pen = fData->state.pen;
    face.Paint(image, dpr, text, QPointF(pen.x() * dpr, (pen.y() + 1) * dpr),
        fData->state.high.rgb(), fData->state.mode == B_OP_OVER);
    const qreal width = face.Width(text);
    fData->Dirty(QRectF(pen.x(), pen.y() - face.Ascent(), width, face.Ascent() + face.Descent()));
    fData->state.pen.rx() += width;
}

// Rectangles and polygons take whole device pixels, those whose centres they
// cover. Shapes that share their edges, a grid of cells say, then leave the
// same pixels whichever was painted last and however often, at every scale.
// Lines and text are smoothed.
void BView::FillRect(BRect rect, pattern)
{
    QImage& image = fData->Canvas(); // first: its scale decides the device coordinates
    const QPointF topLeft = fData->ToDevice(BPoint(rect.left - 0.5f, rect.top - 0.5f));
    const QPointF bottomRight = fData->ToDevice(BPoint(rect.right + 0.5f, rect.bottom + 0.5f));
    const QRect area
        = QRect(QPoint(qCeil(topLeft.x() - 0.5), qCeil(topLeft.y() - 0.5)),
              QPoint(qCeil(bottomRight.x() - 0.5) - 1, qCeil(bottomRight.y() - 0.5) - 1))
        & image.rect();
    const QRgb colour = fData->state.high.rgb();
    uchar* bits = image.bits();
    for (int y = area.top(); y <= area.bottom(); y++) {
        QRgb* line = reinterpret_cast<QRgb*>(bits + y * image.bytesPerLine());
        raster::FillPixels(line + area.left(), area.width(), colour);
    }
    fData->Dirty(QRectF(rect.left, rect.top, rect.Width() + 1, rect.Height() + 1));
}

void BView::FillPolygon(const BPoint* points, int32 count, pattern)
{
    fData->PaintShape(points, count, 0, true, false);
}

// A pen size of 0 fills the shape.
void BView::Data::PaintShape(
    const BPoint* points, int count, qreal penSize, bool closed, bool smooth)
{
    QImage& image = Canvas();
    raster::Shape shape;
    for (int i = 0; i < count; i++)
        shape.points.push_back(ToDevice(points[i]));
    shape.penWidth = penSize * image.devicePixelRatio();
    shape.closed = closed;
    shape.smooth = smooth;
    Shapes().Paint(image, shape, state.high.rgb());
    Dirty(points, count, penSize);
}

void BView::StrokePolygon(const BPoint* points, int32 count, bool closed, pattern)
{
    fData->PaintShape(points, count, fData->state.penSize, closed, false);
}

void BView::StrokeLine(BPoint start, BPoint end, pattern)
{
    const BPoint points[2] = {start, end};
    fData->PaintShape(points, 2, fData->state.penSize, false, true);
}
