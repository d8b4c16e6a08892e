#include "shell/common/helpers.h"

#include <gtest/gtest.h>

using namespace bw;

TEST(Helpers, SnapToRoundsToTheStep) { EXPECT_DOUBLE_EQ(SnapTo(0.12345, 0.01), 0.12); }
