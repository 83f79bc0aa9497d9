#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QRawFont>
#include <QString>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "Raster.h"

// The view's font at one pixel size. A view draws the same few short texts
// over and over, so each is laid out once and rendered once per position
// within a device pixel, where QPainter::drawText lays out and renders the
// text anew at every call. Texts the font draws glyph by glyph (Latin, Greek,
// Cyrillic) go straight through it; others are shaped as the desktop shapes
// them, with its fonts for the letters this one lacks, so that Arabic joins
// and runs right to left and Japanese or Chinese glyphs are drawn.
class FontFace {
public:
    // The family every view draws in, the platform's plain font.
    static constexpr const char* kFamily = "DejaVu Sans";

    explicit FontFace(int pixelSize);

    // Metrics in view pixels.
    qreal Ascent() const { return fAscent; }
    qreal Descent() const { return fDescent; }
    qreal Leading() const { return fLeading; }
    qreal Width(const char* text);

    // Paints the text with the left end of its baseline at the origin, given
    // in device pixels of an image at the scale dpr.
    void Paint(QImage& image, qreal dpr, const char* text, QPointF origin, QRgb colour, bool blend);

    // The face of a size, made when first asked for. It lasts as long as the
    // application's Faces, so no caller keeps it beyond one drawing call.
    static FontFace& OfSize(int pixelSize);

    // Every face in use. The application object owns this, so the fonts are
    // released before Qt goes.
    class Faces {
    public:
        Faces();
        ~Faces();

    private:
        friend class FontFace;
        std::unordered_map<int, std::unique_ptr<FontFace>> fFaces;
    };

private:
    struct Text {
        std::vector<QGlyphRun> runs;
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
    Text LayOutGlyphByGlyph(const QString& text) const;
    Text Shape(const QString& text) const;
    bool DrawsGlyphByGlyph(const QString& text) const;
    const raster::Mask& Render(Text& text, qreal dpr, int fx, int fy);

    QFont fFont;
    QRawFont fRaw;
    qreal fAscent, fDescent, fLeading; // asked for on every string drawn
    std::unordered_map<std::string, Text> fTexts;
};
