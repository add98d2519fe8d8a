// Icons, strings, moving images and sprites as drawn: which picture shows,
// when text is hidden, and what a mask lets through.
#include <gtest/gtest.h>

#include <limits>

#include "render_fixture.h"

namespace bench::testing {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr Colour red{255, 0, 0};
constexpr Colour green{0, 200, 0};

// Picture 0x300 is red, picture 0x301 all pure black.
struct IconGauge : FixtureGauge {
  size_t icon;
  IconGauge() : FixtureGauge(20, 20) {
    bitmaps[0x300] = solid(10, 10, red);
    bitmaps[0x301] = solid(10, 10, pure_black);
    icon = add({.kind = ElementKind::icon,
                .resource = 0x300,
                .position = {5, 5},
                .image_flags = 0x83,
                .callbacks = {true},
                .icon = {.switch_type = 3, .icon_count = 2}});
  }
};

TEST(IconRendering, ShowsThePictureOfTheIndexTruncatedTowardZero) {
  IconGauge gauge;
  struct Case {
    double index;
    std::optional<int32_t> picture;
    bool red_seen;
    bool noted;
  };
  for (auto [index, picture, red_seen, noted] :
       {Case{0, 0x300, true, false}, Case{-0.5, 0x300, true, false}, Case{0.99, 0x300, true, false},
        Case{1, 0x301, false, false}, Case{1.7, 0x301, false, false}, Case{2, std::nullopt, false, true},
        Case{-1, std::nullopt, false, true}, Case{nan, std::nullopt, false, true},
        Case{1e300, std::nullopt, false, true}}) {
    auto renderer = gauge.renderer();
    const auto placements = renderer.place(frame_with(gauge, gauge.icon, {index}));
    EXPECT_EQ(placements[gauge.icon].picture, picture) << "index " << index;
    EXPECT_EQ(placements[gauge.icon].note != "", noted) << "index " << index;
    const GaugeImage image = renderer.draw(placements);
    EXPECT_TRUE(image.pixel(10, 10) == (red_seen ? red : face)) << "index " << index;
    EXPECT_TRUE(image.pixel(2, 2) == face) << "index " << index;
  }
}

TEST(IconRendering, AnIndexBeyondEveryResourceNumberFindsNoPicture) {
  IconGauge gauge;
  gauge.description.elements[gauge.icon].icon.icon_count = 0xFFFFFFFF;
  auto renderer = gauge.renderer();
  const auto placements = renderer.place(frame_with(gauge, gauge.icon, {4e9}));
  EXPECT_FALSE(placements[gauge.icon].drawn);
  EXPECT_NE(placements[gauge.icon].note, "");
  EXPECT_TRUE(renderer.draw(placements).pixel(10, 10) == face);
}

// A 100 x 32 box at (0, 4) with red text, as an annunciator light.
struct StringGauge : FixtureGauge {
  size_t light;
  StringGauge() : FixtureGauge(160, 40) {
    light = add({.kind = ElementKind::string,
                 .resource = -1,
                 .position = {0, 4},
                 .image_flags = 0x83,
                 .callbacks = {true},
                 .string = {.box_width = 100, .box_height = 32, .fore_color = 0x0000FF, .font_name = "Glass Gauge"}});
  }

  // Red pixels in columns [from, to).
  int red_pixels(const GaugeImage& image, int from, int to) const {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = from; x < to; ++x) count += image.pixel(x, y).red > 200 && image.pixel(x, y).green < 80;
    return count;
  }
};

TEST(StringRendering, HiddenTextIsNotDrawnAndShowsAgainWhenTheBitClears) {
  StringGauge gauge;
  auto renderer = gauge.renderer();
  auto drawn = [&](uint32_t flags) {
    return gauge.red_pixels(renderer.draw_frame(frame_with(gauge, gauge.light, {0}, flags, "STALL")), 0, 160);
  };
  EXPECT_GT(drawn(0x87), 50);
  EXPECT_EQ(drawn(0x40000087), 0);
  EXPECT_GT(drawn(0x87), 50);
  EXPECT_EQ(drawn(0x83), drawn(0x87)) << "the lit bit changes nothing by day";
}

