#pragma once

// The Qt side of a view: its widget, its backing image and its drawing state.

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QRawFont>
#include <QWidget>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "Raster.h"
#include "View.h"

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
    Text& Layout(const char* text);
    // The text's coverage with its origin at (originX + fx / 16, originY + fy / 4).
    const raster::Mask& Render(Text& text, qreal dpr, int fx, int fy);

    QFont font;
    QFontMetricsF metrics;
    qreal ascent, descent, height; // asked for on every string drawn
    QRawFont raw;
    std::unordered_map<std::string, Text> texts;

    static FontFace& OfSize(float size);
};

struct BView::Data {
    BView* view;
    std::unique_ptr<QWidget> widget;
    QImage image;
    bool redrawing = false;

    QColor viewColor = Qt::white;

    // What stays in force from one drawing call to the next.
    struct State {
        QColor high = Qt::black;
        qreal penSize = 1;
        drawing_mode mode = B_OP_COPY;
        QPointF pen;
        FontFace* face = nullptr; // the platform's 12 pixels until a size is set
    } state;

    // Views that never draw text, the menu bar among them, never load a font.
    FontFace& Face()
    {
        if (!state.face)
            state.face = &FontFace::OfSize(12);
        return *state.face;
    }

    explicit Data(BView* owner)
        : view(owner)
    {
    }

    void EnsureImage();
    void Redraw(qreal dpr);
    // The image, ready to be drawn on.
    QImage& Canvas();
    // A point in view coordinates as a position on the image.
    QPointF ToDevice(BPoint p) const;
    void Dirty(const QRectF& viewArea);
    void Dirty(const BPoint* points, int count);
};
