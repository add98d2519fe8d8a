// The manifold pressure and turbo indicator: token 0x187 in pounds per square
// foot shown in inches of mercury, 0..60, and token 0x19A, a fraction, shown in
// percent, 0..100, on a needle that turns counter-clockwise as it rises. Both
// 0 without power.
#include "dial_gauge_test.h"

namespace bench::testing {
namespace {

constexpr uint32_t manifold_pressure = 0x187;
constexpr uint32_t turbo = 0x19A;
constexpr size_t manifold_pressure_needle = 1;
constexpr size_t turbo_needle = 2;
constexpr double psf_per_inch_of_mercury = 70.72619;

class ManifoldPressureTest : public DialGaugeTest {};

TEST_P(ManifoldPressureTest, ManifoldPressureShowsInchesOfMercury) {
  expect_converted_readings(manifold_pressure_needle, manifold_pressure,
                            {{70.72619, 1}, {2121.7857, 30}, {1000, 14.139033927884423}});
}

TEST_P(ManifoldPressureTest, ManifoldPressureIsHeldToTheScale) {
  expect_readings(manifold_pressure_needle, manifold_pressure,
                  {{0, 0},
                   {4243.58, 60},  // 60.0001
                   {5000, 60},     // about 70.7: at the upper end of the red arc
                   {-0.001, 0},
                   {-500, 0},
                   {1e308, 60},
                   {inf, 60},
                   {-inf, 0}});
}

TEST_P(ManifoldPressureTest, TurboShowsPercentWithinTheScale) {
  expect_readings(turbo_needle, turbo,
                  {{0.5, 50}, {0, 0}, {1, 100}, {1.2, 100}, {-0.1, 0}, {1e307, 100}, {inf, 100}, {-inf, 0}});
}

TEST_P(ManifoldPressureTest, NanPassesThroughTheClamps) {
  EXPECT_TRUE(std::isnan(reading(manifold_pressure_needle, manifold_pressure, nan)));
  EXPECT_TRUE(std::isnan(reading(turbo_needle, turbo, nan)));
}

TEST_P(ManifoldPressureTest, PowerOffHoldsBothNeedlesAtZero) {
  expect_power_gate({manifold_pressure, turbo});
}

TEST_P(ManifoldPressureTest, UnreadTokensChangeNothing) {
  expect_unread_tokens_ignored({{manifold_pressure, 2000}, {turbo, 0.4}}, {0x277, 0x194, 0x1BB, 0x1C1, 0x237, 0});
}

TEST_P(ManifoldPressureTest, RecordsDescribeTheDial) {
  expect_records(
      {.name = "Tarvik_ManPRturbo",
       .background = 0x1900,
       .needles = {{.bitmap = 0x2000, .pivot = {175, 167}, .calibration = {{{108, 285}, 0}, {{109, 52}, 60}}},
                   {.bitmap = 0x2100, .pivot = {175, 167}, .calibration = {{{251, 59}, 100}, {{268, 265}, 0}}}},
       .tooltip = "Manifold Pressure + Turbo",
       .refresh_list = {0x277, 0x301, 0x194, 0x1BB, 0x19A, 0x1C1, 0x237, 0x187, 0}});
}

TEST_P(ManifoldPressureTest, NeedlesTurnTheirOwnWaysAsTheirValuesRise) {
  expect_turns(manifold_pressure_needle, manifold_pressure, {0, 700, 2100, 3500, 4300}, Turn::clockwise);
  expect_turns(turbo_needle, turbo, {0, 0.25, 0.5, 0.75, 1}, Turn::counter_clockwise);
}

TEST_P(ManifoldPressureTest, NeedlesStandOnTheirMarks) {
  expect_needle_on_marks(manifold_pressure_needle, manifold_pressure,
                         {{0, 209.5}, {30 * psf_per_inch_of_mercury, 269.75}, {60 * psf_per_inch_of_mercury, 330}});
  expect_needle_on_marks(turbo_needle, turbo, {{0, 136.3}, {0.5, 85.6}, {1, 34.9}});
}

INSTANTIATE_TEST_SUITE_P(Builds, ManifoldPressureTest, ::testing::ValuesIn(builds_of("Tarvik_ManPRturbo")), build_name);

}  // namespace
}  // namespace bench::testing