TEST(StringRendering, TextIsClippedToItsBox) {
  StringGauge gauge;
  const std::string text = "STALL" + std::string(6, 'W') + std::string(20, ' ') + "0";
  const GaugeImage image = gauge.renderer().draw_frame(frame_with(gauge, gauge.light, {0}, 0x87, text));
  EXPECT_GT(gauge.red_pixels(image, 0, 100), 50);
  EXPECT_EQ(gauge.red_pixels(image, 100, 160), 0);
}

TEST(StringRendering, AnyBytesAreDrawnAsText) {
  StringGauge gauge;
  const std::string text =
      "OIL \xB0"
      "C \xFF\x01";  // not UTF-8
  const GaugeImage image = gauge.renderer().draw_frame(frame_with(gauge, gauge.light, {0}, 0x87, text));
  EXPECT_GT(gauge.red_pixels(image, 0, 100), 20);
}

// A 10 x 100 strip whose row r is (100 + r, 0, 0), behind a 10 x 20 mask at
// (5, 5): rows 0-1 green (drawn over the strip), 2-17 the window, 18-19 pure black.
struct DrumGauge : FixtureGauge {
  size_t drum;
  DrumGauge() : FixtureGauge(20, 40) {
    auto strip = solid(10, 100, pure_black);
    for (int row = 0; row < 100; ++row)
      for (int x = 0; x < 10; ++x) paint(strip, x, row, Colour{uint8_t(100 + row), 0, 0});
    bitmaps[0x400] = strip;
    auto mask = solid(10, 20, window);
    for (int x = 0; x < 10; ++x) {
      for (int row : {0, 1}) paint(mask, x, row, green);
      for (int row : {18, 19}) paint(mask, x, row, pure_black);
    }
    bitmaps[0x401] = mask;
    drum = add({.kind = ElementKind::moving_image,
                .resource = 0x400,
                .position = {5, 5},
                .image_flags = 0x83,
                .callbacks = {true, true},
                .moving = {.min_x = 0, .max_x = 0, .min_y = 0, .max_y = 100}});
  }
  GaugeImage draw(double x, double y) { return renderer().draw_frame(frame_with(*this, drum, {x, y})); }
};

TEST(MovingImageRendering, TheRowAtTheValuesFractionStandsAtTheWindowsCentre) {
  DrumGauge gauge;
  for (double value : {50.0, 20.0, 75.0}) {
    const GaugeImage image = gauge.draw(123.0, value);  // the x axis has no range: it does not move
    EXPECT_TRUE(image.pixel(7, 15) == (Colour{uint8_t(100 + value), 0, 0})) << value;
    EXPECT_TRUE(image.pixel(7, 16) == (Colour{uint8_t(101 + value), 0, 0})) << value;
    EXPECT_TRUE(image.pixel(5, 15) == (Colour{uint8_t(100 + value), 0, 0})) << value << ": left edge on the window's";
  }
}

TEST(MovingImageRendering, TheMaskFramesTheWindow) {
  DrumGauge gauge;
  const GaugeImage image = gauge.draw(0, 50);
  EXPECT_TRUE(image.pixel(7, 5) == green);  // the mask's own colour over the strip
  EXPECT_TRUE(image.pixel(7, 7) == (Colour{142, 0, 0}));
  EXPECT_TRUE(image.pixel(7, 23) == face);  // pure black in the mask: neither strip nor mask
  EXPECT_TRUE(image.pixel(2, 15) == face);  // outside the window
  const GaugeImage at_top = gauge.draw(0, 0);
  EXPECT_TRUE(at_top.pixel(7, 15) == (Colour{100, 0, 0}));
  EXPECT_TRUE(at_top.pixel(7, 10) == face);  // above the strip's first row the window is empty
}

