#include "View.h"

#include <QFontMetricsF>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygonF>
#include <QWidget>
#include <QtMath>

#include <algorithm>
#include <optional>

#include "ViewData.h"
#include "Window.h"

// Paints the view's backing image on screen and hands mouse presses to the view.
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
    EndPainting();
    const QSize size = widget->size();
    image = QImage(qCeil(size.width() * dpr), qCeil(size.height() * dpr), QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(viewColor);
    // This may run in the middle of someone's drawing, between setting a
    // colour and using it; their drawing state must survive the Draw.
    const QColor savedHigh = high;
    const qreal savedPenSize = penSize;
    const drawing_mode savedMode = mode;
    const QPointF savedPen = pen;
    const int savedFontSize = font.pixelSize();
    BWindow* window = view->Window();
    if (window)
        window->Lock();
    redrawing = true;
    view->Draw(view->Bounds());
    redrawing = false;
    if (window)
        window->Unlock();
    high = savedHigh;
    penSize = savedPenSize;
    mode = savedMode;
    pen = savedPen;
    SetFontSize(savedFontSize);
    widget->update();
}

QPainter& BView::Data::Painter()
{
    EnsureImage();
    if (!painter) {
        painter = std::make_unique<QPainter>(&image);
        painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter->translate(0.5, 0.5);
    }
    return *painter;
}

QPainter& BView::Data::StrokePainter()
{
    QPainter& p = Painter();
    p.setPen(QPen(high, penSize, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    return p;
}

// Asks for the screen to be brought up to date over what was just drawn.
void BView::Data::Dirty(const QRectF& area)
{
    if (!redrawing)
        widget->update(area.toAlignedRect().adjusted(-2, -2, 3, 3));
}

namespace {

QColor ToQColor(rgb_color c)
{
    return QColor(c.red, c.green, c.blue, c.alpha);
}

QPolygonF ToPolygon(const BPoint* points, int32 count)
{
    QPolygonF polygon;
    polygon.reserve(count);
    for (int32 i = 0; i < count; i++)
        polygon.append(QPointF(points[i].x, points[i].y));
    return polygon;
}

} // namespace

void ViewWidget::paintEvent(QPaintEvent* event)
{
    BView::Data& data = *fView->fData;
    data.EnsureImage();
    data.EndPainting();
    const QRect area = event->rect();
    const qreal dpr = data.image.devicePixelRatio();
    QPainter screen(this);
    screen.drawImage(QRectF(area), data.image,
                     QRectF(area.x() * dpr, area.y() * dpr, area.width() * dpr,
                            area.height() * dpr));
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
    fData->widget->setGeometry(int(frame.left), int(frame.top), int(frame.Width()) + 1,
                               int(frame.Height()) + 1);
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
    fData->viewColor = ToQColor(color);
}

void BView::SetHighColor(rgb_color color)
{
    fData->high = ToQColor(color);
}

void BView::SetPenSize(float size)
{
    fData->penSize = size;
}

void BView::SetDrawingMode(drawing_mode mode)
{
    fData->mode = mode;
}

void BView::SetFontSize(float size)
{
    fData->SetFontSize(size);
}

void BView::MovePenTo(BPoint where)
{
    fData->pen = QPointF(where.x, where.y);
}

void BView::GetFontHeight(font_height* height) const
{
    height->ascent = float(fData->metrics->ascent());
    height->descent = float(fData->metrics->descent());
    height->leading = float(fData->metrics->leading());
}

float BView::StringWidth(const char* text) const
{
    return float(fData->metrics->horizontalAdvance(QString::fromUtf8(text)));
}

void BView::DrawString(const char* text, BPoint where, escapement_delta* delta)
{
    MovePenTo(where);
    DrawString(text, delta);
}

// A coordinate names a pixel's centre, so the baseline at y lies along the
// bottom edge of pixel row y and the text starts at the left edge of column x.
// In B_OP_COPY the glyphs replace the pixels they cover without blending.
void BView::DrawString(const char* text, escapement_delta*)
{
    const QString string = QString::fromUtf8(text);
    const qreal width = fData->metrics->horizontalAdvance(string);
    const QPointF origin = fData->pen + QPointF(-0.5, 0.5);
    QPainter& painter = fData->Painter();
    painter.setFont(fData->mode == B_OP_COPY ? fData->aliasedFont : fData->font);
    painter.setPen(fData->high);
    painter.drawText(origin, string);
    fData->Dirty(QRectF(origin.x(), origin.y() - fData->metrics->ascent(), width,
                 fData->metrics->height()));
    fData->pen.rx() += width;
}

void BView::FillRect(BRect rect, pattern)
{
    const QRectF area(rect.left - 0.5, rect.top - 0.5, rect.Width() + 1, rect.Height() + 1);
    fData->Painter().fillRect(area, fData->high);
    fData->Dirty(area);
}

void BView::FillPolygon(const BPoint* points, int32 count, pattern)
{
    const QPolygonF polygon = ToPolygon(points, count);
    QPainter& painter = fData->Painter();
    painter.setPen(Qt::NoPen);
    painter.setBrush(fData->high);
    painter.drawPolygon(polygon);
    fData->Dirty(polygon.boundingRect());
}

void BView::StrokePolygon(const BPoint* points, int32 count, bool closed, pattern)
{
    const QPolygonF polygon = ToPolygon(points, count);
    QPainter& painter = fData->StrokePainter();
    if (closed)
        painter.drawPolygon(polygon);
    else
        painter.drawPolyline(polygon);
    fData->Dirty(polygon.boundingRect());
}

void BView::StrokeLine(BPoint start, BPoint end, pattern)
{
    const QLineF line(start.x, start.y, end.x, end.y);
    fData->StrokePainter().drawLine(line);
    fData->Dirty(QRectF(line.p1(), line.p2()).normalized());
}
