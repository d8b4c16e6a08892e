#include "authoring/pagelayout.h"

#include "authoring/objecttypes.h"
#include "document/objtypes.h"

#include <algorithm>
#include <cmath>

namespace bw {

PageLayout PageLayout::FromHeader(const HeaderDataTyp& h) {
    return {h.SeitFest, h.SeitBreite, h.SeitHoehe, h.BildGroesse, h.BildPosX, h.BildPosY};
}

void PageLayout::ToHeader(HeaderDataTyp& h) const {
    h.SeitFest = SeitFest;
    h.SeitBreite = SeitBreite;
    h.SeitHoehe = SeitHoehe;
    h.BildGroesse = BildGroesse;
    h.BildPosX = BildPosX;
    h.BildPosY = BildPosY;
}

namespace {
bool Finite(double v) {
    return std::isfinite(v);
}
} // namespace

DoubleRect ComputeMargins(int width, int height, const PageLayout& layout) {
    const double W = std::max(1, width);
    const double H = std::max(1, height);
    double PW = W, PH = H;
    // A ratio of a damaged file (zero or negative) keeps the image's own ratio.
    if (layout.SeitFest == 1 && layout.SeitBreite > 0 && layout.SeitHoehe > 0) {
        const double c = W / H;
        const double f = double(layout.SeitBreite) / layout.SeitHoehe;
        if (f >= c) {
            PW = std::round(H * f);
        } else {
            PH = std::round(W / f);
        }
    }
    const double L = (PW / W - 1) / 2;
    const double T = (PH / H - 1) / 2;

    // A size outside any sense (zero, negative, not a number) counts as 100 %.
    const double s =
        Finite(layout.BildGroesse) && layout.BildGroesse > 0 ? layout.BildGroesse / 100 : 1.0;
    const double eX = (PW / s - PW) / 2 / W;
    const double eY = (PH / s - PH) / 2 / H;

    const double mX = 2 * L + 2 * eX;
    const double mY = 2 * T + 2 * eY;
    const double px = Finite(layout.BildPosX) ? std::clamp(layout.BildPosX, 0.0, 100.0) : 50;
    const double py = Finite(layout.BildPosY) ? std::clamp(layout.BildPosY, 0.0, 100.0) : 50;
    DoubleRect r;
    r.left = mX * px / 100;
    r.right = mX - r.left;
    r.top = mY * py / 100;
    r.bottom = mY - r.top;
    return r;
}

void TransformToMargins(std::vector<ObjDataTyp>& objects, const DoubleRect& o,
                        const DoubleRect& n) {
    const double oldW = 1 + o.left + o.right, newW = 1 + n.left + n.right;
    const double oldH = 1 + o.top + o.bottom, newH = 1 + n.top + n.bottom;
    if (!(newW > 0) || !(newH > 0)) return;
    auto tx = [&](double x) { return (x * oldW - o.left + n.left) / newW; };
    auto ty = [&](double y) { return (y * oldH - o.top + n.top) / newH; };
    for (ObjDataTyp& ob : objects) {
        if (!IsEditableTyp(ob.Typ)) continue;
        ob.Sx = tx(ob.Sx);
        ob.Kx = tx(ob.Kx);
        ob.Sy = ty(ob.Sy);
        ob.Ky = ty(ob.Ky);
    }
}

void TransformObjects(std::vector<ObjDataTyp>& objects, double factorX, double offsetX,
                      double factorY, double offsetY) {
    auto clamp01 = [](double v) { return Finite(v) ? std::clamp(v, 0.0, 1.0) : 0.0; };
    for (ObjDataTyp& ob : objects) {
        if (ob.Typ >= 10 || ob.Typ == TypLuecke) continue;
        ob.Sx = clamp01(factorX * ob.Sx + offsetX / 10000);
        ob.Kx = clamp01(factorX * ob.Kx + offsetX / 10000);
        ob.Sy = clamp01(factorY * ob.Sy + offsetY / 10000);
        ob.Ky = clamp01(factorY * ob.Ky + offsetY / 10000);
    }
}

int ToUnits(double fraction) {
    if (!Finite(fraction)) return 0;
    return static_cast<int>(std::clamp(std::round(fraction * 10000), -1e9, 1e9));
}

int GridStepDown(int units) {
    return 100 * static_cast<int>(std::ceil((units - 100) / 100.0));
}

int GridStepUp(int units) {
    return 100 * static_cast<int>(std::floor((units + 100) / 100.0));
}

int SnapToGrid(int units) {
    return 100 * static_cast<int>(std::nearbyint(units / 100.0)); // default mode: ties to even
}

double RoundToHundredth(double fraction) {
    return std::round(fraction * 100) / 100;
}

} // namespace bw
