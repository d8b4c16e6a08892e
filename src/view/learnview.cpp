#include "view/learnview.h"

#include "common/helpers.h"
#include "view/bandworker.h"
#include "view/cloze.h"
#include "view/objectpainter.h"
#include "view/pagebuffer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace bw {

namespace {

// The page fitted into a w x h box without distortion.
QSize FitInto(QSize page, int w, int h) {
    if (page.isEmpty() || w <= 0 || h <= 0) return {std::max(1, w), std::max(1, h)};
    if (double(page.height()) / h > double(page.width()) / w)
        return {std::max(1, Round(double(h) * page.width() / page.height())), h};
    return {w, std::max(1, Round(double(w) * page.height() / page.width()))};
}

// True when img was reshaped (its pixels are then undefined).
bool EnsureImage(ImageStore& store, QImage& img, QSize size, QImage::Format format,
                 std::size_t reserveBytes = 0) {
    if (img.size() == size && img.format() == format) return false;
    store.Shape(img, size, format, reserveBytes);
    return true;
}

// The page fitted into a w x h control and enlarged by zoom, and the part of it that the
// control shows.
struct ZoomedFit {
    QSize zoomed;
    QSize visible;
};

ZoomedFit FitZoomed(QSize page, int w, int h, double zoom) {
    w = std::max(1, w);
    h = std::max(1, h);
    const QSize fitted = FitInto(page, w, h);
    const QSize zoomed(std::max(1, Round(fitted.width() * zoom)),
                       std::max(1, Round(fitted.height() * zoom)));
    return {zoomed, QSize(std::min(zoomed.width(), w), std::min(zoomed.height(), h))};
}

// The page bitmap's size at zoom: the whole page fitted into the zoomed visible box.
QSize ZoomedPageSize(QSize page, QSize control, double zoom) {
    const QSize visible = FitZoomed(page, control.width(), control.height(), zoom).visible;
    return FitInto(page, Round(visible.width() * zoom), Round(visible.height() * zoom));
}

// Moves the viewport by page fractions, keeping its size and keeping it on the page.
void MoveViewport(DoubleRect& v, double mx, double my) {
    v = OffsetDoubleRect(v, DoubleRect{0, 0, 1, 1}, mx, my);
}

} // namespace

LearnView::LearnView(Document& doc, QObject* parent)
    : QObject(parent), doc_(doc), twoBands_(BandWorker::MachineHasTwoCores()) {}

LearnView::~LearnView() = default;

double LearnView::Scale() const {
    return std::max(1, page_.width()) / 870.0;
}

ObjectDrawContext LearnView::drawContext(QSize page, int targetKind) const {
    ObjectDrawContext ctx;
    ctx.doc = &doc_;
    ctx.page = page;
    ctx.scale = std::max(1, page.width()) / 870.0;
    ctx.viewAspect = ViewAspect;
    ctx.targetKind = targetKind;
    ctx.editorOpen = editorOpen;
    ctx.selectedObject = selectedObject;
    ctx.currentQuestion = CurrentQuestion;
    ctx.clozeFontReduction = ClozeFontReduction;
    ctx.exercise = &exercise;
    return ctx;
}

// ---- size, zoom, layers ----

void LearnView::SetViewSize(int width, int height) {
    control_ = QSize(std::max(0, width), std::max(0, height));
}

void LearnView::SetZoom(int index) {
    ZoomIndex = std::clamp(index, 0, kZoomCount - 1);
    ZoomFactor = kZoomTable[ZoomIndex];
    emit zoomChanged(ZoomIndex);
}

void LearnView::ChangeZoom(int index) {
    index = std::clamp(index, 0, kZoomCount - 1);
    if (index == ZoomIndex) return;
    SetZoom(index);
    if (!exerciseRunning()) RedrawView();
}

void LearnView::ZoomIn() {
    if (ZoomIndex <= 3) ChangeZoom(std::min(kZoomCount - 1, ZoomIndex + 2));
}

void LearnView::ZoomOut() {
    if (ZoomIndex >= 1) ChangeZoom(std::max(0, ZoomIndex - 2));
}

