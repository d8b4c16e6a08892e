#include "view/cloze.h"

#include "view/markup.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <cmath>

namespace bw {

namespace {

constexpr int kSmallestClozeFont = 9;

void DeleteGapObjects(Document& doc) {
    for (int i = doc.ObjectCount() - 1; i >= 0; --i) {
        if (doc.CurrentObjects[i].Typ == TypLuecke) doc.DeleteObject(i);
    }
}

int LayOut(Document& doc, QPainter* painter, const QStringList& lines, QSize page, int fontHeight,
           const ClozeLayoutOptions& options, bool measureOnly) {
    MarkupCanvas canvas;
    canvas.painter = painter;
    canvas.doc = &doc;
    canvas.pageWidth = page.width();
    canvas.baseLayerVisible = options.baseLayerVisible;
    canvas.exerciseRunning = options.exerciseRunning;
    const int left = static_cast<int>(std::lround(page.width() * 0.035));
    int y = static_cast<int>(std::lround(page.height() * 0.01));
    // A text that already ran off the page need not be measured to its end.
    if (measureOnly) canvas.stopBelow = page.height();
    for (const QString& line : lines) {
        y = RenderMarkupLine(canvas, page.width(), page.height(), left, y, line, 0, fontHeight, 99,
                             options.rebuildGaps, Qt::black, measureOnly);
        if (y > canvas.stopBelow) break;
    }
    return y;
}

} // namespace

bool LayoutClozeText(Document& doc, QImage& page, int& clozeFontReduction,
                     const ClozeLayoutOptions& options) {
    if (doc.CurrentHeader.DokTyp != DokLueckentext || page.isNull()) return false;
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    const QString& source = doc.CurrentHeader.lueckentext;
    const QStringList lines = source.split(breaks);
    const double scale = page.width() / 870.0;

    int fontHeight = 0;
    for (;;) {
        if (options.rebuildGaps) DeleteGapObjects(doc);
        if (source.isEmpty()) return false;
        fontHeight = -(static_cast<int>(std::lround(scale * 22)) + clozeFontReduction);
        const int bottom = LayOut(doc, nullptr, lines, page.size(), fontHeight, options, true);
        const int size = std::abs(fontHeight);
        if (bottom <= page.height() || size <= kSmallestClozeFont) break;
        const int step = std::max(1, static_cast<int>(std::lround(size * 0.1)));
        clozeFontReduction -= size - std::max(kSmallestClozeFont, size - step);
    }
    QPainter p(&page);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    LayOut(doc, &p, lines, page.size(), fontHeight, options, false);
    return true;
}

} // namespace bw
