#include "authoring/toolwindowplace.h"

#include "document/document.h"
#include "view/learnview.h"

#include <algorithm>

namespace bw {

namespace {

constexpr int kGap = 4;

long long Covered(const QRect& window, const QRect& picture) {
    const QRect r = window.intersected(picture);
    return r.isEmpty() ? 0 : static_cast<long long>(r.width()) * r.height();
}

} // namespace

QPoint ToolWindowPlace(const ToolWindowRoom& room, QSize size) {
    const QRect& screen = room.screen;
    const int w = size.width();
    const int h = size.height();
    const int y = std::max(screen.top(), std::min(room.top, screen.bottom() + 1 - h));

    const int outsideRight = room.mainFrame.right() + 1 + kGap;
    if (outsideRight + w <= screen.right() + 1) return {outsideRight, y};
    const int outsideLeft = room.mainFrame.left() - kGap - w;
    if (outsideLeft >= screen.left()) return {outsideLeft, y};

    const QRect view = room.view.isEmpty() ? room.mainFrame : room.view;
    const int right = view.right() + 1 - kGap - w;
    const int left = view.left() + kGap;
    const int x =
        Covered(QRect(left, y, w, h), room.picture) < Covered(QRect(right, y, w, h), room.picture)
            ? left
            : right;
    return {std::max(screen.left(), std::min(x, screen.right() + 1 - w)), y};
}

QRect BaseImageInView(const Document& doc, const LearnView& view) {
    const QSize page = doc.PageSize();
    if (page.isEmpty() || doc.BaseImage.isNull()) return {};
    const QPoint o = doc.BaseImageOrigin();
    const double pw = page.width();
    const double ph = page.height();
    const DoubleRect r{o.x() / pw, o.y() / ph, (o.x() + doc.BaseImage.width()) / pw,
                       (o.y() + doc.BaseImage.height()) / ph};
    return view.PageRectToView(r);
}

} // namespace bw