void LearnView::SetLayerVisible(int layer, bool visible) {
    if (layer >= 0 && layer < kLayerCount) layers_[layer] = visible;
}

bool LearnView::LayerVisible(int layer) const {
    return layer < 0 || layer >= kLayerCount || layers_[layer];
}

bool LearnView::IsObjectVisible(int index) const {
    if (!doc_.ValidIndex(index)) return false;
    return exerciseRunning() || LayerVisible(doc_.CurrentObjects[index].Ebene);
}

bool LearnView::DocumentPresent() const {
    const HeaderDataTyp& h = doc_.CurrentHeader;
    return !h.Datei.isEmpty() || h.Geaendert || editorOpen || !h.titel.isEmpty() ||
           !h.lueckentext.isEmpty() || !h.fragentext.isEmpty() || doc_.ObjectCount() > 0;
}

// ---- the page ----

QSizeF LearnView::RenderPage(QImage& target, int width, int height, double zoom) const {
    const QSize page = doc_.PageSize();
    const auto [zoomed, visible] = FitZoomed(page, width, height, zoom);
    target = QImage(visible, kPageFormat);
    target.fill(Qt::white);
    QPainter p(&target);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QPoint origin = doc_.BaseImageOrigin();
    const double sx = double(zoomed.width()) / std::max(1, page.width());
    const double sy = double(zoomed.height()) / std::max(1, page.height());
    const QPointF shift(-Viewport.left * zoomed.width(), -Viewport.top * zoomed.height());
    const QRectF base(QPointF(origin.x() * sx, origin.y() * sy) + shift,
                      QSizeF(doc_.BaseImage.width() * sx, doc_.BaseImage.height() * sy));
    p.drawImage(base, doc_.BaseImage.image());
    return {double(visible.width()) / zoomed.width(), double(visible.height()) / zoomed.height()};
}

void LearnView::RedrawView() {
    emit drawingUndoInvalidated();
    if (DocumentPresent()) emit hideStartScreen();

    const QSize page = doc_.PageSize();
    const auto [zoomed, visible] = FitZoomed(page, control_.width(), control_.height(), ZoomFactor);
    const double fw = double(visible.width()) / zoomed.width();
    const double fh = double(visible.height()) / zoomed.height();

    ViewAspect = double(visible.width()) / visible.height();
    const double cx = (Viewport.left + Viewport.right) / 2;
    const double cy = (Viewport.top + Viewport.bottom) / 2;
    Viewport.left = std::clamp(cx - fw / 2, 0.0, 1.0 - fw);
    Viewport.right = Viewport.left + fw;
    Viewport.top = std::clamp(cy - fh / 2, 0.0, 1.0 - fh);
    Viewport.bottom = Viewport.top + fh;

    // Room for the largest bitmaps this document and view need, so that zooming reuses it.
    const std::size_t viewReserve = ImageStore::BytesFor(control_, QImage::Format_ARGB32);
    const std::size_t pageReserve = ImageStore::BytesFor(
        ZoomedPageSize(page, control_, kZoomTable[kZoomCount - 1]), kPageFormat);
    EnsureImage(viewStore_, view_, visible, kPageFormat, viewReserve);
    // Cleared to transparent white; untouched since the last clearing, it still is.
    if (EnsureImage(drawLayerStore_, drawLayer_, visible, QImage::Format_ARGB32, viewReserve) ||
        drawLayerTouched_)
        drawLayer_.fill(0x00FFFFFF);
    drawLayerTouched_ = false;

    const QSize pageSize = ZoomedPageSize(page, control_, ZoomFactor);
    EnsureImage(pageStore_, page_, pageSize, kPageFormat, pageReserve);
    EnsureImage(cleanStore_, clean_, pageSize, kPageFormat, pageReserve);
    viewBackgroundValid_ = false;
    const BasePlan base = planBase();
    // A cloze text and the editor's grid go between the base image and the cards; otherwise
    // the base is drawn band by band with the cards.
    const bool baseWithCards = doc_.CurrentHeader.DokTyp != DokLueckentext && !editorOpen;
    if (!baseWithCards) DrawBaseRows(page_, base, 0, page_.height());

    ClozeFontReduction = 0;
    BuildClozeObjects(false);
    BuildQuestionObjects(false);
    BuildChoiceObjects(false);
    if (editorOpen) drawEditorGrid();

    drawFreshPage(FreshCopy::PageToClean, baseWithCards ? &base : nullptr);
    objectPageIsPage_ = true;
    ShowViewport();
}

