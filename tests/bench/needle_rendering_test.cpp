// Needles drawn from their calibration tables: on the marks, along the
// clockwise arc between them, on past the table's ends, and not at all for a
// value that gives no angle.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "needle_geometry.h"
#include "render_fixture.h"

namespace bench::testing {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// A 3-pixel white needle 60 pixels long, drawn pointing right, its pivot at (2, 1).
struct NeedleGauge : FixtureGauge {
  size_t needle;
  Point pivot;

  NeedleGauge(Point pivot, std::vector<CalibrationPoint> table, int width = 101, int height = 101)
      : FixtureGauge(width, height), pivot(pivot) {
    bitmaps[0x200] = solid(61, 3, white);
    needle = add({.kind = ElementKind::needle,
                  .resource = 0x200,
                  .position = pivot,
                  .offset = {2, 1},
                  .image_flags = 0x83,
                  .callbacks = {true},
                  .needle = {.calibration = std::move(table)}});
  }

  GaugeImage draw(double value) { return renderer().draw_frame(frame_with(*this, needle, {value})); }

  // The needle covers the point 40 pixels out toward `degrees`, and not the
  // points 20 degrees to either side.
  ::testing::AssertionResult points_at(double value, double degrees) {
    const GaugeImage image = draw(value);
    if (!(pixel_toward(image, pivot, degrees, 40) == white))
      return ::testing::AssertionFailure() << "value " << value << ": no needle toward " << degrees << " degrees";
    for (double aside : {degrees - 20, degrees + 20}) {
      if (!(pixel_toward(image, pivot, aside, 40) == face))
        return ::testing::AssertionFailure() << "value " << value << ": needle seen toward " << aside << " degrees";
    }
    return ::testing::AssertionSuccess();
  }
};

// Up (0), right (90) and down (180) from the pivot (50, 50).
const std::vector<CalibrationPoint> rising = {{{50, 5}, 0}, {{95, 50}, 10}, {{50, 95}, 30}};

TEST(NeedleRendering, StandsOnEachEntryAndLinearlyBetween) {
  NeedleGauge gauge({50, 50}, rising);
  struct Case {
    double value;
    double degrees;
  };
  for (auto [value, degrees] : {Case{0, 0}, Case{10, 90}, Case{30, 180}, Case{5, 45}, Case{20, 135}, Case{2.5, 22.5}}) {
    EXPECT_TRUE(gauge.points_at(value, degrees));
  }
}

TEST(NeedleRendering, BeyondTheTableTheEndSegmentsRateGoesOn) {
  NeedleGauge gauge({50, 50}, rising);
  EXPECT_TRUE(gauge.points_at(40, 225));  // 4.5 degrees per unit past 30
  EXPECT_TRUE(gauge.points_at(-5, 315));  // 9 degrees per unit below 0
  EXPECT_TRUE(gauge.points_at(70, 0));    // on round past the top
}

TEST(NeedleRendering, FallingValuesStillTurnClockwise) {
  NeedleGauge gauge({50, 50}, {{{50, 5}, 100}, {{95, 50}, 50}, {{50, 95}, 0}});
  EXPECT_TRUE(gauge.points_at(75, 45));
  EXPECT_TRUE(gauge.points_at(25, 135));
  EXPECT_TRUE(gauge.points_at(-50, 270));
}

// From up to left is three quarters of a turn clockwise, not the short way round.
TEST(NeedleRendering, ASegmentTurnsClockwiseEvenTheLongWayRound) {
  NeedleGauge gauge({50, 50}, {{{50, 5}, 0}, {{5, 50}, 30}});
  EXPECT_TRUE(gauge.points_at(10, 90));
  EXPECT_TRUE(gauge.points_at(20, 180));
}

// Two points a pixel apart at the top of the dial, as an altimeter's.
TEST(NeedleRendering, AFullTurnTableSweepsOneTurnLessTheGap) {
  NeedleGauge gauge({176, 166}, {{{177, 35}, 0}, {{176, 35}, 999}}, 342, 338);
  EXPECT_TRUE(gauge.points_at(0, 0));
  EXPECT_TRUE(gauge.points_at(500, 180));
  EXPECT_TRUE(gauge.points_at(250, 90));
  EXPECT_TRUE(gauge.points_at(999, 0));
  EXPECT_TRUE(gauge.points_at(1499, 180));  // past 999 the turn goes on

  const auto angle_at = [&](double value) {
    return *needle_angle(gauge.description.elements[gauge.needle].needle.calibration, gauge.pivot, value);
  };
  EXPECT_NEAR(angle_at(0), 0.44, 0.01);
  EXPECT_EQ(angle_at(999), 0.0);  // on its point, straight up: one turn less the gap from 0
  EXPECT_GT(angle_at(998.99), 359.5);
  EXPECT_NEAR(angle_at(500), 180.0, 0.5);
}

TEST(NeedleRendering, AValueWithoutAnAngleLeavesTheNeedleOutAndSaysSo) {
  NeedleGauge gauge({50, 50}, rising);
  for (double value : {nan, std::numeric_limits<double>::infinity()}) {
    auto renderer = gauge.renderer();
    const auto frame = frame_with(gauge, gauge.needle, {value});
    const Placement placement = renderer.place(frame)[gauge.needle];
    EXPECT_FALSE(placement.drawn) << value;
    EXPECT_FALSE(placement.angle) << value;
    EXPECT_NE(placement.note, "") << value;
    const GaugeImage image = renderer.draw_frame(frame);
    for (double degrees = 0; degrees < 360; degrees += 15) {
      EXPECT_TRUE(pixel_toward(image, gauge.pivot, degrees, 30) == face) << value << " at " << degrees;
    }
  }
}

TEST(NeedleRendering, PureBlackAroundTheNeedleLeavesTheDialSeen) {
  NeedleGauge gauge({50, 50}, rising);
  gauge.bitmaps[0x200] = solid(61, 9, pure_black);
  for (int x = 0; x < 61; ++x) paint(gauge.bitmaps[0x200], x, 4, white);
  gauge.description.elements[gauge.needle].offset = {2, 4};
  EXPECT_TRUE(gauge.points_at(10, 90));
  const GaugeImage image = gauge.draw(10);
  EXPECT_TRUE(image.pixel(80, 47) == face);  // three rows above the needle, inside its bitmap
}

}  // namespace
}  // namespace bench::testing
