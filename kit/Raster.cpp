#include "Raster.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cwchar>

namespace raster {

namespace {

// Beyond this many forms the cache starts afresh; a view of a few shapes needs a few dozen.
constexpr size_t kMaxCachedShapes = 1024;

// Blends two colours, weight 0..256 for the first; red and blue are worked
// out together in one word, green in another.
inline QRgb Mix(QRgb over, QRgb under, uint weight)
{
    const uint rest = 256 - weight;
    const uint redBlue = (((over & 0xff00ff) * weight + (under & 0xff00ff) * rest) >> 8) & 0xff00ff;
    const uint green = (((over & 0xff00) * weight + (under & 0xff00) * rest) >> 8) & 0xff00;
    return 0xff000000u | redBlue | green;
}

void FindRuns(Mask& mask)
{
    for (int y = 0; y < mask.height; y++) {
        const uchar* row = &mask.alpha[size_t(y) * mask.width];
        for (int x = 0; x < mask.width;) {
            if (row[x] == 0) {
                x++;
                continue;
            }
            const bool solid = row[x] == 255;
            int end = x + 1;
            while (end < mask.width && row[end] != 0 && (row[end] == 255) == solid)
                end++;
            mask.runs.push_back({y, x, end - x, solid});
            x = end;
        }
    }
}

void Draw(QPainter& painter, const Shape& shape)
{
    const QPolygonF polygon(QList<QPointF>(shape.points.begin(), shape.points.end()));
    if (shape.penWidth <= 0) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPolygon(polygon, Qt::WindingFill);
        return;
    }
    painter.setPen(QPen(Qt::white, shape.penWidth, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
    painter.setBrush(Qt::NoBrush);
    if (shape.closed)
        painter.drawPolygon(polygon);
    else
        painter.drawPolyline(polygon);
}

} // namespace

Mask Render(int width, int height, bool smooth, const std::function<void(QPainter&)>& paint)
{
    QImage coverage(width, height, QImage::Format_ARGB32_Premultiplied);
    coverage.fill(Qt::transparent);
    {
        QPainter painter(&coverage);
        painter.setRenderHint(QPainter::Antialiasing, smooth);
        painter.setRenderHint(QPainter::TextAntialiasing, smooth);
        paint(painter);
    }
    Mask mask;
    mask.width = width;
    mask.height = height;
    mask.alpha.resize(size_t(width) * height);
    for (int y = 0; y < height; y++) {
        const QRgb* line = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
        for (int x = 0; x < width; x++)
            mask.alpha[size_t(y) * width + x] = uchar(qAlpha(line[x]));
    }
    FindRuns(mask);
    return mask;
}

void FillPixels(QRgb* pixels, int count, QRgb colour)
{
    // wchar_t is 32 bits here, and the C library's wmemset is vectorised.
    static_assert(sizeof(wchar_t) == sizeof(QRgb));
    std::wmemset(reinterpret_cast<wchar_t*>(pixels), wchar_t(colour), size_t(count));
}

void Paint(QImage& image, const Mask& mask, int x, int y, QRgb colour, bool blend)
{
    x -= mask.originX;
    y -= mask.originY;
    const int width = image.width(), height = image.height();
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (const Mask::Run& run : mask.runs) {
        const int row = y + run.y;
        const int from = std::max(x + run.x, 0), to = std::min(x + run.x + run.length, width);
        if (row < 0 || row >= height || from >= to)
            continue;
        QRgb* line = reinterpret_cast<QRgb*>(bits + row * stride);
        if (run.solid) {
            FillPixels(line + from, to - from, colour);
            continue;
        }
        const uchar* alpha = &mask.alpha[size_t(run.y) * mask.width + (from - x)];
        for (int i = from; i < to; i++, alpha++) {
            if (!blend)
                line[i] = *alpha >= 128 ? colour : line[i];
            else
                line[i] = Mix(colour, line[i], uint(*alpha) + (*alpha >> 7));
        }
    }
}

// The form, moved to within a pixel of the mask's origin, is the cache's key;
// a stroke's corners and anti-aliasing reach a little beyond its half width.
void ShapeCache::Paint(QImage& image, const Shape& shape, QRgb colour)
{
    const qreal reach = shape.penWidth / 2 + 2;
    qreal minX = shape.points[0].x(), minY = shape.points[0].y(), maxX = minX, maxY = minY;
    for (const QPointF& p : shape.points) {
        minX = std::min(minX, p.x());
        minY = std::min(minY, p.y());
        maxX = std::max(maxX, p.x());
        maxY = std::max(maxY, p.y());
    }
    const int left = int(std::floor(minX - reach)), top = int(std::floor(minY - reach));
    std::vector<qreal> key = {shape.penWidth, qreal(shape.closed), qreal(shape.smooth)};
    Shape moved = shape;
    for (QPointF& p : moved.points) {
        p -= QPointF(left, top);
        key.push_back(p.x());
        key.push_back(p.y());
    }
    auto found = fMasks.find(key);
    if (found == fMasks.end()) {
        if (fMasks.size() >= kMaxCachedShapes)
            fMasks.clear();
        const int width = int(std::ceil(maxX + reach)) - left;
        const int height = int(std::ceil(maxY + reach)) - top;
        found = fMasks
                    .emplace(std::move(key),
                        Render(width, height, shape.smooth,
                            [&](QPainter& painter) { Draw(painter, moved); }))
                    .first;
    }
    raster::Paint(image, found->second, left, top, colour, true);
}

} // namespace raster