void LearnView::drawEditorGrid() {
    const QRgb grey = qRgb(208, 208, 208);
    const int W = page_.width();
    const int H = page_.height();
    for (int i = 1; i < 20; ++i) {
        const int x = std::min(W - 1, Round(i * W / 20.0));
        const int y = std::min(H - 1, Round(i * H / 20.0));
        for (int t = 0; t < H; t += 2)
            page_.setPixel(x, t, grey);
        for (int t = 0; t < W; t += 2)
            page_.setPixel(t, y, grey);
    }
    for (int i = 0; i <= 100; ++i) {
        const int x = std::min(W - 1, Round(i * W / 100.0));
        for (int j = 0; j <= 100; ++j)
            page_.setPixel(x, std::min(H - 1, Round(j * H / 100.0)), grey);
    }
}

void LearnView::BuildClozeObjects(bool rebuild) {
    ClozeLayoutOptions options;
    options.rebuildGaps = rebuild;
    options.baseLayerVisible = LayerVisible(0);
    options.exerciseRunning = exerciseRunning();
    const bool laidOut = bw::LayoutClozeText(doc_, page_, ClozeFontReduction, options);
    if (rebuild && (laidOut || doc_.CurrentHeader.DokTyp == DokLueckentext))
        SetNumberMode(NumberMode, false);
}

// ---- objects ----

QRect LearnView::Footprint(const CardLayout& L, bool line) {
    QRect r = L.emptyLabel ? QRect() : L.box;
    // The editor's marker squares reach 6 pixels around both points.
    r = r.united(QRect(L.card, QSize(1, 1)).adjusted(-7, -7, 7, 7));
    if (line) r = r.united(QRect(L.anchor, L.card).normalized().adjusted(-7, -7, 7, 7));
    return r.adjusted(-2, -2, 2, 2);
}

void LearnView::RedrawObjects() {
    if (page_.isNull()) {
        RedrawView();
        return;
    }
    drawFreshPage(FreshCopy::CleanToPage);
    objectPageIsPage_ = true;
    ShowViewport();
}

void LearnView::DrawAllObjects(bool lines, bool updateScreen, bool refresh) {
    drawAll(lines, updateScreen);
    if (refresh) notifyShown();
}

void LearnView::drawAll(bool lines, bool updateScreen) {
    if (page_.isNull()) return;
    emit selectionFrame({}, false);
    QPainter p(&page_);
    for (int i = 0; i < doc_.ObjectCount(); ++i)
        drawObjectWith(p, i, lines, updateScreen, false);
}

void LearnView::DrawObject(QImage& target, int index, bool lines, bool updateScreen, bool refresh,
                           int targetKind) {
    if (!doc_.ValidIndex(index) || target.isNull()) return;
    if (&target == &page_ && targetKind == TargetScreen) {
        QPainter p(&page_);
        drawObjectWith(p, index, lines, updateScreen, refresh);
        return;
    }
    // Another target: the screen's layout stays as it is.
    const ObjectDrawContext ctx = drawContext(target.size(), targetKind);
    if (!ObjectTakesPart(ctx, index, IsObjectVisible(index))) return;
    QPainter p(&target);
    PaintObject(p, ctx, index, LayoutObject(ctx, index), lines);
}

void LearnView::fixCardSidesAtFit() {
    // Cards placed automatically take the side they get at 100 %, where a document opens;
    // only their side is worked out, nothing is drawn.
    const QSize fit = FitZoomed(doc_.PageSize(), control_.width(), control_.height(), 1.0).visible;
    ObjectDrawContext ctx = drawContext(fit, TargetScreen);
    ctx.viewAspect = double(fit.width()) / fit.height();
    for (int i = 0; i < doc_.ObjectCount(); ++i) {
        if (ObjectTakesPart(ctx, i, IsObjectVisible(i)))
            doc_.CurrentObjects[i].KAusrAkt = LayoutObject(ctx, i).side;
    }
}

