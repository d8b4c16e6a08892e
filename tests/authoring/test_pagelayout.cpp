// Page layout of the base image, the object transforms and the grid steps, with the exact
// figures authors see.
#include "authoring/objecttypes.h"
#include "authoring/pagelayout.h"
#include "document/docfile.h"
#include "support/docbytes.h"

#include <gtest/gtest.h>

using namespace bw;

namespace {

PageLayout Ratio(int w, int h, double size = 100, double px = 50, double py = 50) {
    PageLayout l;
    l.SeitFest = 1;
    l.SeitBreite = w;
    l.SeitHoehe = h;
    l.BildGroesse = size;
    l.BildPosX = px;
    l.BildPosY = py;
    return l;
}

void ExpectMargins(const DoubleRect& r, double l, double t, double rr, double b) {
    EXPECT_NEAR(r.left, l, 1e-12);
    EXPECT_NEAR(r.top, t, 1e-12);
    EXPECT_NEAR(r.right, rr, 1e-12);
    EXPECT_NEAR(r.bottom, b, 1e-12);
}

ObjDataTyp At(int typ, double x, double y) {
    ObjDataTyp o;
    o.Typ = typ;
    o.Sx = o.Kx = x;
    o.Sy = o.Ky = y;
    return o;
}

} // namespace

TEST(PageLayout, RatioWiderOrNarrowerThanTheImageAddsMarginsOnOneAxis) {
    // 1000 x 500 at 10:7: the page is 1000 x 700, 0.2 above and below.
    ExpectMargins(ComputeMargins(1000, 500, Ratio(10, 7)), 0, 0.2, 0, 0.2);
    ExpectMargins(ComputeMargins(600, 300, Ratio(10, 7)), 0, 0.2, 0, 0.2);
    // A tall image on a wide ratio: page 700 x 500 for 350 x 500, sides 0.5 each.
    ExpectMargins(ComputeMargins(350, 500, Ratio(7, 5)), 0.5, 0, 0.5, 0);
    // The image's own ratio: no margins at all.
    PageLayout own = Ratio(10, 7);
    own.SeitFest = 0;
    ExpectMargins(ComputeMargins(1000, 500, own), 0, 0, 0, 0);
    // A page height of round(W / f) pixels: 1000 / (10 / 12) = 1200 exactly, 333 / 0.9 rounds.
    ExpectMargins(ComputeMargins(1000, 500, Ratio(10, 12)), 0, 0.7, 0, 0.7);
    const DoubleRect r = ComputeMargins(333, 300, Ratio(9, 10));
    EXPECT_NEAR(r.top + r.bottom, 370.0 / 300 - 1, 1e-12);
}

TEST(PageLayout, ImageSizeWidensOrCropsThePageAndAlignmentSplitsTheMargin) {
    // 50 %: the page doubles; 600 x 300 on 10:7 gets 0.5 at the sides and 0.9 above and below.
    ExpectMargins(ComputeMargins(600, 300, Ratio(10, 7, 50)), 0.5, 0.9, 0.5, 0.9);
    ExpectMargins(ComputeMargins(1000, 500, Ratio(10, 7, 50)), 0.5, 0.9, 0.5, 0.9);
    // 150 %: negative extra margin, the page cuts into the image.
    const DoubleRect crop = ComputeMargins(1000, 500, Ratio(10, 7, 150));
    EXPECT_NEAR(crop.left, (1000 / 1.5 - 1000) / 2 / 1000, 1e-12);
    EXPECT_NEAR(crop.top + crop.bottom, 0.4 + 2 * (700 / 1.5 - 700) / 2 / 500, 1e-12);
    EXPECT_LT(crop.left, 0);
    // Alignment 0 puts the whole margin right (bottom), 100 left (top).
    ExpectMargins(ComputeMargins(1000, 500, Ratio(10, 7, 50, 0, 0)), 0, 0, 1.0, 1.8);
    ExpectMargins(ComputeMargins(1000, 500, Ratio(10, 7, 50, 100, 100)), 1.0, 1.8, 0, 0);
    ExpectMargins(ComputeMargins(1000, 500, Ratio(10, 7, 100, 0, 100)), 0, 0.4, 0, 0);
}

TEST(PageLayout, DamagedLayoutValuesGiveAPageNotANaN) {
    PageLayout l = Ratio(0, 7, 0, 1e300, -5);
    const DoubleRect r = ComputeMargins(0, 0, l);
    for (double v : {r.left, r.top, r.right, r.bottom})
        EXPECT_TRUE(std::isfinite(v));
}

TEST(PageLayout, ApplyingAgainAfterReadingChangesOnlyWholePixels) {
    Document doc;
    QImage base(1000, 500, QImage::Format_RGB32);
    base.fill(Qt::white);
    doc.BaseImage = Picture(base);
    doc.CurrentHeader.RandErw = ComputeMargins(1000, 500, Ratio(10, 7, 80, 30, 70));
    const QSize page = doc.PageSize();
    const QPoint origin = doc.BaseImageOrigin();
    Document read = test::ReadBytes(test::WriteBytes(doc));

    read.CurrentHeader.RandErw =
        ComputeMargins(1000, 500, PageLayout::FromHeader(read.CurrentHeader));
    EXPECT_LE(std::abs(read.PageSize().width() - page.width()), 1);
    EXPECT_LE(std::abs(read.PageSize().height() - page.height()), 1);
    EXPECT_LE(std::abs(read.BaseImageOrigin().x() - origin.x()), 1);
    EXPECT_LE(std::abs(read.BaseImageOrigin().y() - origin.y()), 1);
}

