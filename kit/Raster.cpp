#include "Raster.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

namespace raster {

namespace {

// Each pixel row is sampled on this many lines; along a line, coverage is exact.
constexpr int kSubRows = 4;

// Beyond this many forms the cache starts afresh; the board needs a few dozen.
constexpr size_t kMaxCachedShapes = 1024;

struct Edge {
    qreal top, bottom; // y range, top < bottom
    qreal x, slope;    // x at top, and dx/dy
    int winding;
};

struct Crossing {
    qreal x;
    int winding;
};

qreal SignedArea(const Polygon& polygon)
{
    qreal area = 0;
    for (size_t i = 0; i < polygon.size(); i++) {
        const QPointF& a = polygon[i];
        const QPointF& b = polygon[(i + 1) % polygon.size()];
        area += a.x() * b.y() - b.x() * a.y();
    }
    return area;
}

// Every polygon is taken the same way round, so that overlapping ones add up
// under the non-zero rule instead of cancelling out.
std::vector<Edge> EdgesOf(const std::vector<Polygon>& polygons)
{
    std::vector<Edge> edges;
    for (const Polygon& polygon : polygons) {
        const int turn = SignedArea(polygon) < 0 ? -1 : 1;
        for (size_t i = 0; i < polygon.size(); i++) {
            QPointF a = polygon[i], b = polygon[(i + 1) % polygon.size()];
            if (a.y() == b.y())
                continue;
            int winding = turn;
            if (a.y() > b.y()) {
                std::swap(a, b);
                winding = -winding;
            }
            edges.push_back({a.y(), b.y(), a.x(), (b.x() - a.x()) / (b.y() - a.y()), winding});
        }
    }
    std::sort(
        edges.begin(), edges.end(), [](const Edge& l, const Edge& r) { return l.top < r.top; });
    return edges;
}

// Coverage of one row of a mask. Partly covered pixels at the ends of spans
// are added directly; whole pixels as steps of a running sum, so a span costs
// the same however long it is.
struct RowCoverage {
    explicit RowCoverage(int width)
        : partial(size_t(width) + 1)
        , steps(size_t(width) + 1)
    {
    }

    void AddSpan(qreal from, qreal to, float weight)
    {
        const int width = int(partial.size()) - 1;
        from = std::max(from, qreal(0));
        to = std::min(to, qreal(width));
        if (to <= from)
            return;
        const int first = int(from), last = int(to);
        if (first == last) {
            partial[first] += float(to - from) * weight;
            return;
        }
        partial[first] += float(first + 1 - from) * weight;
        steps[first + 1] += weight;
        steps[last] -= weight;
        partial[last] += float(to - last) * weight;
    }

    // Writes the row's coverage as alpha values and clears it for the next row.
    void Emit(uchar* alpha)
    {
        float run = 0;
        for (size_t x = 0; x + 1 < partial.size(); x++) {
            run += steps[x];
            const float coverage = std::clamp(run + partial[x], 0.f, 1.f);
            alpha[x] = uchar(coverage * 255 + 0.5f);
        }
        std::fill(partial.begin(), partial.end(), 0.f);
        std::fill(steps.begin(), steps.end(), 0.f);
    }

