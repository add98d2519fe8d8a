// The oil temperature and pressure indicator: token 0x231 in degrees Rankine
// shown in degrees Celsius, 0..120, on a needle that turns counter-clockwise
// as it rises, and token 0x232 in pounds per square foot shown in pounds per
// square inch, 0..80. Both 0 without power; the power token is the third of
// the refresh list.
#include "dial_gauge_test.h"

namespace bench::testing {
namespace {

constexpr uint32_t oil_temperature = 0x231;
constexpr uint32_t oil_pressure = 0x232;
constexpr size_t temperature_needle = 1;
constexpr size_t pressure_needle = 2;

// The token values that show `celsius` and `psi`.
constexpr double rankine(double celsius) {
  return celsius / 0.5556 + 32 + 459.7;
}
constexpr double psf(double psi) {
  return psi / 0.00694;
}

class OilTest : public DialGaugeTest {};

TEST_P(OilTest, TemperatureShowsDegreesCelsius) {
  expect_converted_readings(temperature_needle, oil_temperature, {{671.7, 100.008}, {600, 60.17148}});
}

TEST_P(OilTest, PressureShowsPoundsPerSquareInch) {
  expect_converted_readings(pressure_needle, oil_pressure, {{5000, 34.7}, {10000, 69.4}, {1, 0.00694}});
}

TEST_P(OilTest, ValuesAreHeldToTheirScales) {
  expect_readings(temperature_needle, oil_temperature,
                  {{491.7, 0},
                   {707.7, 120},  // 120.0096: at the upper end of the red arc
                   {0, 0},        // -273.18852
                   {inf, 120},
                   {-inf, 0},
                   {1e308, 120}});
  expect_readings(pressure_needle, oil_pressure,
                  {{0, 0},
                   {12000, 80},    // 83.28
                   {11527.4, 80},  // 80.0001556
                   {-100, 0},
                   {-1e-300, 0},
                   {inf, 80},
                   {-inf, 0}});
}

TEST_P(OilTest, NanPassesThroughTheClamps) {
  EXPECT_TRUE(std::isnan(reading(temperature_needle, oil_temperature, nan)));
  EXPECT_TRUE(std::isnan(reading(pressure_needle, oil_pressure, nan)));
}

TEST_P(OilTest, PowerOffHoldsBothNeedlesAtZero) {
  expect_power_gate({oil_temperature, oil_pressure});
}

TEST_P(OilTest, UnreadTokensChangeNothing) {
  expect_unread_tokens_ignored({{oil_temperature, 640}, {oil_pressure, 8000}}, {0});
}

TEST_P(OilTest, RecordsDescribeTheDial) {
  expect_records(
      {.name = "Tarvik_Oil",
       .background = 0x1600,
       .needles = {{.bitmap = 0x1700, .pivot = {174, 169}, .calibration = {{{244, 49}, 120}, {{242, 287}, 0}}},
                   {.bitmap = 0x1800, .pivot = {174, 169}, .calibration = {{{73, 255}, 0}, {{71, 81}, 80}}}},
       .tooltip = "Oil temp + pressure",
       .refresh_list = {0, 0x231, 0x301, 0x232}});
}

TEST_P(OilTest, NeedlesTurnTheirOwnWaysAsTheirValuesRise) {
  expect_turns(temperature_needle, oil_temperature, {rankine(0), rankine(30), rankine(60), rankine(90), rankine(120)},
               Turn::counter_clockwise);
  expect_turns(pressure_needle, oil_pressure, {psf(0), psf(20), psf(40), psf(60), psf(80)}, Turn::clockwise);
}

TEST_P(OilTest, NeedlesStandOnTheirMarks) {
  expect_needle_on_marks(temperature_needle, oil_temperature,
                         {{rankine(0), 149.5}, {rankine(60), 89.85}, {rankine(120), 30.2}});
  expect_needle_on_marks(pressure_needle, oil_pressure, {{psf(0), 229.6}, {psf(40), 269.8}, {psf(80), 310}});
}

INSTANTIATE_TEST_SUITE_P(Builds, OilTest, ::testing::ValuesIn(builds_of("Tarvik_Oil")), build_name);

}  // namespace
}  // namespace bench::testing
