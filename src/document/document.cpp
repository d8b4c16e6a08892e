#include "document/document.h"

#include <algorithm>
#include <cmath>

namespace bw {

QImage StartBasisbild() {
    QImage img(300, 210, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

void Document::ClearObjects() { CurrentObjects.clear(); }

void Document::DeleteObject(int index) {
    if (!ValidIndex(index))
        return;
    CurrentObjects.erase(CurrentObjects.begin() + index);
}

int Document::AddGeneratedObject(int typ, int ebene, const QString& cap, int fsize, int kausr,
                                 double kx, double ky, int frageNummer) {
    ObjDataTyp o;
    o.Typ = typ;
    o.Ebene = ebene;
    o.Cap = cap;
    o.Fsize = fsize;
    o.KAusr = kausr;
    o.Kx = kx;
    o.Ky = ky;
    o.Sx = kx;
    o.Sy = ky;
    o.FrageNummer = frageNummer;
    o.Abgedeckt = -1;
    o.Sline = 0;
    o.TAusr = 0;
    CurrentObjects.push_back(std::move(o));
    return ObjectCount() - 1;
}

void Document::ResetHeader(const PageRatioDefaults& defaults) {
    HeaderDataTyp h;
    h.SeitFest = defaults.SeitFest;
    h.SeitBreite = defaults.SeitBreite;
    h.SeitHoehe = defaults.SeitHoehe;
    CurrentHeader = h;
}

bool Document::IsAskedQueryObject(int index) const {
    if (!ValidIndex(index))
        return false;
    return IsAskedType(CurrentHeader.DokTyp, CurrentObjects[index].Typ);
}

int Document::CountQueryObjects(bool onlyOpen) const {
    int n = 0;
    for (int i = 0; i < ObjectCount(); ++i) {
        if (IsAskedQueryObject(i) && (!onlyOpen || CurrentObjects[i].Abgedeckt == StateOffen))
            ++n;
    }
    return n;
}

int Document::CountOpenObjects() const {
    return static_cast<int>(std::count_if(CurrentObjects.begin(), CurrentObjects.end(),
                                          [](const ObjDataTyp& o) {
                                              return o.Abgedeckt == StateOffen;
                                          }));
}

namespace {
// Kept within an int however absurd the margins of a damaged file are.
int RoundToInt(double v) {
    if (std::isnan(v))
        return 0;
    return static_cast<int>(std::clamp(std::round(v), -2147483647.0, 2147483647.0));
}
} // namespace

QSize Document::PageSize() const {
    const DoubleRect& r = CurrentHeader.RandErw;
    const double w = BaseImage.width();
    const double h = BaseImage.height();
    // At least one pixel each way, whatever the margins say.
    return {std::max(1, RoundToInt((1 + r.left + r.right) * w)),
            std::max(1, RoundToInt((1 + r.top + r.bottom) * h))};
}

QPoint Document::BaseImageOrigin() const {
    const DoubleRect& r = CurrentHeader.RandErw;
    return {RoundToInt(BaseImage.width() * r.left), RoundToInt(BaseImage.height() * r.top)};
}

void Document::ComputeDerivedGeometry() {
    HeaderDataTyp& hd = CurrentHeader;
    const DoubleRect& r = hd.RandErw;
    const double w = std::max(1, BaseImage.width());
    const double h = std::max(1, BaseImage.height());
    const QSize page = PageSize();
    const double W = page.width();
    const double H = page.height();
    hd.SeitFest = 1;
    hd.SeitBreite = static_cast<int>(W);
    hd.SeitHoehe = static_cast<int>(H);
    hd.BildPosX = (r.left + r.right > 0) ? r.left / (r.left + r.right) * 100 : 50;
    hd.BildPosY = (r.top + r.bottom > 0) ? r.top / (r.top + r.bottom) * 100 : 50;
    hd.BildRand = (W - std::max(w, h * W / H)) / w / 2 * 100;
    hd.BildGroesse = std::max(h / H, w / W) * 100;
}

} // namespace bw