    std::vector<float> partial;
    std::vector<float> steps;
};

void SampleLine(const std::vector<const Edge*>& active, qreal y, RowCoverage& row)
{
    constexpr int kMaxCrossings = 256;
    Crossing crossings[kMaxCrossings];
    int count = 0;
    for (const Edge* edge : active) {
        if (edge->top <= y && y < edge->bottom && count < kMaxCrossings)
            crossings[count++] = {edge->x + (y - edge->top) * edge->slope, edge->winding};
    }
    std::sort(crossings, crossings + count,
        [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
    int winding = 0;
    qreal start = 0;
    for (int i = 0; i < count; i++) {
        const int before = winding;
        winding += crossings[i].winding;
        if (before == 0 && winding != 0)
            start = crossings[i].x;
        else if (before != 0 && winding == 0)
            row.AddSpan(start, crossings[i].x, 1.f / kSubRows);
    }
}

QPointF Normal(QPointF from, QPointF to, qreal half)
{
    const QPointF d = to - from;
    const qreal length = std::hypot(d.x(), d.y());
    return length > 0 ? QPointF(-d.y(), d.x()) * (half / length) : QPointF();
}

// Blends two colours, weight 0..256 for the first; red and blue are worked
// out together in one word, green in another.
inline QRgb Mix(QRgb over, QRgb under, uint weight)
{
    const uint rest = 256 - weight;
    const uint redBlue = (((over & 0xff00ff) * weight + (under & 0xff00ff) * rest) >> 8) & 0xff00ff;
    const uint green = (((over & 0xff00) * weight + (under & 0xff00) * rest) >> 8) & 0xff00;
    return 0xff000000u | redBlue | green;
}

} // namespace

void FillPixels(QRgb* pixels, int count, QRgb colour)
{
    // wchar_t is 32 bits here, and the C library's wmemset is vectorised.
    static_assert(sizeof(wchar_t) == sizeof(QRgb));
    std::wmemset(reinterpret_cast<wchar_t*>(pixels), wchar_t(colour), size_t(count));
}

void Mask::Compile()
{
    runs.clear();
    for (int y = 0; y < height; y++) {
        const uchar* row = &alpha[size_t(y) * width];
        for (int x = 0; x < width;) {
            if (row[x] == 0) {
                x++;
                continue;
            }
            const bool solid = row[x] == 255;
            int end = x + 1;
            while (end < width && row[end] != 0 && (row[end] == 255) == solid)
                end++;
            runs.push_back({y, x, end - x, solid});
            x = end;
        }
    }
}

Mask Cover(const std::vector<Polygon>& polygons)
{
    Mask mask;
    for (const Polygon& polygon : polygons) {
        for (const QPointF& p : polygon) {
            mask.width = std::max(mask.width, int(std::ceil(p.x())));
            mask.height = std::max(mask.height, int(std::ceil(p.y())));
        }
    }
    mask.alpha.assign(size_t(mask.width) * mask.height, 0);
    const std::vector<Edge> edges = EdgesOf(polygons);
    std::vector<const Edge*> active;
    RowCoverage row(mask.width);
    size_t next = 0;
    for (int y = 0; y < mask.height; y++) {
        while (next < edges.size() && edges[next].top < y + 1)
            active.push_back(&edges[next++]);
        std::erase_if(active, [y](const Edge* e) { return e->bottom <= y; });
        for (int s = 0; s < kSubRows; s++)
            SampleLine(active, y + (s + 0.5) / kSubRows, row);
        row.Emit(&mask.alpha[size_t(y) * mask.width]);
    }
    mask.Compile();
    return mask;
}

std::vector<Polygon> Outline(const QPointF* points, int count, bool closed, qreal width)
{
    const qreal half = width / 2;
    std::vector<Polygon> parts;
    for (int i = 0; i < (closed ? count : count - 1); i++) {
        const QPointF a = points[i], b = points[(i + 1) % count];
        const QPointF n = Normal(a, b, half);
        parts.push_back({a + n, b + n, b - n, a - n});
    }
    // Where two segments meet, a small diamond fills the gap on the outer side.
    for (int i = closed ? 0 : 1; i < (closed ? count : count - 1); i++) {
        const QPointF v = points[i];
        const QPointF n1 = Normal(points[(i + count - 1) % count], v, half);
        const QPointF n2 = Normal(v, points[(i + 1) % count], half);
        parts.push_back({v + n1, v + n2, v - n1, v - n2});
    }
    return parts;
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

void ShapeCache::Fill(QImage& image, const std::vector<Polygon>& polygons, QRgb colour)
{
    qreal minX = 1e9, minY = 1e9;
    for (const Polygon& polygon : polygons) {
        for (const QPointF& p : polygon) {
            minX = std::min(minX, p.x());
            minY = std::min(minY, p.y());
        }
    }
    const int left = int(std::floor(minX)), top = int(std::floor(minY));
    // The form, moved to within a pixel of the origin, is the cache's key.
    std::vector<qreal> key;
    for (const Polygon& polygon : polygons) {
        key.push_back(qreal(polygon.size()));
        for (const QPointF& p : polygon) {
            key.push_back(p.x() - left);
            key.push_back(p.y() - top);
        }
    }
    auto found = fMasks.find(key);
    if (found == fMasks.end()) {
        if (fMasks.size() >= kMaxCachedShapes)
            fMasks.clear();
        std::vector<Polygon> moved = polygons;
        for (Polygon& polygon : moved) {
            for (QPointF& p : polygon)
                p -= QPointF(left, top);
        }
        found = fMasks.emplace(std::move(key), Cover(moved)).first;
    }
    Paint(image, found->second, left, top, colour, true);
}

} // namespace raster
