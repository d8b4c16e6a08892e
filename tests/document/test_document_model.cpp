#include "document/document.h"

#include <gtest/gtest.h>

using namespace bw;

TEST(DocumentModel, StartPictureIsWhite300x210) {
    Document d;
    EXPECT_EQ(d.BaseImage.width(), 300);
    EXPECT_EQ(d.BaseImage.height(), 210);
    EXPECT_EQ(d.BaseImage.image().pixel(150, 100), qRgb(255, 255, 255));
}
