#include "view/glyphcache.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <cmath>
#include <mutex>

namespace bw {

namespace {

// Qt's raster engine caches glyphs up to this size only.
constexpr int kQtCachedGlyphLimit = 64;
// Bounds of the cache; fonts beyond the size limit are left to the painter.
constexpr qsizetype kMaxCacheBytes = 48 * 1024 * 1024;
constexpr int kMaxCachedPixelSize = 400;
constexpr int kPad = 2;

struct GlyphKey {
    QString family;
    QString style;
    double pixelSize;
    int weight;
    int fontStyle;
    quint32 glyph;
    QRgb colour;
    bool operator==(const GlyphKey&) const = default;
};

size_t qHash(const GlyphKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.family, k.style, k.pixelSize, k.weight, k.fontStyle, k.glyph,
                      k.colour);
}

struct CachedGlyph {
    QImage image;  // premultiplied, the glyph drawn in its colour
    QPoint origin; // where the glyph's origin lies in the image
};

// One cache for every thread. A glyph's outline as FreeType hands it over can depend on the
// glyphs that face loaded before (hinting programs keep state), so two threads may render the
// same glyph a level apart at its edges; sharing the first rendering keeps a page drawn in
// two bands the same as one drawn by one thread.
struct GlyphCache {
    std::mutex mutex;
    QHash<GlyphKey, CachedGlyph> glyphs;
    qsizetype bytes = 0;
};

GlyphCache& Cache() {
    static GlyphCache cache;
    return cache;
}

CachedGlyph Glyph(const QRawFont& raw, quint32 index, const QColor& colour) {
    GlyphKey key{raw.familyName(), raw.styleName(), raw.pixelSize(), raw.weight(),
                 int(raw.style()), index,           colour.rgba()};
    GlyphCache& cache = Cache();
    {
        std::lock_guard lock(cache.mutex);
        auto it = cache.glyphs.constFind(key);
        if (it != cache.glyphs.constEnd()) return *it;
    }
    const QRectF bounds = raw.boundingRect(index);
    const QPoint origin(kPad - int(std::floor(bounds.left())),
                        kPad - int(std::floor(bounds.top())));
    const QSize size(std::max(1, int(std::ceil(bounds.width())) + 2 * kPad + 1),
                     std::max(1, int(std::ceil(bounds.height())) + 2 * kPad + 1));
    CachedGlyph g;
    g.image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    g.image.fill(Qt::transparent);
    g.origin = origin;
    QPainter p(&g.image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(colour);
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes({index});
    run.setPositions({QPointF(origin)});
    p.drawGlyphRun(QPointF(0, 0), run);
    p.end();
    std::lock_guard lock(cache.mutex);
    // Another thread may have rendered it meanwhile; its rendering wins.
    auto it = cache.glyphs.constFind(key);
    if (it != cache.glyphs.constEnd()) return *it;
    if (cache.bytes + g.image.sizeInBytes() > kMaxCacheBytes) {
        cache.glyphs.clear();
        cache.bytes = 0;
    }
    cache.bytes += g.image.sizeInBytes();
    cache.glyphs.insert(key, g);
    return g;
}

// A text in a font; fonts that compare equal measure and shape alike.
struct TextKey {
    QFont font;
    QString text;
    bool operator==(const TextKey&) const = default;
};

size_t qHash(const TextKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.font, k.text);
}

// The glyphs of one line of text as shaped for a font: a page draws the same "?", labels and
// captions at every redraw, and shaping them again cost as much as drawing them.
struct ShapedLine {
    QList<QGlyphRun> runs;
    qreal ascent = 0;
};

constexpr qsizetype kMaxShapedLines = 4096;

const ShapedLine& Shaped(const QFont& font, const QString& text) {
    // Per thread: the runs hold the thread's fonts.
    thread_local QHash<TextKey, ShapedLine> lines;
    TextKey key{font, text};
    auto it = lines.constFind(key);
    if (it != lines.constEnd()) return *it;
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setNumColumns(int(text.size()));
    layout.endLayout();
    if (lines.size() >= kMaxShapedLines) lines.clear();
    return *lines.insert(std::move(key), ShapedLine{layout.glyphRuns(), line.ascent()});
}

// A bitmap drawn on without scaling.
bool OnBitmap(const QPainter& p) {
    return p.transform().type() <= QTransform::TxTranslate && p.device() &&
           p.device()->devType() == QInternal::Image;
}

bool NeedsGlyphCache(const QPainter& p, const QFont& font) {
    const int px =
        font.pixelSize() > 0 ? font.pixelSize() : int(std::lround(font.pointSizeF() * 96.0 / 72.0));
    return px > kQtCachedGlyphLimit && px <= kMaxCachedPixelSize && OnBitmap(p);
}

} // namespace

