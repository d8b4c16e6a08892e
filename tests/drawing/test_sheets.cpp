#include "drawing/sheets.h"

#include <QList>
#include <gtest/gtest.h>

using namespace bw;

namespace {

bool Grey(const QImage& img, int x, int y) {
    return img.pixel(x, y) == kRulingGrey;
}

// Rows whose every pixel is grey, and columns likewise.
QList<int> FullRows(const QImage& img) {
    QList<int> rows;
    for (int y = 0; y < img.height(); ++y) {
        bool all = true;
        for (int x = 0; x < img.width() && all; ++x)
            all = Grey(img, x, y);
        if (all) rows << y;
    }
    return rows;
}

QList<int> FullColumns(const QImage& img) {
    QList<int> cols;
    for (int x = 0; x < img.width(); ++x) {
        bool all = true;
        for (int y = 0; y < img.height() && all; ++y)
            all = Grey(img, x, y);
        if (all) cols << x;
    }
    return cols;
}

// Rows holding any grey pixel.
QList<int> RowsWithInk(const QImage& img) {
    QList<int> rows;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (Grey(img, x, y)) {
                rows << y;
                break;
            }
    return rows;
}

QList<int> Steps(int first, int step, int last) {
    QList<int> v;
    for (int i = first; i <= last; i += step)
        v << i;
    return v;
}

int CountOther(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixel(x, y) != kRulingGrey && img.pixel(x, y) != 0xFFFFFFFFu;
    return n;
}

} // namespace

TEST(Sheets, WideLinesOn1000x700AreAt69And139UpTo699) {
    QImage s = NewSheetImage({1000, 700});
    RuleSheet(s, SheetKind::Lines, 10);
    EXPECT_EQ(FullRows(s), Steps(69, 70, 699));
    EXPECT_EQ(RowsWithInk(s), Steps(69, 70, 699));
    EXPECT_EQ(CountOther(s), 0); // grey or white, nothing antialiased
}

TEST(Sheets, LargeSquaresOn1000x700Are35PixelsFromTheEdge) {
    QImage s = NewSheetImage({1000, 700});
    RuleSheet(s, SheetKind::Squares, 20);
    EXPECT_EQ(FullRows(s), Steps(0, 35, 699));
    EXPECT_EQ(FullColumns(s), Steps(0, 35, 999));
    EXPECT_EQ(FullColumns(s).last(), 980);
    EXPECT_FALSE(Grey(s, 981, 1));
}

TEST(Sheets, ATableWithoutMarginsFramesTheEdgePixels) {
    QImage s = NewSheetImage({400, 300});
    RuleTable(s, {4, 2, 0, 0, 0, 0});
    // The end point of each line is left out, so the far corner stays white.
    for (int x = 0; x < 399; ++x) {
        ASSERT_TRUE(Grey(s, x, 0)) << x;
        ASSERT_TRUE(Grey(s, x, 299)) << x;
    }
    for (int y = 0; y < 299; ++y) {
        ASSERT_TRUE(Grey(s, 0, y)) << y;
        ASSERT_TRUE(Grey(s, 399, y)) << y;
    }
    EXPECT_FALSE(Grey(s, 399, 299));
    EXPECT_TRUE(Grey(s, 200, 10)); // middle column at round(399 / 2) = 200 (half to even)
    EXPECT_TRUE(Grey(s, 10, 150)); // rows at 0, 75 (74.75), 150 (149.5 -> even)
    EXPECT_TRUE(Grey(s, 10, 75));
    EXPECT_TRUE(Grey(s, 10, 224)); // 224.25
    EXPECT_EQ(RowsWithInk(s).size(), 300);
}

TEST(Sheets, ATableWithMarginsStaysInsideThem) {
    QImage s = NewSheetImage({1000, 700});
    RuleSheet(s, SheetKind::Table, 0, {6, 3, 5, 5, 5, 5});
    EXPECT_TRUE(Grey(s, 50, 35));
    EXPECT_TRUE(Grey(s, 948, 35));
    EXPECT_FALSE(Grey(s, 49, 35));
    EXPECT_FALSE(Grey(s, 50, 34));
    EXPECT_TRUE(Grey(s, 949, 600)); // right edge at round(0.95 * 999) = 949
    EXPECT_FALSE(Grey(s, 950, 600));
}

