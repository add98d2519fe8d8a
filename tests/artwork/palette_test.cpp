#include "gauge/palette.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "gauge/artwork.h"
#include "gauge/paint.h"

namespace {

using gauge::bmp::Colour;
using gauge::bmp::IndexedBitmap;
namespace paint = gauge::paint;

constexpr Colour black{0, 0, 0};

struct SurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// Paints with `paint` on a transparent surface.
template <typename Paint>
Surface painted(int width, int height, Paint paint_on) {
  Surface surface{cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)};
  cairo_t* cr = cairo_create(surface.get());
  paint_on(cr);
  cairo_destroy(cr);
  return surface;
}

// Many colours: a smooth rainbow, more than any palette holds, with a
// transparent hole, an opaque pure-black stripe and exact colours.
Surface busy_picture() {
  return painted(120, 90, [](cairo_t* cr) {
    cairo_pattern_t* rainbow = cairo_pattern_create_linear(0, 0, 120, 90);
    cairo_pattern_add_color_stop_rgb(rainbow, 0.0, 1, 0, 0);
    cairo_pattern_add_color_stop_rgb(rainbow, 0.5, 0, 1, 0.3);
    cairo_pattern_add_color_stop_rgb(rainbow, 1.0, 0.1, 0.1, 1);
    cairo_set_source(cr, rainbow);
    cairo_paint(cr);
    cairo_pattern_destroy(rainbow);
    paint::fill_rectangle(cr, 10, 10, 20, 20, paint::colours::mask_window);
    paint::fill_rectangle(cr, 40, 10, 20, 20, {27, 26, 27});
    paint::fill_rectangle(cr, 70, 10, 20, 20, black);  // opaque: must not come out transparent
    cairo_rectangle(cr, 10, 50, 30, 30);
    paint::clear_path(cr);
  });
}

TEST(Palette, HasExactlyTheStatedNumberOfEntriesWithTransparentBlackFirst) {
  const Surface surface = busy_picture();
  for (const int colours : {2, 3, 56, 229, 255, 256}) {
    const IndexedBitmap bitmap = gauge::palette::to_indexed(surface.get(), colours);
    EXPECT_EQ(bitmap.palette.size(), static_cast<std::size_t>(colours));
    EXPECT_EQ(bitmap.palette[0], black);
  }
  // A picture of few colours still gets the full palette.
  const Surface plain = painted(8, 8, [](cairo_t* cr) { paint::fill_rectangle(cr, 0, 0, 4, 8, {200, 0, 0}); });
  EXPECT_EQ(gauge::palette::to_indexed(plain.get(), 256).palette.size(), 256u);
}

TEST(Palette, OnlyTransparentPixelsArePureBlack) {
  const Surface surface = busy_picture();
  for (const int colours : {2, 56, 256}) {
    const IndexedBitmap bitmap = gauge::palette::to_indexed(surface.get(), colours);
    for (int y = 0; y < bitmap.height; ++y)
      for (int x = 0; x < bitmap.width; ++x) {
        const bool hole = x >= 10 && x < 40 && y >= 50 && y < 80;
        EXPECT_EQ(bitmap.colour_at(x, y) == black, hole) << colours << " colours, pixel " << x << ", " << y;
      }
  }
}

TEST(Palette, KeepsExactColoursAndTheMaskWindowExact) {
  const Surface surface = busy_picture();
  const Colour plate{27, 26, 27};
  const IndexedBitmap bitmap = gauge::palette::to_indexed(surface.get(), 56, std::vector{plate});
  EXPECT_EQ(bitmap.colour_at(15, 15), paint::colours::mask_window);
  EXPECT_EQ(bitmap.colour_at(45, 15), plate);
  // Opaque pure black is lifted to the darkest colour that is not transparent.
  EXPECT_EQ(bitmap.colour_at(75, 15), paint::colours::mask_window);
  // No other colour is drawn as the window.
  int window_pixels = 0;
  for (std::uint8_t index : bitmap.pixels) window_pixels += bitmap.palette[index] == paint::colours::mask_window;
  EXPECT_EQ(window_pixels, 2 * 20 * 20);
}

TEST(Palette, TwoColoursAreTransparentBlackAndOneColour) {
  const Surface disc = painted(40, 40, [](cairo_t* cr) { paint::fill_disc(cr, {20, 20}, 15, {5, 5, 5}); });
  const IndexedBitmap bitmap = gauge::palette::to_indexed(disc.get(), 2);
  EXPECT_EQ(bitmap.palette, (std::vector<Colour>{black, {5, 5, 5}}));
  EXPECT_EQ(bitmap.colour_at(20, 20), (Colour{5, 5, 5}));
  EXPECT_EQ(bitmap.colour_at(0, 0), black);
}

TEST(Palette, GivesTheSameBitmapOnEveryRun) {
  const Surface surface = busy_picture();
  const IndexedBitmap first = gauge::palette::to_indexed(surface.get(), 229);
  const IndexedBitmap second = gauge::palette::to_indexed(busy_picture().get(), 229);
  EXPECT_EQ(gauge::bmp::encode(first), gauge::bmp::encode(second));
}

TEST(CommonNeedle, IsAWhiteShaftFromADarkHubAtThePivot) {
  const IndexedBitmap needle = gauge::artwork::render(gauge::artwork::common_needle(0x1200));
  ASSERT_EQ(needle.width, 137);
  ASSERT_EQ(needle.height, 23);
  const auto brightness = [&](int x, int y) {
    const Colour c = needle.colour_at(x, y);
    return c.red + c.green + c.blue;
  };
  EXPECT_NE(needle.colour_at(10, 11), black);
  EXPECT_LT(brightness(10, 11), 3 * 100);  // dark hub
  for (const int x : {40, 80, 120, 130}) EXPECT_GT(brightness(x, 11), 3 * 200) << "shaft at x " << x;
  for (const auto& [x, y] : {std::pair{0, 0}, {136, 0}, {0, 22}, {136, 22}, {80, 4}, {80, 18}})
    EXPECT_EQ(needle.colour_at(x, y), black) << "pixel " << x << ", " << y;
  // The shaft's straight middle lies on the pivot's row and the rows either side.
  for (int x = 55; x < 115; ++x)
    for (int d = 1; d < 11; ++d)
      EXPECT_EQ(needle.colour_at(x, 11 - d) == black, needle.colour_at(x, 11 + d) == black) << x << ", " << d;
}

}  // namespace
