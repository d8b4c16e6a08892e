// Building the page: the base image as planned for the zoom, and the cards on it, in two
// bands at once on a large page.

#include "common/helpers.h"
#include "platform/largememory.h"
#include "view/bandworker.h"
#include "view/glyphcache.h"
#include "view/learnview.h"
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

} // namespace

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
        from = halvedBase(doc_.BaseImage, levels);
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

BandWorker& LearnView::bands() {
    // Made at the first large page: a view that never draws one keeps no thread.
    if (!bands_) bands_ = std::make_unique<BandWorker>();
    return *bands_;
}

QImage LearnView::halvedBase(const Picture& picture, int levels) {
    const QImage& base = picture.image();
    if (levels <= 0) return base;
    if (halved_.key == base.cacheKey() && halved_.levels == levels) return halved_.image;
    // The last halving's memory serves the new one when it fits: a new picture of the same
    // size (another base image, the next document) then costs no fresh pages.
    QImage spare = std::move(halved_.image);
    halved_ = {};
    QImage from = base;
    int done = 0;
    // The reader's halvings are the first steps, made while the rows were fresh from the
    // decoder.
    QSize size = base.size();
    for (const QImage& made : picture.halvings()) {
        size = QSize(size.width() / 2, size.height() / 2);
        if (done == levels || made.size() != size || made.format() != base.format()) break;
        from = made;
        ++done;
    }
    for (int i = done; i < levels; ++i) {
        const QSize size(from.width() / 2, from.height() / 2);
        QImage to;
        if (spare.size() == size && spare.format() == from.format() && spare.isDetached())
            to = std::move(spare);
        else
            to = NewLargeImage(size.width(), size.height(), from.format());
        const Pixels32 out = Pixels32::Of(to);
        const int h = size.height();
        if (twoBands_ && qint64(from.width()) * from.height() >= kTwoBandPixels) {
            bands().RunBoth([&](int band) {
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
    const int split = BandSplit(laid, height);
    // The lower band paints through an image of its own over the same pixels: a bitmap takes
    // one painter at a time, and the two bands never touch the same row.
    QImage lower(pageBits, page_.width(), height, page_.bytesPerLine(), page_.format());
    bands().RunBoth([&](int band) {
        if (band == 0)
            drawBand(page_, 0, split, false);
        else
            drawBand(lower, split, height, true);
    });
}

} // namespace bw
