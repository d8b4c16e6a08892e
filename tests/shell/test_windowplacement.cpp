#include "shell/windowplacement.h"

#include <gtest/gtest.h>

using namespace bw;

TEST(WindowPlacement, StartsCentredWhereTheDesignedSizeFitsAndMaximisedWhereNot) {
    struct Case {
        QRect work;
        QRect frame;
        bool maximised;
    };
    const Case cases[] = {
        {{0, 0, 1600, 1000}, {262, 110, 1076, 780}, false},
        {{0, 27, 1920, 1053}, {422, 164, 1076, 780}, false},    // a panel on top
        {{1920, 0, 1280, 1024}, {2022, 122, 1076, 780}, false}, // a second screen
        {{0, 0, 1076, 780}, {0, 0, 1076, 780}, false},
        // Screens that pass the display check but are smaller than the window.
        {{0, 0, 1024, 768}, {0, 0, 1024, 768}, true},
        {{0, 0, 960, 768}, {0, 0, 960, 768}, true},
        {{0, 32, 1280, 736}, {0, 32, 1280, 736}, true},
    };
    for (const Case& c : cases) {
        const WindowPlacement p = StartPlacement(c.work, kDesignedWindowSize);
        EXPECT_EQ(p.frame, c.frame) << c.work.width() << "x" << c.work.height();
        EXPECT_EQ(p.maximised, c.maximised) << c.work.width() << "x" << c.work.height();
        EXPECT_TRUE(c.work.contains(p.frame));
    }
}

TEST(WindowPlacement, TheDesignedBoundsAreKeptInsideTheWorkArea) {
    const QRect designed(QPoint(0, 0), kDesignedWindowSize);
    EXPECT_EQ(FitIntoWorkArea(designed, {0, 0, 1600, 1000}), designed);
    EXPECT_EQ(FitIntoWorkArea(designed, {0, 27, 1600, 973}), QRect(0, 27, 1076, 780));
    EXPECT_EQ(FitIntoWorkArea(designed, {0, 0, 1024, 768}), QRect(0, 0, 1024, 768));
    EXPECT_EQ(FitIntoWorkArea(QRect(900, 500, 300, 200), {0, 0, 1024, 600}),
              QRect(724, 400, 300, 200));
    EXPECT_EQ(ClientRect(QRect(0, 0, 1076, 780), QMargins(4, 30, 4, 4)), QRect(4, 30, 1068, 746));
}