// A 21 x 21 sprite, clear but for a white bar from its texture centre (10, 10)
// to the right, seen through a 41 x 41 window with a green corner.
struct SpriteGauge : FixtureGauge {
  size_t sprite;
  SpriteGauge(double scale_x, double scale_y, double scale_rotation) : FixtureGauge(41, 41) {
    auto card = solid(21, 21, pure_black);
    for (int x = 10; x < 21; ++x) paint(card, x, 10, white);
    bitmaps[0x500] = card;
    auto mask = solid(41, 41, window);
    for (int x = 0; x < 3; ++x)
      for (int y = 0; y < 3; ++y) paint(mask, x, y, green);
    bitmaps[0x501] = mask;
    sprite = add({.kind = ElementKind::sprite,
                  .resource = 0x500,
                  .offset = {10, 10},
                  .image_flags = 0x83,
                  .callbacks = {true, true, true},
                  .sprite = {.scale_x = scale_x,
                             .scale_y = scale_y,
                             .scale_rotation = scale_rotation,
                             .texture_scale_x = 1,
                             .texture_scale_y = 1}});
  }
  GaugeImage draw(double x, double y, double rotation) {
    return renderer().draw_frame(frame_with(*this, sprite, {x, y, rotation}));
  }
};

TEST(SpriteRendering, TheTextureCentreStandsOnTheMasksCentre) {
  SpriteGauge gauge(0, 0, 0);
  const GaugeImage image = gauge.draw(0, 0, 0);
  EXPECT_TRUE(image.pixel(27, 20) == white);
  EXPECT_TRUE(image.pixel(13, 20) == face);
  EXPECT_TRUE(image.pixel(1, 1) == green);
}

TEST(SpriteRendering, TurnsClockwiseAndShiftsByValueTimesScale) {
  struct Case {
    double scale_y, scale_rotation, y, rotation;
    Point bar_tip;  // a pixel the bar covers
  };
  for (auto [scale_y, scale_rotation, y, rotation, tip] :
       {Case{0, 1, 0, 90, {20, 27}}, Case{0, -1, 0, 90, {20, 13}}, Case{0, -1, 0, -180, {13, 20}},
        Case{2, 0, 5, 0, {27, 30}}, Case{-2, 0, 5, 0, {27, 10}}}) {
    SpriteGauge gauge(0, scale_y, scale_rotation);
    const GaugeImage image = gauge.draw(nan, y, rotation);  // a still axis ignores even NaN
    EXPECT_TRUE(image.pixel(tip.x, tip.y) == white)
        << "y " << y << " x " << scale_y << ", turn " << rotation << " x " << scale_rotation;
    EXPECT_TRUE(image.pixel(1, 1) == green) << "the mask does not move";
  }
}

TEST(SpriteRendering, AMovingAxisWithoutAValueLeavesTheSpriteOut) {
  SpriteGauge gauge(0, 0, 1);
  auto renderer = gauge.renderer();
  const auto placements = renderer.place(frame_with(gauge, gauge.sprite, {0, 0, nan}));
  EXPECT_FALSE(placements[gauge.sprite].drawn);
  EXPECT_NE(placements[gauge.sprite].note, "");
  EXPECT_TRUE(renderer.draw(placements).pixel(27, 20) == face);
}

TEST(Rendering, AMissingBitmapLeavesTheElementOutButAMissingBackgroundStopsTheDrawing) {
  IconGauge gauge;
  gauge.bitmaps.erase(0x300);
  auto renderer = gauge.renderer();
  const auto placements = renderer.place(frame_with(gauge, gauge.icon, {0}));
  EXPECT_FALSE(placements[gauge.icon].drawn);
  EXPECT_NE(placements[gauge.icon].note.find("0x300"), std::string::npos);
  EXPECT_TRUE(renderer.draw(placements).pixel(10, 10) == face);

  gauge.bitmaps.erase(0x100);
  EXPECT_THROW(gauge.renderer().draw_frame({}), RenderError);
}

TEST(Rendering, AMalformedBitmapIsRefusedNotRead) {
  FixtureGauge gauge(10, 10);
  for (auto bytes : {std::vector<uint8_t>{}, std::vector<uint8_t>(39, 0), std::vector<uint8_t>(60, 0xFF)}) {
    GaugeRenderer renderer(gauge.description, [bytes](int32_t) { return bytes; });
    EXPECT_THROW(renderer.draw_frame({}), RenderError) << bytes.size() << " bytes";
  }
}

}  // namespace
}  // namespace bench::testing
