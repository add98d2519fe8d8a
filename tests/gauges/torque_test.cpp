// The propeller torque indicator: token 0x194 in foot-pounds, held to
// 0..3500, and 0 without power.
#include "dial_gauge_test.h"

namespace bench::testing {
namespace {

constexpr uint32_t torque = 0x194;
constexpr size_t needle = 1;

class TorqueTest : public DialGaugeTest {};

TEST_P(TorqueTest, NeedleShowsTheTorqueWithinTheScale) {
  expect_readings(needle, torque,
                  {{1750, 1750},  // straight up
                   {0, 0},
                   {3500, 3500},
                   {3500.0000000000005, 3500},
                   {4200, 3500},
                   {-300, 0},
                   {inf, 3500},
                   {-inf, 0}});
}

TEST_P(TorqueTest, NanPassesThroughTheClamp) {
  EXPECT_TRUE(std::isnan(reading(needle, torque, nan)));
}

TEST_P(TorqueTest, PowerOffHoldsTheNeedleAtZero) {
  expect_power_gate({torque});
}

TEST_P(TorqueTest, UnreadTokensChangeNothing) {
  expect_unread_tokens_ignored({{torque, 2200}}, {0x277});
}

TEST_P(TorqueTest, RecordsDescribeTheDial) {
  expect_records(
      {.name = "Tarvik_Torque",
       .background = 0x1600,
       .needles = {{.bitmap = 0x1700, .pivot = {175, 168}, .calibration = {{{45, 203}, 0}, {{305, 203}, 3500}}}},
       .tooltip = "Prop Torque",
       .refresh_list = {0x277, 0x301, 0x194}});
}

TEST_P(TorqueTest, NeedleTurnsClockwiseOverTheTopAsTheTorqueRises) {
  expect_turns(needle, torque, {0, 1000, 1750, 2500, 3500}, Turn::clockwise);
}

TEST_P(TorqueTest, NeedleStandsOnItsMarks) {
  expect_needle_on_marks(needle, torque, {{0, 255.3}, {1750, 0.15}, {3500, 105}});
}

INSTANTIATE_TEST_SUITE_P(Builds, TorqueTest, ::testing::ValuesIn(builds_of("Tarvik_Torque")), build_name);

}  // namespace
}  // namespace bench::testing
