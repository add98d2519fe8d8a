// The fuel flow indicator: token 0x27E in pounds per hour, held to 0..600,
// and 0 without power; the power token is the third of its refresh list.
#include "dial_gauge_test.h"

namespace bench::testing {
namespace {

constexpr uint32_t fuel_flow = 0x27E;
constexpr size_t needle = 1;

class FuelFlowTest : public DialGaugeTest {};

TEST_P(FuelFlowTest, NeedleShowsTheFuelFlowWithinTheScale) {
  expect_readings(needle, fuel_flow,
                  {{300, 300},  // about straight up
                   {0, 0},
                   {600, 600},
                   {600.0000000000001, 600},
                   {750, 600},
                   {-20, 0},
                   {inf, 600},
                   {-inf, 0}});
}

TEST_P(FuelFlowTest, NanPassesThroughTheClamp) {
  EXPECT_TRUE(std::isnan(reading(needle, fuel_flow, nan)));
}

TEST_P(FuelFlowTest, PowerOffHoldsTheNeedleAtZero) {
  expect_power_gate({fuel_flow});
}

TEST_P(FuelFlowTest, UnreadTokensChangeNothing) {
  expect_unread_tokens_ignored({{fuel_flow, 420}}, {0, 0x231, 0x232});
}

TEST_P(FuelFlowTest, RecordsDescribeTheDial) {
  expect_records(
      {.name = "Tarvik_Fuelflow",
       .background = 0x1900,
       .needles = {{.bitmap = 0x1700, .pivot = {178, 168}, .calibration = {{{53, 209}, 0}, {{302, 210}, 600}}}},
       .tooltip = "Fuel Flow",
       .refresh_list = {0, 0x231, 0x301, 0x232, 0x27E}});
}

TEST_P(FuelFlowTest, NeedleTurnsClockwiseOverTheTopAsTheFlowRises) {
  expect_turns(needle, fuel_flow, {0, 150, 300, 450, 600}, Turn::clockwise);
}

// The dial's marks run from 252.4 to 107.8 degrees while the calibration table
// points from 251.8 to 108.7: at the ends the needle stands up to 0.9 degrees
// (2 px at its tip) off the middle of its mark, still on it.
TEST_P(FuelFlowTest, NeedleStandsOnItsMarks) {
  expect_needle_on_marks(needle, fuel_flow, {{0, 252.4}, {300, 0.1}, {600, 107.8}}, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Builds, FuelFlowTest, ::testing::ValuesIn(builds_of("Tarvik_Fuelflow")), build_name);

}  // namespace
}  // namespace bench::testing
