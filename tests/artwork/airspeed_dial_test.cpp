// The committed airspeed dial has its marks and arcs where the
// needle's calibration puts the speeds (artwork_is_current keeps it painted).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "gauge/bmp.h"

namespace {

using gauge::bmp::Colour;

const gauge::bmp::IndexedBitmap& dial() {
  static const gauge::bmp::IndexedBitmap bitmap =
      gauge::bmp::read_file(GAUGE_SOURCE_ROOT "/flight/airspeed/dial_1700.bmp");
  return bitmap;
}

// The dial's pixel at `radius` from the pivot (173, 168), `degrees` clockwise from up.
Colour at(double degrees, double radius) {
  const double radians = degrees * std::numbers::pi / 180;
  const int x = static_cast<int>(std::floor(173.5 + radius * std::sin(radians)));
  const int y = static_cast<int>(std::floor(168.5 - radius * std::cos(radians)));
  return dial().colour_at(x, y);
}

bool white(Colour c) {
  return c.red > 200 && c.green > 200 && c.blue > 200;
}
bool green(Colour c) {
  return c.green > c.red + 60 && c.green > c.blue + 60;
}
bool yellow(Colour c) {
  return c.red > 180 && c.green > 140 && c.blue < 100;
}
bool red(Colour c) {
  return c.red > 150 && c.green < 90 && c.blue < 90;
}

TEST(AirspeedDial, HasTheSizeAndAFullPalette) {
  EXPECT_EQ(dial().width, 342);
  EXPECT_EQ(dial().height, 338);
  EXPECT_EQ(dial().palette.size(), 256u);
}

TEST(AirspeedDial, HasAWhiteMarkAtEachListedAngleAndNoneBetween) {
  // The marks: 0, 20, 40, 50, 60, ... 160 knots.
  const double marks[] = {0.5, 12, 22, 34, 50, 67.5, 87.5, 108, 129.5, 151, 175, 199, 224, 248.5, 273};
  constexpr double radius = 130;  // across the colour arcs, clear of numerals
  for (const double degrees : marks) {
    EXPECT_TRUE(white(at(degrees, radius))) << "mark at " << degrees;
    EXPECT_FALSE(white(at(degrees - 3.5, radius))) << "left of the mark at " << degrees;
    EXPECT_FALSE(white(at(degrees + 3.5, radius))) << "right of the mark at " << degrees;
  }
}

TEST(AirspeedDial, MarksNothingBeyond160Knots) {
  for (double degrees = 277; degrees < 358; degrees += 0.5)
    for (double radius = 115; radius <= 141; radius += 1)  // the marks and arcs, outside the numerals
      EXPECT_FALSE(white(at(degrees, radius))) << degrees << " degrees, radius " << radius;
}

TEST(AirspeedDial, HasItsArcsBetweenTheListedSpeeds) {
  EXPECT_TRUE(white(at(40, 138))) << "white arc from the 50 mark";
  EXPECT_TRUE(white(at(140, 138))) << "white arc to about 108 knots";
  EXPECT_FALSE(white(at(155, 138))) << "no white arc past 108 knots";
  EXPECT_TRUE(green(at(75, 131))) << "green from the 70 mark, inside the white";
  EXPECT_TRUE(green(at(215, 131))) << "green to about 144 knots";
  EXPECT_TRUE(yellow(at(240, 131))) << "yellow to the 150 mark";
  EXPECT_TRUE(red(at(260, 131))) << "red from the 150 to the 160 mark";
  EXPECT_FALSE(green(at(30, 131)) || yellow(at(30, 131)) || red(at(30, 131))) << "nothing below 50 knots";
}

TEST(AirspeedDial, IsTransparentOutsideTheBezelExceptForTheScrews) {
  const Colour transparent{0, 0, 0};
  EXPECT_EQ(dial().colour_at(0, 0), transparent);
  EXPECT_EQ(dial().colour_at(341, 337), transparent);
  EXPECT_EQ(dial().colour_at(173, 1), transparent);
  EXPECT_NE(dial().colour_at(24, 24), transparent) << "screw head";
  EXPECT_NE(dial().colour_at(173, 10), transparent) << "bezel";
}

}  // namespace