void LearnView::PlaceCard(int index, const CardPlacement& placement) {
    if (!doc_.ValidIndex(index)) return;
    if (int(cards_.size()) < doc_.ObjectCount()) cards_.resize(doc_.ObjectCount());
    cards_[index] = placement;
}

const CardPlacement& LearnView::Card(int index) const {
    static const CardPlacement unset;
    return index >= 0 && index < int(cards_.size()) ? cards_[index] : unset;
}

void LearnView::ObjectEdited(int index) {
    if (holdEditRedraws) return;
    DrawObject(index, true, true, true);
}

QRect LearnView::ObjectFootprint(int index) const {
    if (page_.isNull() || !doc_.ValidIndex(index)) return {};
    const ObjectDrawContext ctx = drawContext(page_.size(), TargetScreen);
    if (!ObjectTakesPart(ctx, index, IsObjectVisible(index))) return {};
    return Footprint(LayoutObject(ctx, index), doc_.CurrentObjects[index].Sline == 1);
}

void LearnView::RedrawMovedObject(int index, const QRect& before) {
    if (page_.isNull()) return;
    const QRect dirty = before.united(ObjectFootprint(index)).intersected(page_.rect());
    if (dirty.isEmpty()) return;
    CopyImageRect(page_, dirty.topLeft(), clean_, dirty);
    const ObjectDrawContext ctx = drawContext(page_.size(), TargetScreen);
    if (int(cards_.size()) < doc_.ObjectCount()) cards_.resize(doc_.ObjectCount());
    QPainter p(&page_);
    p.setClipRect(dirty);
    for (int i = 0; i < doc_.ObjectCount(); ++i) {
        if (!ObjectTakesPart(ctx, i, IsObjectVisible(i))) continue;
        ObjDataTyp& o = doc_.CurrentObjects[i];
        const CardLayout layout = LayoutObject(ctx, i);
        if (!Footprint(layout, o.Sline == 1).intersects(dirty)) continue;
        o.KAusrAkt = layout.side;
        cards_[i] = PlacementOf(layout, page_.size());
        PaintObject(p, ctx, i, layout, true);
    }
    p.end();
    if (index == selectedObject && editorOpen && doc_.ValidIndex(index))
        emit selectionFrame(PageRectToView(cards_[index].KRect).adjusted(-4, -4, 4, 4), true);
    copyBoxToScreen(dirty, true);
}

void LearnView::drawObjectWith(QPainter& p, int index, bool lines, bool updateScreen,
                               bool refresh) {
    const ObjectDrawContext ctx = drawContext(page_.size(), TargetScreen);
    if (!ObjectTakesPart(ctx, index, IsObjectVisible(index))) return;
    ObjDataTyp& o = doc_.CurrentObjects[index];
    if (int(cards_.size()) < doc_.ObjectCount()) cards_.resize(doc_.ObjectCount());
    CardPlacement& placed = cards_[index];
    const bool questionLayout = HasTrait(o.Typ, TraitQuestionLayout);
    const bool questionDoc = IsQuestionDocument(doc_.CurrentHeader.DokTyp);
    QRect erased;
    if (!(questionLayout && o.FrageNummer != CurrentQuestion) &&
        !(exerciseRunning() && questionDoc)) {
        erased = KRectPixels(placed, page_.size());
        if (!erased.isEmpty()) {
            CopyImageRect(page_, erased.topLeft(), clean_, erased);
            if (exerciseRunning()) copyBoxToScreen(erased, refresh);
        }
    }
    const CardLayout layout = LayoutObject(ctx, index);
    // A card keeps the side it was first placed on; the document stores it.
    o.KAusrAkt = layout.side;
    placed = PlacementOf(layout, page_.size());
    PaintObject(p, ctx, index, layout, lines);
    const QRect box = layout.emptyLabel ? QRect() : layout.box;
    if (index == selectedObject && editorOpen)
        emit selectionFrame(PageRectToView(placed.KRect).adjusted(-4, -4, 4, 4), true);
    if (updateScreen) {
        // The old box too, in case the new one is smaller; a little margin for antialiasing.
        QRect r = box.isEmpty() ? erased : box.united(erased);
        if (!r.isEmpty()) copyBoxToScreen(r.adjusted(-1, -1, 1, 1), refresh);
        if (exerciseRunning()) emit exerciseRepaint();
    }
}