TEST(Sheets, Class4WithOneLineDrawsOneBaseLine) {
    QImage s = NewSheetImage({1000, 700});
    RuleSheet(s, SheetKind::Class4, 1);
    const QList<int> rows = RowsWithInk(s);
    ASSERT_EQ(rows.size(), 1);
    // y0 = 35, y1 = 664, u = round(629 * 0.7) = 440; a = 35 + 66 = 101, b = a + 135,
    // c = b + 171 = 407.
    EXPECT_EQ(rows.first(), 407);
    EXPECT_TRUE(Grey(s, 50, 407));
    EXPECT_TRUE(Grey(s, 948, 407));
    EXPECT_FALSE(Grey(s, 949, 407));
}

TEST(Sheets, Class1GroupsAreClosedBoxesWithTwoInnerLines) {
    QImage s = NewSheetImage({1000, 700});
    RuleSheet(s, SheetKind::Class1, 3);
    // Per group four horizontal lines; the verticals join them.
    int horizontal = 0;
    for (int y = 0; y < 700; ++y)
        horizontal += Grey(s, 500, y);
    EXPECT_EQ(horizontal, 12);
    const QList<int> rows = RowsWithInk(s);
    EXPECT_TRUE(Grey(s, 50, rows.first()));
    EXPECT_TRUE(Grey(s, 949, rows.first()));
    EXPECT_FALSE(Grey(s, 949, rows.last())); // the verticals end before the bottom line
}

TEST(Sheets, Class3DrawsOnlyTheMiddleBand) {
    QImage s = NewSheetImage({1000, 700});
    RuleSheet(s, SheetKind::Class3, 2);
    int horizontal = 0;
    for (int y = 0; y < 700; ++y)
        horizontal += Grey(s, 500, y);
    EXPECT_EQ(horizontal, 4);
}

TEST(Sheets, StavesHaveFiveLinesEachOneStepApart) {
    QImage s = NewSheetImage({1000, 700});
    RuleSheet(s, SheetKind::Staves, 3);
    // g = 700 / 32 = 21.875, t = 21: first staff at 105, 126, ..., 189.
    const QList<int> rows = FullRows(s);
    ASSERT_EQ(rows.size(), 15);
    EXPECT_EQ(rows.mid(0, 5), Steps(105, 21, 189));
    EXPECT_EQ(rows[5], 197 + 105); // round(9 * 21.875) = 197 (196.875)
}

TEST(Sheets, CountsAreClampedToTheKindsRange) {
    EXPECT_EQ(ClampSheetCount(SheetKind::Lines, 0), 1);
    EXPECT_EQ(ClampSheetCount(SheetKind::Lines, 500), 200);
    EXPECT_EQ(ClampSheetCount(SheetKind::Staves, 21), 20);
    EXPECT_EQ(ClampSheetCount(SheetKind::Class3, 99), 50);
    EXPECT_EQ(ClampSheetCount(SheetKind::Class4, 101), 100);
    const TableRuling t = ClampTable({0, 999, -5, 101, 50, 0});
    EXPECT_EQ(t.rows, 1);
    EXPECT_EQ(t.columns, 200);
    EXPECT_EQ(t.left, 0);
    EXPECT_EQ(t.top, 100);
    // More lines than pixels still terminates and stays on the sheet.
    QImage s = NewSheetImage({50, 20});
    RuleSheet(s, SheetKind::Lines, 200);
    EXPECT_EQ(FullRows(s).size(), 20);
}

TEST(Sheets, SheetSizeFollowsThePresetRatioAndCoversTheControl) {
    SheetRatioPreset fixed{1, 10, 7, false};
    EXPECT_EQ(SheetSize({1000, 500}, fixed, false), QSize(1000, 700));
    EXPECT_EQ(SheetSize({1000, 800}, fixed, false), QSize(1143, 800));
    EXPECT_EQ(SheetSize({1000, 800}, fixed, true), QSize(1000, 800));
    fixed.fitWindow = true;
    EXPECT_EQ(SheetSize({1000, 800}, fixed, false), QSize(1000, 800));
    // The stored ratio may be anything from 1:99999 to 99999:1; the sheet stays a picture
    // that can be held, still covering the control.
    EXPECT_EQ(SheetSize({1000, 600}, {1, 99999, 1, false}, false), QSize(kMaxSheetSide, 600));
    EXPECT_EQ(SheetSize({1000, 600}, {1, 1, 99999, false}, false), QSize(1000, kMaxSheetSide));
    EXPECT_EQ(SheetSize({0, 0}, fixed, false), QSize(1, 1));
}
