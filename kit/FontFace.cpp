#include "FontFace.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

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
    fFont.setFamily(QString::fromLatin1(kFamily));
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
    // A view draws a few dozen texts; anything beyond is laid out afresh.
    if (fTexts.size() >= kMaxTexts)
        fTexts.clear();
    const QString string = QString::fromUtf8(text);
    Text laidOut = DrawsGlyphByGlyph(string) ? LayOutGlyphByGlyph(string) : Shape(string);
    return fTexts.emplace(text, std::move(laidOut)).first->second;
}

// Scripts below Armenian need no shaping; the font must have every letter.
bool FontFace::DrawsGlyphByGlyph(const QString& text) const
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x0530 || !fRaw.supportsCharacter(c))
            return false;
    }
    return true;
}

FontFace::Text FontFace::LayOutGlyphByGlyph(const QString& text) const
{
    const QList<quint32> glyphs = fRaw.glyphIndexesForString(text);
    const QList<QPointF> advances = fRaw.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    QList<QPointF> positions;
    QPointF at;
    for (const QPointF& advance : advances) {
        positions.append(at);
        at += advance;
    }
    QGlyphRun run;
    run.setRawFont(fRaw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    return Text {{run}, at.x(), {}};
}

// One line, its left end at the origin whichever way the text runs, with
// glyph positions moved from the line's top to its baseline.
FontFace::Text FontFace::Shape(const QString& text) const
{
    QTextLayout layout(text, fFont);
    QTextOption option;
    option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    Text shaped {{}, line.naturalTextWidth(), {}};
    for (QGlyphRun run : layout.glyphRuns()) {
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions)
            position.ry() -= line.ascent();
        run.setPositions(positions);
        shaped.runs.push_back(run);
    }
    return shaped;
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
        for (const QGlyphRun& run : text.runs)
            painter.drawGlyphRun(origin / dpr, run);
    });
    mask.originX = originX;
    mask.originY = originY;
    return text.renderings.emplace_back(Text::Rendering {dpr, fx, fy, std::move(mask)}).mask;
}
