// Pictures: decoding by both of Windows' routes, blending onto the surface,
// and the cache.
#include "FileBytes.h"
#include "Picture.h"
#include "PictureCache.h"
#include "PictureLoader.h"
#include <gtest/gtest.h>

namespace {

using Route = PictureLoader::Route;

std::string Fixture(const char* name) {
  std::optional<std::string> bytes = ReadFileBytes(std::string(KLENDO_PICTURES) + name);
  if (!bytes)
    ADD_FAILURE() << "fixture " << name << " missing";
  return bytes.value_or("");
}

PictureLoader& Loader() {
  static PictureLoader loader;
  return loader;
}

// 0xAARRGGBB, premultiplied.
constexpr std::uint32_t Opaque(std::uint32_t rgb) {
  return 0xFF000000u | rgb;
}

const std::vector<std::uint32_t> Sample = {Opaque(0xFF0000), Opaque(0x00FF00), Opaque(0x0000FF),
                                           Opaque(0xFFFFFF), Opaque(0x000000), Opaque(0xFFFF00),
                                           Opaque(0x00FFFF), Opaque(0xFF00FF)};

TEST(PictureLoader, BothRoutesDecodeTheSamePixels) {
  ASSERT_TRUE(Loader().HasGdiPlus()) << "Wine provides gdiplus.dll";
  struct Case {
    const char* file;
    Route route;
  } cases[] = {{"sample.bmp", Route::Ole},     {"sample.gif", Route::Ole},
               {"sample.bmp", Route::GdiPlus}, {"sample.gif", Route::GdiPlus},
               {"sample.png", Route::GdiPlus}, {"sample.png", Route::Any}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.file << " route " << static_cast<int>(c.route));
    std::optional<Picture> p = Loader().Decode(Fixture(c.file), c.route);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->width, 4);
    EXPECT_EQ(p->height, 2);
    EXPECT_EQ(p->pixels, Sample);
  }
}

TEST(PictureLoader, TransparencyBecomesAlpha) {
  for (Route route : {Route::Ole, Route::GdiPlus}) {
    std::optional<Picture> gif = Loader().Decode(Fixture("clear.gif"), route);
    ASSERT_TRUE(gif);
    ASSERT_EQ(gif->pixels.size(), 2u);
    EXPECT_EQ(gif->pixels[0] >> 24, 0u) << "transparent index";
    EXPECT_EQ(gif->pixels[1], Opaque(0xFF0000));
  }
  std::optional<Picture> png = Loader().Decode(Fixture("alpha.png"), Route::GdiPlus);
  ASSERT_TRUE(png);
  ASSERT_EQ(png->pixels.size(), 2u);
  EXPECT_EQ(png->pixels[0], Opaque(0xFF0000));
  const std::uint32_t half = png->pixels[1];
  EXPECT_EQ(half >> 24, 128u);
  EXPECT_NEAR(static_cast<int>(half & 0xFF), 128, 1) << "premultiplied";
}

TEST(PictureLoader, JpegByBothRoutes) {
  for (Route route : {Route::Ole, Route::GdiPlus}) {
    std::optional<Picture> p = Loader().Decode(Fixture("gray.jpg"), route);
    ASSERT_TRUE(p);
    ASSERT_EQ(p->width, 16);
    ASSERT_EQ(p->height, 8);
    for (int x : {0, 7, 8, 15}) {
      const std::uint32_t px = p->pixels[static_cast<std::size_t>(4 * 16 + x)];
      const int expected = x < 8 ? 64 : 192;
      EXPECT_EQ(px >> 24, 255u);
      for (int shift : {0, 8, 16})
        EXPECT_NEAR(static_cast<int>((px >> shift) & 0xFF), expected, 2) << "x " << x;
    }
  }
}

TEST(PictureLoader, WhatIsNoPictureGivesNothing) {
  for (Route route : {Route::Ole, Route::GdiPlus, Route::Any}) {
    EXPECT_FALSE(Loader().Decode("<html>not a picture</html>", route));
    EXPECT_FALSE(Loader().Decode("", route));
    EXPECT_FALSE(Loader().Decode(Fixture("sample.png").substr(0, 40), route)) << "cut short";
  }
}

TEST(PictureCache, KeepsTheMostRecentlyUsed) {
  PictureCache cache(2);
  const std::string dir = KLENDO_PICTURES;
  auto a = cache.Get(dir + "sample.bmp");
  auto b = cache.Get(dir + "sample.gif");
  ASSERT_TRUE(a && b);
  EXPECT_EQ(cache.Get(dir + "SAMPLE.BMP"), a) << "cached, whatever the letter case";
  cache.Get(dir + "sample.png"); // pushes out sample.gif, used longest ago
  EXPECT_EQ(cache.Get(dir + "sample.bmp"), a);
  EXPECT_NE(cache.Get(dir + "sample.gif"), b) << "decoded again";
  EXPECT_EQ(cache.Get(dir + "missing.png"), nullptr);
  PictureCache none(0);
  EXPECT_NE(none.Get(dir + "sample.bmp"), none.Get(dir + "sample.bmp"));
}

TEST(BlendPicture, ScalesClipsAndBlends) {
  Picture p;
  p.width = 2;
  p.height = 1;
  p.pixels = {Opaque(0x102030), 0x80404040u}; // right: grey 0x80 at alpha 0x80, premultiplied
  std::vector<std::uint32_t> surface(6 * 2, 0x00FFFFFF);
  BlendPicture(p, {1, 0, 5, 2}, {0, 0, 6, 1}, surface.data(), 6, 2); // twice as wide, row 1 clipped
  const std::vector<std::uint32_t> expected = {
      0xFFFFFF, 0x102030, 0x102030, 0xBFBFBF, 0xBFBFBF, 0xFFFFFF, // 0x40 + 0xFF * 127 / 255
      0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
  EXPECT_EQ(surface, expected);
  // Far over the surface's edges: only the surface is written, and all of
  // it shows the picture's left half.
  BlendPicture(p, {-10, -10, 100, 100}, {-5, -5, 50, 50}, surface.data(), 6, 2);
  EXPECT_EQ(surface, std::vector<std::uint32_t>(12, 0x102030));
}

} // namespace
