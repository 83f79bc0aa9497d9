#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>

#include <string>
#include <unordered_map>
#include <vector>

#include "Raster.h"

// The view's font at one pixel size. The game draws the same few short texts
// over and over, so each is laid out once and rendered once per position
// within a device pixel.
struct FontFace {
    explicit FontFace(int pixelSize);

    struct Text {
        QGlyphRun run;
        qreal width;
        // Renderings by scale and by position within a device pixel.
        struct Rendering {
            qreal dpr;
            int fx, fy;
            raster::Mask mask;
        };
        std::vector<Rendering> renderings;
    };
    // The layout of a text; a face keeps a bounded number of them.
    Text& Layout(const char* text);
    // The text's coverage with its origin at (originX + fx / 16, originY + fy / 4).
    const raster::Mask& Render(Text& text, qreal dpr, int fx, int fy);

    static void Rasterise(const QGlyphRun& run, qreal dpr, QPointF origin, raster::Mask& mask);

    QFont font;
    QFontMetricsF metrics;
    qreal ascent, descent, height; // asked for on every string drawn
    QRawFont raw;
    std::unordered_map<std::string, Text> texts;

    static FontFace& OfSize(float size);
};