int TextWidth(const QFont& font, const QString& text) {
    constexpr qsizetype kMaxWidths = 8192;
    thread_local QHash<TextKey, int> widths; // per thread, as fonts are
    TextKey key{font, text};
    auto it = widths.constFind(key);
    if (it != widths.constEnd()) return *it;
    const int w = QFontMetrics(font).horizontalAdvance(text);
    if (widths.size() >= kMaxWidths) widths.clear();
    widths.insert(std::move(key), w);
    return w;
}

void DrawTextAt(QPainter& p, int x, int y, const QFont& font, const QColor& colour,
                const QString& text) {
    if (text.isEmpty()) return;
    const QFontMetrics fm(font);
    const bool cached = NeedsGlyphCache(p, font);
    // Smaller fonts keep the painter's glyphs and only skip the shaping; decorations are the
    // painter's own there.
    const bool shapedOnly = !cached && OnBitmap(p) && !font.underline() && !font.strikeOut();
    if (!cached && !shapedOnly) {
        p.setFont(font);
        p.setPen(colour);
        p.drawText(QPoint(x, y + fm.ascent()), text);
        return;
    }
    const ShapedLine& shaped = Shaped(font, text);
    const QPointF baseline(x, y + fm.ascent());
    const QPointF layoutOrigin = baseline - QPointF(0, shaped.ascent);
    if (shapedOnly) {
        p.setPen(colour);
        for (const QGlyphRun& run : shaped.runs)
            p.drawGlyphRun(layoutOrigin, run);
        return;
    }
    for (const QGlyphRun& run : shaped.runs) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (int i = 0; i < indexes.size(); ++i) {
            const CachedGlyph g = Glyph(raw, indexes[i], colour);
            const QPointF at = layoutOrigin + positions[i];
            p.drawImage(QPoint(int(std::lround(at.x())), int(std::lround(at.y()))) - g.origin,
                        g.image);
        }
    }
    if (font.underline() || font.strikeOut()) {
        const int w = TextWidth(font, text);
        const int lw = std::max(1, fm.lineWidth());
        // Centred on the decoration's position, as the painter draws it.
        if (font.underline())
            p.fillRect(QRect(x, int(baseline.y()) + fm.underlinePos() - lw / 2, w, lw), colour);
        if (font.strikeOut())
            p.fillRect(QRect(x, int(baseline.y()) - fm.strikeOutPos() - lw / 2, w, lw), colour);
    }
}

void DrawTextLine(QPainter& p, const QRect& lineRect, Qt::Alignment hAlign, const QFont& font,
                  const QColor& colour, const QString& text) {
    int x = lineRect.left();
    if (hAlign & (Qt::AlignHCenter | Qt::AlignRight)) {
        const int w = TextWidth(font, text);
        x = (hAlign & Qt::AlignRight) ? lineRect.left() + lineRect.width() - w
                                      : lineRect.left() + (lineRect.width() - w) / 2;
    }
    DrawTextAt(p, x, lineRect.top(), font, colour, text);
}

QFont ThreadFont(const QFont& font) {
    constexpr qsizetype kMaxFonts = 256;
    thread_local QHash<QFont, QFont> own;
    auto it = own.constFind(font);
    if (it != own.constEnd()) return *it;
    QFont made;
    // Anything the text form leaves out makes the two differ; then the copy has to do.
    if (!made.fromString(font.toString()) || made != font) made = font;
    if (own.size() >= kMaxFonts) own.clear();
    return *own.insert(font, made);
}

void ClearGlyphCache() {
    std::lock_guard lock(Cache().mutex);
    Cache().glyphs.clear();
    Cache().bytes = 0;
}

} // namespace bw
