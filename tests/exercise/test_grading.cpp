#include "exercise/exercisetexts.h"
#include "exercise/grading.h"
#include "exercise/protocol.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace bw;

TEST(Mark, BoundaryEarnsTheBetterMark) {
    const GradingBoundaries b = kDefaultGradingBoundaries;
    const struct {
        double performance;
        int mark;
    } cases[] = {{1.0, 1},  {0.85, 1},   {0.8499, 2}, {0.70, 2},   {0.6999, 3}, {0.55, 3},
                 {0.40, 4}, {0.3999, 5}, {0.25, 5},   {0.2499, 6}, {0.0, 6}};
    for (const auto& c : cases)
        EXPECT_EQ(MarkFor(c.performance, b), c.mark) << c.performance;
    EXPECT_EQ(MarkWord(MarkFor(0.85, b)), QStringLiteral("sehr gut"));
    EXPECT_EQ(MarkWord(6), QStringLiteral("ungenügend"));
    EXPECT_EQ(MarkFor(std::nan(""), b), 6);
}

TEST(Mark, EqualBoundariesSkipTheLowerMark) {
    const GradingBoundaries b = BoundariesFrom({0.85, 0.85, 0.55, 0.40, 0.25});
    for (int i = 0; i <= 1000; ++i)
        EXPECT_NE(MarkFor(i / 1000.0, b), 2) << i;
    EXPECT_EQ(MarkFor(0.85, b), 1);
    EXPECT_EQ(MarkFor(0.8499, b), 3);
}

TEST(GradingDialog, FirstViolationNamesTheMarkAndItsSuccessor) {
    EXPECT_FALSE(CheckBoundaryPercents({85, 70, 55, 40, 25}).has_value());
    EXPECT_FALSE(CheckBoundaryPercents({85, 85, 55, 40, 25}).has_value()); // equal is fine
    EXPECT_FALSE(CheckBoundaryPercents({100, 0, 0, 0, 0}).has_value());

    // Mark 3 above mark 2: the check of mark 2 against its successor fails first.
    auto v = CheckBoundaryPercents({85, 60, 65, 40, 25});
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->mark, 2);
    EXPECT_EQ(v->message,
              QStringLiteral("Alle Werte müssen im Bereich von 0 bis 100% liegen.\r\nDer Wert für "
                             "Note 2 darf nicht kleiner sein als der Wert für Note 3."));
    v = CheckBoundaryPercents({101, 70, 55, 40, 25});
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->mark, 1);
    v = CheckBoundaryPercents({85, 70, 55, 40, -1});
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->mark, 5);
    EXPECT_TRUE(v->message.endsWith(QStringLiteral("Note 5 darf nicht kleiner sein als der Wert "
                                                   "für Note 6.")));
    v = CheckBoundaryPercents({85, std::nan(""), 55, 40, 25});
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->mark, 2);
}

TEST(GradingDialog, FieldsUseTheDecimalComma) {
    EXPECT_EQ(BoundaryFieldText(0.85), QStringLiteral("85,0"));
    EXPECT_EQ(BoundaryFieldText(0.125), QStringLiteral("12,5"));
    EXPECT_EQ(ParseBoundaryField(QStringLiteral(" 72,5 ")), 72.5);
    EXPECT_EQ(ParseBoundaryField(QStringLiteral("72.5")), 72.5);
    EXPECT_FALSE(ParseBoundaryField(QStringLiteral("7x")).has_value());
    EXPECT_FALSE(ParseBoundaryField(QString()).has_value());
}

TEST(GradingTexts, BoundariesAndTimeLimits) {
    EXPECT_EQ(BoundariesText(kDefaultGradingBoundaries),
              QStringLiteral("85.0% / 70.0% / 55.0% / 40.0% / 25.0% / 0.0%"));
    EXPECT_EQ(TimeLimitText(180), QStringLiteral("3 Min. 0 Sek."));
    EXPECT_EQ(TimeLimitText(45), QStringLiteral("45 Sek."));
    EXPECT_EQ(TimeLimitText(3605), QStringLiteral("1 Std. 0 Min. 5 Sek."));
    EXPECT_EQ(TimeLimitText(7384), QStringLiteral("2 Std. 3 Min. 4 Sek."));
    EXPECT_EQ(ClockText(0), QStringLiteral("00:00"));
    EXPECT_EQ(ClockText(6001), QStringLiteral("100:01"));
    EXPECT_EQ(ClockText(-5), QStringLiteral("00:00"));
}

TEST(RatingScale, SegmentsColoursTicksAndMarker) {
    const int w = 200, h = 224; // usable height 200
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    const QColor panel(240, 240, 240);
    {
        QPainter p(&img);
        DrawRatingScale(p, w, h, kDefaultGradingBoundaries, 0.5, panel);
    }
    const int x1 = 80, x2 = 120;
    auto y = [](double f) { return int(std::lround((1.0 - f) * 200)) + 12; };
    EXPECT_EQ(img.pixelColor(5, 5), panel);
    // Each mark's colour inside its segment, left of the digit.
    const double mids[] = {0.925, 0.775, 0.625, 0.475, 0.325, 0.125};
    for (int m = 1; m <= 6; ++m)
        EXPECT_EQ(img.pixelColor(x1 + 3, y(mids[m - 1])), MarkColour(m)) << m;
    // Black outline on the left edge and on every boundary line, ticks left of the bar.
    EXPECT_EQ(img.pixelColor(x1, y(0.5)), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(x1 + 10, y(0.70)), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(x1 - 2, y(0.70)), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(x1 - 5, y(0.70)), panel);
    // The performance marker: 10 px from the right edge of the bar.
    EXPECT_EQ(img.pixelColor(x2 + 5, y(0.5)), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(x2 + 5, y(0.5) - 3), panel);
    // Percentages are written left of the bar.
    bool text = false;
    for (int x = 0; x < x1 - 7; ++x)
        text |= img.pixelColor(x, y(0.85)) != panel;
    EXPECT_TRUE(text);
}
