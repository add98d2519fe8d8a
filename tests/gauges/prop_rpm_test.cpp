// The propeller RPM indicator: token 0x2BC in revolutions per minute on the
// engine RPM dial's scale, held to 0..2000, and 0 without power.
#include "dial_gauge_test.h"

namespace bench::testing {
namespace {

constexpr uint32_t prop_rpm = 0x2BC;
constexpr uint32_t engine_rpm = 0x186;
constexpr size_t needle = 1;

class PropRpmTest : public DialGaugeTest {};

TEST_P(PropRpmTest, NeedleShowsThePropellerSpeedWithinTheScale) {
  expect_readings(needle, prop_rpm,
                  {{1850, 1850},  // inside the red arc
                   {0, 0},
                   {2000, 2000},
                   {2000.0000000000002, 2000},
                   {2600, 2000},
                   {-50, 0},
                   {inf, 2000},
                   {-inf, 0}});
}

TEST_P(PropRpmTest, NanPassesThroughTheClamp) {
  EXPECT_TRUE(std::isnan(reading(needle, prop_rpm, nan)));
}

TEST_P(PropRpmTest, PowerOffHoldsTheNeedleAtZero) {
  expect_power_gate({prop_rpm});
}

// The engine speed, which the engine RPM dial shows, is neither refreshed nor read here.
TEST_P(PropRpmTest, UnreadTokensChangeNothing) {
  expect_unread_tokens_ignored({{prop_rpm, 1200}}, {0x277, 0x194, engine_rpm});
}

TEST_P(PropRpmTest, RecordsDescribeTheDial) {
  expect_records(
      {.name = "Tarvik_PropRPM",
       .background = 0x1700,
       .needles = {{.bitmap = 0x1800, .pivot = {175, 168}, .calibration = {{{58, 237}, 0}, {{292, 237}, 2000}}}},
       .tooltip = "Prop RPM",
       .refresh_list = {0x277, 0x301, 0x194, 0x2BC}});
}

TEST_P(PropRpmTest, NeedleTurnsClockwiseOverTheTopAsTheSpeedRises) {
  expect_turns(needle, prop_rpm, {0, 500, 1000, 1500, 2000}, Turn::clockwise);
}

TEST_P(PropRpmTest, NeedleStandsOnItsMarks) {
  expect_needle_on_marks(needle, prop_rpm, {{0, 239.7}, {1000, 359.9}, {1900, 108.1}, {2000, 120.1}});
}

INSTANTIATE_TEST_SUITE_P(Builds, PropRpmTest, ::testing::ValuesIn(builds_of("Tarvik_PropRPM")), build_name);

}  // namespace
}  // namespace bench::testing