TEST(PageLayout, TransformKeepsObjectsOnTheirImageSpot) {
    // No margins, then 0.2 at each side: 0.25 of the page goes to (0.25 + 0.2) / 1.4.
    std::vector<ObjDataTyp> objs{At(TypAbfrage, 0.25, 0.5), At(TypAntwortFeld, 0.25, 0.5),
                                 At(TypLuecke, 0.25, 0.5)};
    TransformToMargins(objs, {0, 0, 0, 0}, {0.2, 0, 0.2, 0});
    EXPECT_NEAR(objs[0].Sx, 0.45 / 1.4, 1e-12);
    EXPECT_NEAR(objs[0].Kx, 0.45 / 1.4, 1e-12);
    EXPECT_NEAR(objs[0].Sy, 0.5, 1e-12);
    EXPECT_EQ(objs[1].Sx, 0.25); // generated objects are laid out anew, not moved
    EXPECT_EQ(objs[2].Sx, 0.25);

    // Whatever margins, cropping included: the image pixel under the object stays.
    const DoubleRect a{0.1, 0.3, 0.5, 0.0},
        b = ComputeMargins(1000, 500, Ratio(10, 7, 150, 20, 80));
    std::vector<ObjDataTyp> o{At(TypInfopunkt, 0.6, 0.4)};
    const double imgX = 0.6 * (1 + a.left + a.right) - a.left;
    const double imgY = 0.4 * (1 + a.top + a.bottom) - a.top;
    TransformToMargins(o, a, b);
    EXPECT_NEAR(o[0].Sx * (1 + b.left + b.right) - b.left, imgX, 1e-12);
    EXPECT_NEAR(o[0].Sy * (1 + b.top + b.bottom) - b.top, imgY, 1e-12);
}

TEST(PageLayout, TransformationDialogScalesShiftsAndClamps) {
    std::vector<ObjDataTyp> objs{At(TypAbfrage, 0.3, 0.6), At(TypFixBild, 0.7, 0.2),
                                 At(TypLuecke, 0.7, 0.7), At(TypFrageText, 0.7, 0.7)};
    TransformObjects(objs, 2, 0, 1, 1000);
    EXPECT_DOUBLE_EQ(objs[0].Sx, 0.6);
    EXPECT_DOUBLE_EQ(objs[0].Sy, 0.7);
    EXPECT_DOUBLE_EQ(objs[1].Kx, 1.0); // beyond the middle: clamped to the edge
    EXPECT_DOUBLE_EQ(objs[2].Sx, 0.7);
    EXPECT_DOUBLE_EQ(objs[3].Sx, 0.7);
}

TEST(PageLayout, GridStepsAndFieldUnits) {
    EXPECT_EQ(GridStepUp(4350), 4400);
    EXPECT_EQ(GridStepUp(4400), 4500);
    EXPECT_EQ(GridStepDown(4350), 4300);
    EXPECT_EQ(GridStepDown(4400), 4300);
    EXPECT_EQ(GridStepDown(50), 0);
    EXPECT_EQ(SnapToGrid(4350), 4400); // ties to even
    EXPECT_EQ(SnapToGrid(4250), 4200);
    EXPECT_EQ(SnapToGrid(4351), 4400);
    EXPECT_EQ(ToUnits(0.12345), 1235);
    EXPECT_EQ(ToUnits(std::nan("")), 0);
    EXPECT_DOUBLE_EQ(RoundToHundredth(0.4349), 0.43);
}

TEST(ObjectTypes, TypeIndexTableAndItsReverse) {
    const int typs[] = {0, 6, 1, 7, 2, 4, 5};
    for (int i = 0; i < kTypeIndexCount; ++i) {
        EXPECT_EQ(TypFromTypeIndex(i), typs[i]);
        EXPECT_EQ(TypeIndexFromTyp(typs[i]), i);
    }
    EXPECT_EQ(TypeIndexFromTyp(TypLuecke), -1);
    EXPECT_EQ(TypeIndexFromTyp(TypAntwortFeld), -1);
    EXPECT_EQ(TypFromTypeIndex(7), -1);
    EXPECT_EQ(LayerForTypeIndex(4, 1), 2);
    EXPECT_EQ(LayerForTypeIndex(2, 2), 2); // back to a fixed label: stays on its layer
    EXPECT_EQ(LayerForTypeIndex(1, 0), 1);
}

TEST(ObjectTypes, DocumentTypeSuffixOnlyOnce) {
    const QString once = AppendDokTypToTitle(QStringLiteral("Flüsse"), 1);
    EXPECT_EQ(once, QStringLiteral("Flüsse - Lückentext"));
    EXPECT_EQ(AppendDokTypToTitle(once, 1), once);
    EXPECT_EQ(AppendDokTypToTitle(once, 3), QStringLiteral("Flüsse - Multiple-Choice-Fragen"));
    EXPECT_EQ(AppendDokTypToTitle(QStringLiteral("A - Einzelfragen - Bildbeschriftung"), 0),
              QStringLiteral("A - Bildbeschriftung"));
}
