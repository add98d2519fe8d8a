// The vertical speed indicator: token 0x22C in feet per second shown in
// thousands of feet per minute, held to -2..2, and 0 without power.
#include <gtest/gtest.h>

#include <cmath>

#include "dial_gauge_test.h"

namespace bench::testing {
namespace {

constexpr uint32_t vertical_speed = 0x22C;
constexpr size_t needle = 1;

// The dial fixture the engine dials share: a one-needle dial of the common picture.
class VsiTest : public DialGaugeTest {
 protected:
  double reading(double feet_per_second, double power = 1.0) {
    return DialGaugeTest::reading(needle, vertical_speed, feet_per_second, power);
  }
};

TEST_P(VsiTest, NeedleShowsThousandsOfFeetPerMinuteWithinTheScale) {
  struct Case {
    double feet_per_second;
    double shown;
  };
  for (auto [feet_per_second, shown] : {
           Case{10, 0.6},
           Case{-5, -0.3},
           Case{0, 0},
           Case{50, 2},                                  // 3.0, clamped
           Case{-40, -2},                                // -2.4, clamped
           Case{33.33333333333333, 1.9999999999999998},  // just inside the climb limit
           Case{33.333333333333336, 2},                  // the smallest step beyond it
           Case{-33.33333333333333, -1.9999999999999998},
           Case{-33.333333333333336, -2},
           Case{1e308, 2},  // overflows to infinity in the conversion
           Case{-1e308, -2},
           Case{inf, 2},
           Case{-inf, -2},
       }) {
    EXPECT_EQ(reading(feet_per_second), shown) << "vertical speed " << feet_per_second;
  }
}

TEST_P(VsiTest, FiveHundredFeetPerMinuteReachesTheClimbFiveMark) {
  EXPECT_NEAR(reading(8.333), 0.5, 1e-4);
  EXPECT_NEAR(reading(-8.333), -0.5, 1e-4);
}

TEST_P(VsiTest, NanPassesThroughTheClamp) {
  EXPECT_TRUE(std::isnan(reading(nan)));
}

TEST_P(VsiTest, PowerOffHoldsTheNeedleAtZero) {
  expect_power_gate({vertical_speed});
}

TEST_P(VsiTest, UnreadTokensChangeNothing) {
  expect_unread_tokens_ignored({{vertical_speed, 12}}, {0x78, 0x41});
}

TEST_P(VsiTest, RecordsDescribeTheDial) {
  expect_records(
      {.name = "Tarvik_VSI",
       .background = 0x1400,
       .needles =
           {{.bitmap = 0x1200,
             .pivot = {176, 171},
             .calibration = {{{302, 188}, -2}, {{66, 246}, -0.5}, {{41, 171}, 0}, {{65, 95}, 0.5}, {{299, 156}, 2}}}},
       .tooltip = "Vertical Speed",
       .refresh_list = {0x22C, 0x301, 0x78, 0x41}});
}

// The drawn needle stands on the dial's marks at the table's points: 0 at
// 9 o'clock, the climb and descent 5s, and the two 2000 marks either side of 3.
TEST_P(VsiTest, NeedleStandsOnTheMarks) {
  constexpr double feet_per_second_per_500 = 500.0 / 60;
  expect_needle_on_marks(
      needle, vertical_speed,
      {{0, 270}, {feet_per_second_per_500, 304.5}, {-feet_per_second_per_500, 236}, {40, 82.5}, {-40, 97}});
}

TEST_P(VsiTest, ClimbTurnsTheNeedleClockwise) {
  expect_turns(needle, vertical_speed, {-40, -20, -8, -2, 0, 2, 8, 20, 40}, Turn::clockwise);
}

INSTANTIATE_TEST_SUITE_P(Builds, VsiTest, ::testing::ValuesIn(builds_of("Tarvik_VSI")), build_name);

}  // namespace
}  // namespace bench::testing
