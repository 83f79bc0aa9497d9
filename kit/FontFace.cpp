#include "FontFace.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr size_t kMaxTexts = 512;

} // namespace

FontFace::FontFace(int pixelSize)
    : metrics(font)
{
    font.setFamily(QStringLiteral("DejaVu Sans"));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(pixelSize);
    metrics = QFontMetricsF(font);
    ascent = metrics.ascent();
    descent = metrics.descent();
    height = metrics.height();
    raw = QRawFont::fromFont(font);
}

FontFace& FontFace::OfSize(float size)
{
    static std::unordered_map<int, std::unique_ptr<FontFace>> faces;
    const int pixels = std::max(1, qRound(size));
    std::unique_ptr<FontFace>& face = faces[pixels];
    if (!face)
        face = std::make_unique<FontFace>(pixels);
    return *face;
}

FontFace::Text& FontFace::Layout(const char* text)
{
    auto found = texts.find(text);
    if (found != texts.end())
        return found->second;
    // The game draws a few dozen texts; anything beyond is laid out afresh.
    if (texts.size() >= kMaxTexts)
        texts.clear();
    const QList<quint32> glyphs = raw.glyphIndexesForString(QString::fromUtf8(text));
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    QList<QPointF> positions;
    QPointF at;
    for (const QPointF& advance : advances) {
        positions.append(at);
        at += advance;
    }
    Text laidOut;
    laidOut.run.setRawFont(raw);
    laidOut.run.setGlyphIndexes(glyphs);
    laidOut.run.setPositions(positions);
    laidOut.width = at.x();
    return texts.emplace(text, laidOut).first->second;
}

const raster::Mask& FontFace::Render(Text& laidOut, qreal dpr, int fx, int fy)
{
    for (const Text::Rendering& r : laidOut.renderings) {
        if (r.dpr == dpr && r.fx == fx && r.fy == fy)
            return r.mask;
    }
    raster::Mask& mask = laidOut.renderings.emplace_back(Text::Rendering {dpr, fx, fy, {}}).mask;
    const int pad = 3;
    mask.originX = pad;
    mask.originY = pad + int(std::ceil(ascent * dpr));
    mask.width = int(std::ceil(laidOut.width * dpr)) + 2 * pad;
    mask.height = mask.originY + int(std::ceil(descent * dpr)) + pad;
    Rasterise(laidOut.run, dpr, QPointF(mask.originX + fx / 16.0, mask.originY + fy / 4.0), mask);
    return mask;
}

// Draws the glyphs in white on a transparent image; the alpha is the coverage.
void FontFace::Rasterise(const QGlyphRun& run, qreal dpr, QPointF origin, raster::Mask& mask)
{
    QImage coverage(mask.width, mask.height, QImage::Format_ARGB32_Premultiplied);
    coverage.fill(Qt::transparent);
    {
        QPainter painter(&coverage);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setPen(Qt::white);
        painter.scale(dpr, dpr);
        painter.drawGlyphRun(origin / dpr, run);
    }
    mask.alpha.resize(size_t(mask.width) * mask.height);
    for (int y = 0; y < mask.height; y++) {
        const QRgb* line = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
        for (int x = 0; x < mask.width; x++)
            mask.alpha[size_t(y) * mask.width + x] = uchar(qAlpha(line[x]));
    }
    mask.Compile();
}
