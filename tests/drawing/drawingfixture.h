#pragma once

#include "../view/viewfixtures.h"
#include "drawing/drawingboard.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace bw::test {

// A learning view of a plain white page, 870 x 600, with a drawing board on it.
struct DrawingFixture : ::testing::Test {
    Document doc = PlainDocument(870, 600);
    LearnView view{doc};
    DrawingBoard board{view};

    void SetUp() override { show(); }
    void show() {
        view.SetViewSize(doc.BaseImage.width(), doc.BaseImage.height());
        view.RedrawView();
    }
    QImage& picture() { return view.ViewImage(); }
    void use(DrawTool tool, int colour = 26, int step = 1) {
        board.state().CurrentTool = tool;
        board.state().DrawColourIndex = colour;
        board.state().StrokeWidthStep = step;
    }
    // A press, moves through the points and a release, as the view widget sends them.
    void stroke(std::initializer_list<QPoint> points) {
        auto it = points.begin();
        board.PressAt(*it);
        for (++it; it != points.end(); ++it)
            board.ApplyToolAt(true, *it);
        board.Release(*(points.end() - 1));
    }
};

inline int CountDiffering(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++n;
    return n;
}

} // namespace bw::test
