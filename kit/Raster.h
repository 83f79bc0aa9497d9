#pragma once

// Anti-aliased drawing into an RGB32 image, by coverage masks. A shape is
// rasterised once into a mask of its coverage, kept as runs of pixels, and
// painted from there: the board repaints the same hexagons, stripes and
// digits over and over, only moved by whole pixels, and painting a cached
// mask costs a fraction of rasterising the shape again. Coordinates here are
// device pixels, pixel (i, j) covering [i, i + 1) x [j, j + 1).

#include <QImage>
#include <QPointF>

#include <cstdint>
#include <map>
#include <vector>

namespace raster {

using Polygon = std::vector<QPointF>;

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

    // Finds the runs once alpha is filled in.
    void Compile();
};

// The coverage of the union of the polygons, with the mask's top left at the
// device origin.
Mask Cover(const std::vector<Polygon>& polygons);

// A path of straight segments as polygons: width wide, flat ends, bevelled corners.
std::vector<Polygon> Outline(const QPointF* points, int count, bool closed, qreal width);

// Sets a row of pixels to one colour.
void FillPixels(QRgb* pixels, int count, QRgb colour);

// Paints the mask with its reference point at (x, y). With blend false,
// pixels at least half covered take the colour and the others stay as they are.
void Paint(QImage& image, const Mask& mask, int x, int y, QRgb colour, bool blend);

// Masks of shapes already drawn, by their form and their position within a
// device pixel.
class ShapeCache {
public:
    // Paints the union of the polygons, rasterising it only the first time
    // this form comes up.
    void Fill(QImage& image, const std::vector<Polygon>& polygons, QRgb colour);

private:
    std::map<std::vector<qreal>, Mask> fMasks;
};

} // namespace raster
