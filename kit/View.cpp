#include "View.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>

#include "ViewData.h"
#include "Window.h"

// Shows the view's backing image on screen and hands mouse presses to the view.
class ViewWidget : public QWidget {
public:
    explicit ViewWidget(BView* view)
        : fView(view)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    BView* fView;
};

namespace {

raster::ShapeCache& Shapes()
{
    static raster::ShapeCache cache;
    return cache;
}

// A rectangle on whole device pixels is filled directly.
bool FillWholePixels(QImage& image, QPointF topLeft, QPointF bottomRight, QRgb colour)
{
    const QRectF exact(topLeft, bottomRight);
    const QRect whole = exact.toAlignedRect();
    if (QRectF(whole) != exact)
        return false;
    const QRect area = whole & image.rect();
    uchar* bits = image.bits();
    for (int y = area.top(); y <= area.bottom(); y++) {
        QRgb* line = reinterpret_cast<QRgb*>(bits + y * image.bytesPerLine());
        raster::FillPixels(line + area.left(), area.width(), colour);
    }
    return true;
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

void BView::Data::Dirty(const BPoint* points, int count)
{
    qreal left = points[0].x, top = points[0].y, right = left, bottom = top;
    for (int i = 1; i < count; i++) {
        left = std::min(left, qreal(points[i].x));
        right = std::max(right, qreal(points[i].x));
        top = std::min(top, qreal(points[i].y));
        bottom = std::max(bottom, qreal(points[i].y));
    }
    const qreal pen = state.penSize;
    Dirty(QRectF(QPointF(left - pen, top - pen), QPointF(right + pen, bottom + pen)));
}

void ViewWidget::paintEvent(QPaintEvent* event)
{
    BView::Data& data = *fView->fData;
    data.EnsureImage();
    const QRect area = event->rect();
    const qreal dpr = data.image.devicePixelRatio();
    QPainter screen(this);
    screen.drawImage(QRectF(area), data.image,
        QRectF(area.x() * dpr, area.y() * dpr, area.width() * dpr, area.height() * dpr));
}

void ViewWidget::mousePressEvent(QMouseEvent* event)
{
    BWindow* window = fView->Window();
    if (window)
        window->Lock();
    fView->MouseDown(BPoint(float(event->position().x()), float(event->position().y())));
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
    fData->state.face = &FontFace::OfSize(size);
}

void BView::MovePenTo(BPoint where)
{
    fData->state.pen = QPointF(where.x, where.y);
}

void BView::GetFontHeight(font_height* height) const
{
    const FontFace& face = fData->Face();
    height->ascent = float(face.ascent);
    height->descent = float(face.descent);
    height->leading = float(face.metrics.leading());
}

float BView::StringWidth(const char* text) const
{
    return float(fData->Face().Layout(text).width);
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
    const QPointF origin(fData->state.pen.x() * dpr, (fData->state.pen.y() + 1) * dpr);
    int x = int(std::floor(origin.x())), y = int(std::floor(origin.y()));
    int fx = qRound((origin.x() - x) * 16), fy = qRound((origin.y() - y) * 4);
    x += fx / 16;
    y += fy / 4;
    FontFace::Text& laidOut = face.Layout(text);
    const raster::Mask& mask = face.Render(laidOut, dpr, fx % 16, fy % 4);
    raster::Paint(image, mask, x, y, fData->state.high.rgb(), fData->state.mode == B_OP_OVER);

    const qreal width = laidOut.width;
    fData->Dirty(
        QRectF(fData->state.pen.x(), fData->state.pen.y() - face.ascent, width, face.height));
    fData->state.pen.rx() += width;
}

void BView::FillRect(BRect rect, pattern)
{
    QImage& image = fData->Canvas(); // first: its scale decides the device coordinates
    const QPointF topLeft = fData->ToDevice(BPoint(rect.left - 0.5f, rect.top - 0.5f));
    const QPointF bottomRight = fData->ToDevice(BPoint(rect.right + 0.5f, rect.bottom + 0.5f));
    const QRgb colour = fData->state.high.rgb();
    if (!FillWholePixels(image, topLeft, bottomRight, colour)) {
        Shapes().Fill(image,
            {{topLeft, QPointF(bottomRight.x(), topLeft.y()), bottomRight,
                QPointF(topLeft.x(), bottomRight.y())}},
            colour);
    }
    fData->Dirty(QRectF(rect.left, rect.top, rect.Width() + 1, rect.Height() + 1));
}

void BView::FillPolygon(const BPoint* points, int32 count, pattern)
{
    QImage& image = fData->Canvas();
    raster::Polygon polygon;
    for (int32 i = 0; i < count; i++)
        polygon.push_back(fData->ToDevice(points[i]));
    Shapes().Fill(image, {polygon}, fData->state.high.rgb());
    fData->Dirty(points, count);
}

void BView::StrokePolygon(const BPoint* points, int32 count, bool closed, pattern)
{
    QImage& image = fData->Canvas();
    std::vector<QPointF> device;
    for (int32 i = 0; i < count; i++)
        device.push_back(fData->ToDevice(points[i]));
    const qreal width = fData->state.penSize * image.devicePixelRatio();
    Shapes().Fill(
        image, raster::Outline(device.data(), count, closed, width), fData->state.high.rgb());
    fData->Dirty(points, count);
}

void BView::StrokeLine(BPoint start, BPoint end, pattern)
{
    const BPoint points[2] = {start, end};
    StrokePolygon(points, 2, false);
}
