#include "drawing/drawingboard.h"

#include "drawing/penpainter.h"
#include "platform/largememory.h"
#include "view/learnview.h"
#include "view/pagebuffer.h"

#include <cstring>

namespace bw {

namespace {

// The smallest rectangle of a holding every pixel that differs from b at the same place moved
// by bAt; b must hold a's whole rectangle there.
QRect DifferingRect(const QImage& a, const QImage& b, QPoint bAt) {
    if (a.format() != b.format() || a.depth() != 32 || !b.rect().contains(QRect(bAt, a.size())))
        return {};
    const int w = a.width();
    int left = w, right = -1, top = -1, bottom = -1;
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const quint32*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const quint32*>(b.constScanLine(y + bAt.y())) + bAt.x();
        if (std::memcmp(ra, rb, std::size_t(w) * 4) == 0) continue;
        if (top < 0) top = y;
        bottom = y;
        int x = 0;
        while (x < left && ra[x] == rb[x])
            ++x;
        left = std::min(left, x);
        x = w - 1;
        while (x > right && ra[x] == rb[x])
            --x;
        right = std::max(right, x);
    }
    if (top < 0) return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Puts the pixels in which drawn differs from under into target at the rectangle's place.
void CopyDrawnPixels(QImage& target, const QRect& at, const QImage& drawn, const QImage& under) {
    const QRect r = at.intersected(target.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* t = reinterpret_cast<quint32*>(target.scanLine(y));
        const auto* d = reinterpret_cast<const quint32*>(drawn.constScanLine(y - at.top()));
        const auto* u = reinterpret_cast<const quint32*>(under.constScanLine(y - at.top()));
        for (int x = r.left(); x <= r.right(); ++x) {
            const int i = x - at.left();
            if (d[i] != u[i]) t[x] = d[i];
        }
    }
}

} // namespace

DrawingBoard::DrawingBoard(LearnView& view, QObject* parent) : QObject(parent), view_(view) {
    // After the viewport moved, the snapshot would restore the old section at the new place.
    connect(&view_, &LearnView::commitDrawings, this, [this] {
        CommitDrawings();
        invalidateUndo();
    });
    connect(&view_, &LearnView::drawingUndoInvalidated, this, &DrawingBoard::invalidateUndo);
    connect(&view_, &LearnView::viewShown, this, [this] { uncommitted_ = false; });
}

void DrawingBoard::changed(const QRect& viewRect) {
    uncommitted_ = true;
    const QRect r = viewRect.intersected(view_.ViewImage().rect());
    if (!r.isEmpty()) emit view_.viewRectChanged(r);
}

bool DrawingBoard::EditorOpen() const {
    return editorOpen ? editorOpen() : view_.editorOpen;
}

void DrawingBoard::PressAt(QPoint p) {
    if (EditorOpen() || view_.exerciseRunning()) return;
    TakeUndoSnapshot();
    ApplyToolAt(true, p);
}

void DrawingBoard::Release(QPoint p) {
    state_.StampDone = false;
    state_.LastPoint = QPoint(-1, -1);
    ApplyToolAt(false, p);
}

void DrawingBoard::ApplyToolAt(bool down, QPoint p) {
    if (!down || view_.ViewImage().isNull() || EditorOpen() || view_.exerciseRunning()) return;
    switch (state_.CurrentTool) {
    case DrawTool::Pen:
        PenSegment(p);
        break;
    case DrawTool::Eraser:
        Erase(p);
        break;
    case DrawTool::Stamp:
        Stamp(p);
        break;
    case DrawTool::Text:
        emit textBoxRequested(p);
        break;
    default:
        break;
    }
}

void DrawingBoard::PenSegment(QPoint p) {
    if (state_.LastPoint.x() < 0 || state_.LastPoint.y() < 0) state_.LastPoint = p;
    const QPoint from = state_.LastPoint;
    const int w = StrokeWidth(state_.StrokeWidthStep);
    const QColor c = CurrentColour();
    QImage& picture = view_.ViewImage();
    const QRect rect = PenSegmentRect(from, p, w).intersected(picture.rect());
    if (IsTranslucentColour(state_.DrawColourIndex)) {
        // Only the rectangle the segment can touch is cleared and combined.
        QImage& layer = view_.DrawLayer();
        if (layer.size() != picture.size() || layer.depth() != 32) return;
        // The layer's own pixels seen as opaque RGB (the fast painting format). The wrapper
        // is kept, since a painter on a new image object sets up a new paint engine.
        uchar* bits = layer.bits();
        if (layerRgb_.constBits() != bits || layerRgb_.size() != layer.size())
            layerRgb_ = QImage(bits, layer.width(), layer.height(), layer.bytesPerLine(),
                               QImage::Format_RGB32);
        QImage& target = layerRgb_;
        FillImageRect(target, rect, 0xFFFFFFFFu);
        PaintPenSegment(target, from, p, w, c, rect);
        CombineMinimum(picture, target, rect);
    } else {
        PaintPenSegment(picture, from, p, w, c, rect);
    }
    state_.LastPoint = p;
    changed(rect);
}

void DrawingBoard::Erase(QPoint p) {
    const int s = EraserSide(state_.StrokeWidthStep);
    const QRect square(p.x() - s / 2, p.y() - s / 2, s, s);
    const QImage& background = view_.ViewBackground();
    CopyImageRect(view_.ViewImage(), square.topLeft(), background, square);
    changed(square);
}

void DrawingBoard::Stamp(QPoint p) {
    if (state_.StampDone) return;
    const int size = StampPointSize(state_.StrokeWidthStep);
    DrawCentredGlyph(view_.ViewImage(), p.x() + 5, p.y() + 1, CurrentColour(), size,
                     StampFontFamily(), StampSymbolText(state_.StampSymbolIndex));
    state_.StampDone = true;
    // A glyph reaches at most about two font heights around its centre.
    const int reach = size * 3;
    changed(QRect(p.x() - reach, p.y() - reach, 2 * reach, 2 * reach));
}

QFont DrawingBoard::TextFont() const {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(TextPointSize(state_.StrokeWidthStep));
    return f;
}

void DrawingBoard::CommitText(QPoint topLeft, const QString& text) {
    changed(PaintTextAt(view_.ViewImage(), topLeft, TextFont(), CurrentColour(), text));
}

void DrawingBoard::TakeUndoSnapshot() {
    const QImage& picture = view_.ViewImage();
    if (picture.isNull()) return;
    if (undoSnapshot_.size() != picture.size() || undoSnapshot_.format() != picture.format())
        undoSnapshot_ = NewLargeImage(picture.width(), picture.height(), picture.format());
    CopyWholeImage(undoSnapshot_, picture);
    undoZoom_ = view_.ZoomIndex;
    if (!undoAvailable_) {
        undoAvailable_ = true;
        emit undoAvailableChanged(true);
    }
}

void DrawingBoard::invalidateUndo() {
    if (!undoAvailable_) return;
    undoAvailable_ = false;
    emit undoAvailableChanged(false);
}

void DrawingBoard::Undo() {
    if (!undoAvailable_) return;
    invalidateUndo();
    view_.ChangeZoom(undoZoom_); // redraws only when the zoom differs
    QImage& picture = view_.ViewImage();
    if (picture.size() != undoSnapshot_.size() || picture.format() != undoSnapshot_.format())
        return;
    CopyWholeImage(picture, undoSnapshot_);
    emit view_.viewShown();
    // The snapshot may hold drawings the page does not.
    uncommitted_ = true;
}

void DrawingBoard::RemoveAllDrawings() {
    TakeUndoSnapshot();
    QImage& page = view_.PageBitmapForDrawings();
    const QImage& objects = view_.ObjectPage();
    if (page.size() == objects.size() && page.format() == objects.format())
        CopyWholeImage(page, objects);
    view_.ShowViewport();
}

void DrawingBoard::CommitDrawings() {
    const QImage& picture = view_.ViewImage();
    if (picture.isNull()) return;
    CopyImageRect(view_.PageBitmapForDrawings(), view_.ScrollOffset, picture, picture.rect());
}

void DrawingBoard::RedrawKeepingDrawings() {
    if (view_.exerciseRunning()) {
        view_.RedrawView();
        return;
    }
    // Drawings are where the page, or the view bitmap while they are not committed, differs
    // from the page as rendered with its objects. Drawings only in the view bitmap are found
    // there, which spares splitting the page from the object page.
    const QImage& picture = view_.ViewImage();
    const QPoint scroll = view_.ScrollOffset;
    const bool pageHasDrawings = &view_.PageBitmap() != &view_.ObjectPage();
    const bool fromView = uncommitted_ && !pageHasDrawings &&
                          view_.ObjectPage().rect().contains(QRect(scroll, picture.size()));
    if (uncommitted_ && !fromView) CommitDrawings();
    if (!fromView && &view_.PageBitmap() == &view_.ObjectPage()) {
        view_.RedrawView();
        return;
    }
    const QImage& source = fromView ? picture : view_.PageBitmap();
    const QPoint at = fromView ? scroll : QPoint(0, 0);
    const QImage& objects = view_.ObjectPage();
    const QRect box = DifferingRect(source, objects, at);
    QImage drawn, under;
    if (!box.isEmpty()) {
        drawn = source.copy(box);
        under = objects.copy(box.translated(at));
    }
    const QRect onPage = box.translated(at);
    const QSize before = view_.PageBitmap().size();
    view_.RedrawView();
    if (box.isEmpty() || view_.PageBitmap().size() != before) return;
    // Drawings that all stay in sight go back into the view bitmap, as not yet committed.
    const QRect shown(view_.ScrollOffset, view_.ViewImage().size());
    if (shown.contains(onPage)) {
        CopyDrawnPixels(view_.ViewImage(), onPage.translated(-view_.ScrollOffset), drawn, under);
        changed(onPage.translated(-view_.ScrollOffset));
        return;
    }
    CopyDrawnPixels(view_.PageBitmapForDrawings(), onPage, drawn, under);
    view_.ShowViewport();
}

void DrawingBoard::SetStrokeWidth(int step) {
    state_.StrokeWidthStep = qBound(kMinStrokeStep, step, kMaxStrokeStep);
    if (state_.CurrentTool == DrawTool::Pointer || state_.CurrentTool == DrawTool::Hand)
        emit penRequested();
}

void DrawingBoard::SetDrawColour(int index) {
    if (!IsDrawColourIndex(index)) return;
    state_.DrawColourIndex = index;
    if (state_.CurrentTool == DrawTool::Pointer || state_.CurrentTool == DrawTool::Hand)
        emit penRequested();
}

void DrawingBoard::SetStampSymbol(int index) {
    state_.StampSymbolIndex = qBound(1, index, kStampCount);
}

} // namespace bw
