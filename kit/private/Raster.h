#pragma once

// Anti-aliased drawing into an RGB32 image, by coverage masks. A shape is
// rasterised once, by QPainter, into a mask of its coverage, kept as runs of
// pixels, and painted from there: views repaint the same shapes and digits
// over and over, only moved by whole pixels, and painting a cached mask costs
// a fraction of what QPainter takes to rasterise the shape again. Coordinates here are
// device pixels, pixel (i, j) covering [i, i + 1) x [j, j + 1).

#include <QImage>
#include <QPointF>

#include <functional>
#include <map>
#include <vector>

class QPainter;

namespace raster {

struct Mask {
    // A row's run of pixels; solid runs are wholly covered.
    struct Run {
        int y, x, length;
        bool solid;
    };

    int width = 0;
    int height = 0;
    int originX = 0; // where the mask's reference point lies in it
    int originY = 0;
    std::vector<uchar> alpha;
    std::vector<Run> runs;
};

// Makes a mask of the given size from what the painter function paints in
// opaque white on a transparent canvas, anti-aliased where smooth.
Mask Render(int width, int height, bool smooth, const std::function<void(QPainter&)>& paint);

// Sets a row of pixels to one colour.
void FillPixels(QRgb* pixels, int count, QRgb colour);

// Paints the mask with its reference point at (x, y). With blend false,
// pixels at least half covered take the colour and the others stay as they are.
void Paint(QImage& image, const Mask& mask, int x, int y, QRgb colour, bool blend);

// A filled polygon, or with a pen width a path of straight segments that
// wide, with flat ends and bevelled corners. A smooth shape is anti-aliased;
// any other takes the whole pixels whose centres it covers.
struct Shape {
    std::vector<QPointF> points;
    qreal penWidth = 0;
    bool closed = true;
    bool smooth = false;
};

// Masks of shapes already drawn, by their form and their position within a
// device pixel.
class ShapeCache {
public:
    // Paints the shape, rasterising it only the first time this form comes up.
    void Paint(QImage& image, const Shape& shape, QRgb colour);

private:
    std::map<std::vector<qreal>, Mask> fMasks;
};

} // namespace raster
