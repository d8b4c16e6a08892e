#include "view/learnview.h"

#include "common/helpers.h"
#include "view/bandworker.h"
#include "view/cloze.h"
#include "view/glyphcache.h"
#include "view/objectpainter.h"
#include "view/pagebuffer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace bw {

namespace {

// Pages below this many pixels are drawn on one thread: handing a band over costs more.
constexpr qint64 kTwoBandPixels = 1'000'000;
// 64 rows of a page at 200 % on a large screen stay within a core's cache.
constexpr int kSliceRows = 64;

constexpr QImage::Format kPageFormat = QImage::Format_RGB32;
constexpr QRgb kWhite = 0xFFFFFFFF;

int Round(double v) {
    return static_cast<int>(std::lround(v));
}

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

// Fills the parts of img outside keep.
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

LearnView::BasePlan LearnView::planBase() {
    BasePlan plan;
    const QImage& base = doc_.BaseImage.image();
    if (base.isNull()) halved_ = {}; // a closed document's picture is not kept
    if ((!LayerVisible(0) && !exerciseRunning()) || base.isNull()) return plan;
    const QSize page = doc_.PageSize();
    const QPoint origin = doc_.BaseImageOrigin();
    const double sx = double(page_.width()) / std::max(1, page.width());
    const double sy = double(page_.height()) / std::max(1, page.height());
    plan.target =
        QRect(Round(origin.x() * sx), Round(origin.y() * sy), std::max(1, Round(base.width() * sx)),
              std::max(1, Round(base.height() * sy)));
    if (base.hasAlphaChannel()) {
        // Transparent parts of the base image show the white page.
        plan.mode = BasePlan::Draw;
        plan.source = base;
        plan.fillAll = true;
        return plan;
    }
    if (plan.target.size() == base.size()) {
        plan.mode = BasePlan::Copy;
        plan.source = base.depth() == 32 ? base : base.convertToFormat(kPageFormat);
        return plan;
    }
    // Down to half size, linear filtering straight into the page is as good as averaging and
    // needs no intermediate bitmap; below that it would drop pixels, so average first.
    const bool mild =
        plan.target.width() * 2 >= base.width() && plan.target.height() * 2 >= base.height();
    if (mild && base.depth() == 32) {
        plan.mode = BasePlan::Draw;
        plan.source = base;
        plan.replace = true;
        return plan;
    }
    // Further down, 2 x 2 blocks are averaged (which is area averaging, and cheap) until
    // linear filtering can take over.
    QImage from = base;
    if (base.depth() == 32) {
        int levels = 0;
        for (QSize s = base.size();
             s.width() / 2 >= plan.target.width() && s.height() / 2 >= plan.target.height(); s /= 2)
            ++levels;
        from = halvedBase(base, levels);
        if (plan.target.width() * 2 >= from.width() && plan.target.height() * 2 >= from.height()) {
            plan.mode = BasePlan::Draw;
            plan.source = from;
            plan.replace = true;
            return plan;
        }
    }
    plan.mode = BasePlan::Copy;
    plan.source = from.scaled(plan.target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (plan.source.depth() != 32) plan.source = plan.source.convertToFormat(kPageFormat);
    return plan;
}

QImage LearnView::halvedBase(const QImage& base, int levels) {
    if (levels <= 0) return base;
    if (halved_.key == base.cacheKey() && halved_.levels == levels) return halved_.image;
    // The last halving's memory serves the new one when it fits: a new picture of the same
    // size (another base image, the next document) then costs no fresh pages.
    QImage spare = std::move(halved_.image);
    halved_ = {};
    QImage from = base;
    for (int i = 0; i < levels; ++i) {
        const QSize size(from.width() / 2, from.height() / 2);
        QImage to;
        if (spare.size() == size && spare.format() == from.format() && spare.isDetached())
            to = std::move(spare);
        else
            to = QImage(size, from.format());
        const Pixels32 out = Pixels32::Of(to);
        const int h = size.height();
        if (twoBands_ && qint64(from.width()) * from.height() >= kTwoBandPixels) {
            if (!bands_) bands_ = std::make_unique<BandWorker>();
            bands_->RunBoth([&](int band) {
                if (band == 0)
                    HalveRows(from, out, 0, h / 2);
                else
                    HalveRows(from, out, h / 2, h);
            });
        } else {
            HalveRows(from, out, 0, h);
        }
        from = std::move(to);
    }
    halved_ = {base.cacheKey(), levels, from};
    return from;
}

void LearnView::DrawBaseRows(QImage& page, const BasePlan& plan, int top, int bottom) {
    const QRect rows = QRect(0, top, page.width(), bottom - top).intersected(page.rect());
    if (rows.isEmpty()) return;
    if (plan.mode == BasePlan::White || plan.fillAll) {
        FillImageRect(page, rows, kWhite);
    } else {
        const QRect k = plan.target.intersected(rows);
        if (k.isEmpty()) {
            FillImageRect(page, rows, kWhite);
        } else {
            FillImageRect(page, QRect(0, rows.top(), page.width(), k.top() - rows.top()), kWhite);
            FillImageRect(page, QRect(0, k.bottom() + 1, page.width(), rows.bottom() - k.bottom()),
                          kWhite);
            FillImageRect(page, QRect(0, k.top(), k.left(), k.height()), kWhite);
            FillImageRect(page,
                          QRect(k.right() + 1, k.top(), page.width() - k.right() - 1, k.height()),
                          kWhite);
        }
    }
    if (plan.mode == BasePlan::Copy) {
        const QRect dst = plan.target.intersected(rows);
        if (!dst.isEmpty())
            CopyImageRect(page, dst.topLeft(), plan.source, dst.translated(-plan.target.topLeft()));
    } else if (plan.mode == BasePlan::Draw) {
        QPainter p(&page);
        if (rows != page.rect()) p.setClipRect(rows);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        if (plan.replace) p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(plan.target, plan.source);
    }
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

namespace {

QRect Footprint(const CardLayout& L, bool line) {
    QRect r = L.emptyLabel ? QRect() : L.box;
    // The editor's marker squares reach 6 pixels around both points.
    r = r.united(QRect(L.card, QSize(1, 1)).adjusted(-7, -7, 7, 7));
    if (line) r = r.united(QRect(L.anchor, L.card).normalized().adjusted(-7, -7, 7, 7));
    return r.adjusted(-2, -2, 2, 2);
}

} // namespace

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

namespace {

struct LaidObject {
    int index;
    CardLayout layout;
    int top, bottom; // the rows it may touch
};

// Rows of two bitmaps of the same layout, by their pixels alone: the bands copy at once, and
// asking a QImage for its pixels to write touches its shared state.
struct RowCopy {
    uchar* dst;
    const uchar* src;
    qsizetype bytesPerLine;
    void operator()(int top, int bottom) const {
        if (bottom <= top) return;
        std::memcpy(dst + top * bytesPerLine, src + top * bytesPerLine,
                    std::size_t(bytesPerLine * (bottom - top)));
    }
};

// The row between the two bands: where half of the objects lie above, kept near the middle
// since copying the rows costs the same everywhere.
int BandSplit(const std::vector<LaidObject>& laid, int height) {
    std::vector<int> centres;
    centres.reserve(laid.size());
    for (const LaidObject& l : laid)
        centres.push_back((l.top + l.bottom) / 2);
    int split = height / 2;
    if (!centres.empty()) {
        auto mid = centres.begin() + std::ptrdiff_t(centres.size() / 2);
        std::nth_element(centres.begin(), mid, centres.end());
        split = *mid;
    }
    return std::clamp(split, height / 3, height - height / 3);
}

} // namespace

void LearnView::drawFreshPage(FreshCopy copy, const BasePlan* base) {
    if (page_.isNull()) return;
    emit selectionFrame({}, false);
    cards_.assign(doc_.ObjectCount(), CardPlacement{});
    // Every layout first, on this thread: it writes the cards and the sides the document keeps.
    const ObjectDrawContext ctx = drawContext(page_.size(), TargetScreen);
    std::vector<LaidObject> laid;
    laid.reserve(std::size_t(doc_.ObjectCount()));
    for (int i = 0; i < doc_.ObjectCount(); ++i) {
        if (!ObjectTakesPart(ctx, i, IsObjectVisible(i))) continue;
        ObjDataTyp& o = doc_.CurrentObjects[i];
        CardLayout layout = LayoutObject(ctx, i);
        o.KAusrAkt = layout.side;
        cards_[i] = PlacementOf(layout, page_.size());
        if (i == selectedObject && editorOpen)
            emit selectionFrame(PageRectToView(cards_[i].KRect).adjusted(-4, -4, 4, 4), true);
        // Text may spill out of its box by a line.
        const QRect reach = Footprint(layout, o.Sline == 1).united(layout.textRect);
        const int slack = layout.lineHeight + 4;
        laid.push_back({i, std::move(layout), reach.top() - slack, reach.bottom() + slack});
    }

    const int height = page_.height();
    QImage& dst = copy == FreshCopy::PageToClean ? clean_ : page_;
    const QImage& src = copy == FreshCopy::PageToClean ? page_ : clean_;
    const bool rowsMatch = dst.size() == src.size() && dst.format() == src.format() &&
                           dst.bytesPerLine() == src.bytesPerLine();
    const bool twoBands =
        twoBands_ && rowsMatch && qint64(page_.width()) * height >= kTwoBandPixels;
    if (base && !twoBands) {
        DrawBaseRows(page_, *base, 0, height);
        base = nullptr;
    }
    // Both bitmaps are written below: any detaching happens here, before pixels are shared out.
    uchar* const pageBits = page_.bits();
    uchar* const cleanBits = clean_.bits();
    const bool toClean = copy == FreshCopy::PageToClean;
    const RowCopy copyRows{toClean ? cleanBits : pageBits, toClean ? pageBits : cleanBits,
                           src.bytesPerLine()};
    auto drawBand = [&](QImage& target, int top, int bottom, bool ownFonts) {
        if (base) {
            // In slices that are still in the cache when copied to the clean page.
            for (int r = top; r < bottom; r += kSliceRows) {
                const int end = std::min(bottom, r + kSliceRows);
                DrawBaseRows(target, *base, r, end);
                copyRows(r, end);
            }
        } else if (rowsMatch) {
            copyRows(top, bottom);
        } else {
            CopyWholeImage(dst, src);
        }
        QPainter p(&target);
        if (top > 0 || bottom < height) p.setClipRect(QRect(0, top, target.width(), bottom - top));
        for (const LaidObject& l : laid) {
            if (l.bottom < top || l.top >= bottom) continue;
            if (!ownFonts) {
                PaintObject(p, ctx, l.index, l.layout, true);
                continue;
            }
            CardLayout layout = l.layout;
            layout.font = ThreadFont(layout.font);
            PaintObject(p, ctx, l.index, layout, true);
        }
    };
    if (!twoBands) {
        drawBand(page_, 0, height, false);
        return;
    }
    if (!bands_) bands_ = std::make_unique<BandWorker>();
    const int split = BandSplit(laid, height);
    // The lower band paints through an image of its own over the same pixels: a bitmap takes
    // one painter at a time, and the two bands never touch the same row.
    QImage lower(pageBits, page_.width(), height, page_.bytesPerLine(), page_.format());
    bands_->RunBoth([&](int band) {
        if (band == 0)
            drawBand(page_, 0, split, false);
        else
            drawBand(lower, split, height, true);
    });
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