void LearnView::copyBoxToScreen(const QRect& pageRect, bool refresh) {
    const QRect r = pageRect.intersected(page_.rect());
    if (r.isEmpty()) return;
    if (!objectPageIsPage_) CopyImageRect(objectPage_, r.topLeft(), page_, r);
    const QPoint viewPos = r.topLeft() - ScrollOffset;
    CopyImageRect(view_, viewPos, page_, r);
    if (viewBackgroundValid_) CopyImageRect(viewBackground_, viewPos, page_, r);
    if (refresh) {
        const QRect v = QRect(viewPos, r.size()).intersected(view_.rect());
        if (!v.isEmpty()) emit viewRectChanged(v);
    }
}

// ---- viewport ----

void LearnView::ShowViewport() {
    if (page_.isNull() || view_.isNull()) return;
    ScrollOffset =
        QPoint(Round(page_.width() * Viewport.left), Round(page_.height() * Viewport.top));
    const QRect src(ScrollOffset, view_.size());
    if (!page_.rect().contains(src)) view_.fill(kWhite);
    CopyImageRect(view_, {0, 0}, page_, src);
    viewBackgroundValid_ = false;
    emit viewportMoved();
    notifyShown();
}

const QImage& LearnView::ViewBackground() {
    if (!viewBackgroundValid_ && !view_.isNull()) {
        EnsureImage(viewBackgroundStore_, viewBackground_, view_.size(), kPageFormat,
                    ImageStore::BytesFor(control_, kPageFormat));
        const QRect src(ScrollOffset, view_.size());
        const QImage& objects = ObjectPage();
        if (!objects.rect().contains(src)) viewBackground_.fill(kWhite);
        CopyImageRect(viewBackground_, {0, 0}, objects, src);
        viewBackgroundValid_ = true;
    }
    return viewBackground_;
}

QImage& LearnView::PageBitmapForDrawings() {
    if (objectPageIsPage_ && !page_.isNull()) {
        EnsureImage(objectStore_, objectPage_, page_.size(), kPageFormat, clean_.sizeInBytes());
        CopyWholeImage(objectPage_, page_);
        objectPageIsPage_ = false;
    }
    return page_;
}

void LearnView::notifyShown() {
    emit viewShown();
}

void LearnView::BeginPan() {
    emit commitDrawings();
}

void LearnView::Pan(int dx, int dy) {
    if (page_.isNull()) return;
    MoveViewport(Viewport, double(dx) / page_.width(), double(dy) / page_.height());
    ShowViewport();
}

void LearnView::Scroll(double fx, double fy) {
    emit commitDrawings();
    MoveViewport(Viewport, fx * Viewport.width(), fy * Viewport.height());
    ShowViewport();
}

QPointF LearnView::ViewToPage(QPointF v) const {
    const double vw = std::max(1, view_.width());
    const double vh = std::max(1, view_.height());
    const double x = Viewport.left + v.x() * Viewport.width() / vw;
    const double y = Viewport.top + v.y() * Viewport.height() / vh;
    return {std::clamp(x, 0.0, 1.0), std::clamp(y, 0.0, 1.0)};
}

QPointF LearnView::PageToView(QPointF f) const {
    const double w = Viewport.width() > 0 ? Viewport.width() : 1;
    const double h = Viewport.height() > 0 ? Viewport.height() : 1;
    return {double(Round((f.x() - Viewport.left) * view_.width() / w)),
            double(Round((f.y() - Viewport.top) * view_.height() / h))};
}

QRect LearnView::PageRectToView(const DoubleRect& r) const {
    const QPointF tl = PageToView({r.left, r.top});
    const QPointF br = PageToView({r.right, r.bottom});
    return QRect(tl.toPoint(), br.toPoint()).adjusted(0, 0, -1, -1);
}

} // namespace bw
