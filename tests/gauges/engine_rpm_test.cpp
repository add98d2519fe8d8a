// The engine RPM indicator: token 0x186 in revolutions per minute, held to
// 0..2000, and 0 without power.
#include "dial_gauge_test.h"

namespace bench::testing {
namespace {

constexpr uint32_t engine_rpm = 0x186;
constexpr size_t needle = 1;

class EngineRpmTest : public DialGaugeTest {};

TEST_P(EngineRpmTest, NeedleShowsTheEngineSpeedWithinTheScale) {
  expect_readings(needle, engine_rpm,
                  {{1850, 1850},  // inside the red arc
                   {0, 0},
                   {2000, 2000},
                   {2000.0000000000002, 2000},
                   {2600, 2000},
                   {-50, 0},
                   {-1e-300, 0},
                   {1e308, 2000},
                   {inf, 2000},
                   {-inf, 0}});
}

TEST_P(EngineRpmTest, NanPassesThroughTheClamp) {
  EXPECT_TRUE(std::isnan(reading(needle, engine_rpm, nan)));
}

TEST_P(EngineRpmTest, PowerOffHoldsTheNeedleAtZero) {
  expect_power_gate({engine_rpm});
}

TEST_P(EngineRpmTest, UnreadTokensChangeNothing) {
  expect_unread_tokens_ignored({{engine_rpm, 1200}}, {0x277, 0x194, 0x2BC, 0});
}

TEST_P(EngineRpmTest, RecordsDescribeTheDial) {
  expect_records(
      {.name = "Tarvik_EngineRPM",
       .background = 0x1800,
       .needles = {{.bitmap = 0x1900, .pivot = {175, 168}, .calibration = {{{58, 237}, 0}, {{292, 237}, 2000}}}},
       .tooltip = "Engine RPM",
       .refresh_list = {0x277, 0x301, 0x194, 0x2BC, 0x186, 0}});
}

TEST_P(EngineRpmTest, NeedleTurnsClockwiseOverTheTopAsTheSpeedRises) {
  expect_turns(needle, engine_rpm, {0, 500, 1000, 1500, 2000}, Turn::clockwise);
}

TEST_P(EngineRpmTest, NeedleStandsOnItsMarks) {
  expect_needle_on_marks(needle, engine_rpm, {{0, 239.7}, {1000, 359.9}, {1900, 108.1}, {2000, 120.1}});
}

INSTANTIATE_TEST_SUITE_P(Builds, EngineRpmTest, ::testing::ValuesIn(builds_of("Tarvik_EngineRPM")), build_name);

}  // namespace
}  // namespace bench::testing
