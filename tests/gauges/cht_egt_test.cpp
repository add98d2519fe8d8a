// The CHT and EGT indicator: tokens 0x19F and 0x237 in degrees Rankine shown
// in degrees Celsius, the cylinder heads held to 0..300, the exhaust gas to
// 0..650 on a needle that turns counter-clockwise as it rises. Both 0 without
// power.
#include "dial_gauge_test.h"

namespace bench::testing {
namespace {

constexpr uint32_t cht = 0x19F;
constexpr uint32_t egt = 0x237;
constexpr size_t cht_needle = 1;
constexpr size_t egt_needle = 2;

// The Rankine temperature that shows `celsius`.
constexpr double rankine(double celsius) {
  return celsius / 0.5556 + 32 + 459.7;
}

class ChtEgtTest : public DialGaugeTest {};

TEST_P(ChtEgtTest, TemperaturesShowInDegreesCelsius) {
  expect_converted_readings(cht_needle, cht, {{671.7, 100.008}, {500, 4.6114800000000065}, {1000, 282.41148}});
  expect_converted_readings(egt_needle, egt, {{1211.7, 400.032}, {671.7, 100.008}, {1600, 615.77148}});
}

TEST_P(ChtEgtTest, TemperaturesAreHeldToTheirScales) {
  expect_readings(cht_needle, cht,
                  {{491.7, 0},     // 0 degrees Celsius exactly
                   {1100, 300},    // 337.97148: at the upper end of the red arc
                   {1031.7, 300},  // 300.024
                   {0, 0},         // -273.18852
                   {-1e308, 0},
                   {1e308, 300},
                   {inf, 300},
                   {-inf, 0}});
  expect_readings(egt_needle, egt,
                  {{491.7, 0},
                   {1700, 650},    // 671.33148
                   {1661.7, 650},  // 650.0016
                   {0, 0},
                   {inf, 650},
                   {-inf, 0}});
}

TEST_P(ChtEgtTest, NanPassesThroughTheClamps) {
  EXPECT_TRUE(std::isnan(reading(cht_needle, cht, nan)));
  EXPECT_TRUE(std::isnan(reading(egt_needle, egt, nan)));
}

TEST_P(ChtEgtTest, PowerOffHoldsBothNeedlesAtZero) {
  expect_power_gate({cht, egt});
}

TEST_P(ChtEgtTest, UnreadTokensChangeNothing) {
  expect_unread_tokens_ignored({{cht, 800}, {egt, 1400}},
                               {0x277, 0x194, 0x1BB, 0x19A, 0x1C1, 0x187, 0x241, 0x1AE, 0x1A1});
}

TEST_P(ChtEgtTest, RecordsDescribeTheDial) {
  expect_records(
      {.name = "Tarvik_CHT_EGT",
       .background = 0x2000,
       .needles = {{.bitmap = 0x2100, .pivot = {175, 167}, .calibration = {{{108, 286}, 0}, {{108, 51}, 300}}},
                   {.bitmap = 0x2200, .pivot = {175, 167}, .calibration = {{{230, 45}, 650}, {{230, 293}, 0}}}},
       .tooltip = "CHT & EGT",
       .refresh_list = {0x277, 0x301, 0x194, 0x1BB, 0x19A, 0x1C1, 0x237, 0x187, 0x241, 0x1AE, 0x1A1, 0x19F}});
}

TEST_P(ChtEgtTest, NeedlesTurnTheirOwnWaysAsTheTemperaturesRise) {
  expect_turns(cht_needle, cht, {rankine(0), rankine(75), rankine(150), rankine(225), rankine(300)}, Turn::clockwise);
  expect_turns(egt_needle, egt, {rankine(0), rankine(150), rankine(300), rankine(450), rankine(650)},
               Turn::counter_clockwise);
}

TEST_P(ChtEgtTest, NeedlesStandOnTheirMarks) {
  expect_needle_on_marks(cht_needle, cht, {{rankine(0), 209.4}, {rankine(150), 269.7}, {rankine(300), 330}});
  expect_needle_on_marks(egt_needle, egt, {{rankine(0), 156.3}, {rankine(300), 95.52}, {rankine(650), 24.6}});
}

INSTANTIATE_TEST_SUITE_P(Builds, ChtEgtTest, ::testing::ValuesIn(builds_of("Tarvik_CHT_EGT")), build_name);

}  // namespace
}  // namespace bench::testing
