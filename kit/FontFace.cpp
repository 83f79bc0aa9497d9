#include "FontFace.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {

constexpr size_t kMaxTexts = 512;

FontFace::Faces* gFaces = nullptr;

} // namespace

FontFace::Faces::Faces()
{
    gFaces = this;
}

FontFace::Faces::~Faces()
{
    gFaces = nullptr;
}

FontFace::FontFace(int pixelSize)
{
    fFont.setFamily(QStringLiteral("DejaVu Sans"));
    fFont.setHintingPreference(QFont::PreferNoHinting);
    fFont.setPixelSize(pixelSize);
    const QFontMetricsF metrics(fFont);
    fAscent = metrics.ascent();
    fDescent = metrics.descent();
    fLeading = metrics.leading();
    fRaw = QRawFont::fromFont(fFont);
}

FontFace& FontFace::OfSize(int pixelSize)
{
    std::unique_ptr<FontFace>& face = gFaces->fFaces[pixelSize];
    if (!face)
        face = std::make_unique<FontFace>(pixelSize);
    return *face;
}

qreal FontFace::Width(const char* text)
{
    return Layout(text).width;
}

// Positions are kept to a sixteenth of a device pixel across and a quarter
// down, which is finer than the eye can tell and bounds the renderings.
void FontFace::Paint(
    QImage& image, qreal dpr, const char* text, QPointF origin, QRgb colour, bool blend)
{
    int x = int(std::floor(origin.x())), y = int(std::floor(origin.y()));
    const int fx = qRound((origin.x() - x) * 16), fy = qRound((origin.y() - y) * 4);
    x += fx / 16;
    y += fy / 4;
    const raster::Mask& mask = Render(Layout(text), dpr, fx % 16, fy % 4);
    raster::Paint(image, mask, x, y, colour, blend);
}

FontFace::Text& FontFace::Layout(const char* text)
{
    auto found = fTexts.find(text);
    if (found != fTexts.end())
        return found->second;
    // The game draws a few dozen texts; anything beyond is laid out afresh.
    if (fTexts.size() >= kMaxTexts)
        fTexts.clear();
    const QList<quint32> glyphs = fRaw.glyphIndexesForString(QString::fromUtf8(text));
    const QList<QPointF> advances = fRaw.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    QList<QPointF> positions;
    QPointF at;
    for (const QPointF& advance : advances) {
        positions.append(at);
        at += advance;
    }
    Text laidOut;
    laidOut.run.setRawFont(fRaw);
    laidOut.run.setGlyphIndexes(glyphs);
    laidOut.run.setPositions(positions);
    laidOut.width = at.x();
    return fTexts.emplace(text, laidOut).first->second;
}

// The text's coverage with its origin at (originX + fx / 16, originY + fy / 4).
const raster::Mask& FontFace::Render(Text& text, qreal dpr, int fx, int fy)
{
    for (const Text::Rendering& r : text.renderings) {
        if (r.dpr == dpr && r.fx == fx && r.fy == fy)
            return r.mask;
    }
    const int pad = 3;
    const int originX = pad, originY = pad + int(std::ceil(fAscent * dpr));
    const int width = int(std::ceil(text.width * dpr)) + 2 * pad;
    const int height = originY + int(std::ceil(fDescent * dpr)) + pad;
    const QPointF origin(originX + fx / 16.0, originY + fy / 4.0);
    raster::Mask mask = raster::Render(width, height, true, [&](QPainter& painter) {
        painter.setPen(Qt::white);
        painter.scale(dpr, dpr);
        painter.drawGlyphRun(origin / dpr, text.run);
    });
    mask.originX = originX;
    mask.originY = originY;
    return text.renderings.emplace_back(Text::Rendering {dpr, fx, fy, std::move(mask)}).mask;
}
