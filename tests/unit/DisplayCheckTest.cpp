#include "DisplayCheck.h"
#include <gtest/gtest.h>

namespace {

TEST(DisplayCheck, ThresholdsAreSixteenBitsAndEightHundredPixels) {
  const struct {
    int bits, width;
    bool weak;
  } cases[] = {
      {8, 1024, true},   {15, 1280, true}, {16, 799, true},  {16, 800, false}, {24, 640, true},
      {32, 1024, false}, {0, 0, true},     {-1, 4000, true}, {32, -800, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DisplayTooWeak(c.bits, c.width), c.weak) << c.bits << " bpp, " << c.width << " px";
}

TEST(DisplayCheck, CentringTruncatesTowardZeroAndNeverClamps) {
  const struct {
    int space, size, offset;
  } cases[] = {
      {1024, 400, 312}, {768, 269, 249},  {800, 400, 200}, {600, 269, 165},
      {1280, 400, 440}, {1024, 269, 377}, {200, 269, -34}, {268, 269, 0},
      {269, 269, 0},    {0, 400, -200},   {399, 400, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CentredOffset(c.space, c.size), c.offset) << c.space << " - " << c.size;
}

} // namespace
