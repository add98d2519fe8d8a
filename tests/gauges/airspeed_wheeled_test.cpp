// The wheeled variant's airspeed indicator: the airspeed gauge with its own
// name and dial, held to 0..170 knots instead of 0..160.
#include <gtest/gtest.h>

#include <cmath>

#include "dial_gauge_test.h"

namespace bench::testing {
namespace {

constexpr uint32_t airspeed = 0x3D;
constexpr size_t dial = 0;
constexpr size_t needle = 1;

// A powered gauge: the first frame's draw resets power_on, so readings come from the second.
double shown_airspeed(GaugeSession& gauge, double knots, double power = 1.0) {
  gauge.set_token(power_token, power);
  gauge.set_token(airspeed, knots);
  gauge.run_frames(2);
  return gauge.value(needle);
}

// The dial fixture the engine dials share: a one-needle dial of the common picture.
class AirspeedWheeledTest : public DialGaugeTest {
 protected:
  // The gauge it varies, from the same build.
  std::filesystem::path airspeed_module() const { return GetParam().path.parent_path() / "Tarvon_Airspeed.gau"; }
};

TEST_P(AirspeedWheeledTest, NeedleFollowsTheAirspeedUpTo170) {
  struct Case {
    double knots;
    double shown;
  };
  for (auto [knots, shown] : {Case{95.5, 95.5}, Case{165, 165}, Case{170, 170}, Case{170.01, 170}, Case{180, 170},
                              Case{1e300, 170}, Case{inf, 170}, Case{0, 0}, Case{-3, 0}, Case{-inf, 0}}) {
    EXPECT_EQ(shown_airspeed(session, knots), shown) << "airspeed " << knots;
  }
}

TEST_P(AirspeedWheeledTest, NanPassesThroughTheClamp) {
  EXPECT_TRUE(std::isnan(shown_airspeed(session, nan)));
}

TEST_P(AirspeedWheeledTest, PowerOffHoldsTheNeedleAtZero) {
  expect_power_gate({airspeed});
}

TEST_P(AirspeedWheeledTest, ShowsWhatTheAirspeedGaugeCutsOff) {
  GaugeSession airspeed_gauge{airspeed_module()};
  airspeed_gauge.add_instance();
  EXPECT_EQ(shown_airspeed(session, 165), 165);
  EXPECT_EQ(shown_airspeed(airspeed_gauge, 165), 160);
  EXPECT_EQ(shown_airspeed(session, 120), shown_airspeed(airspeed_gauge, 120));
}

TEST_P(AirspeedWheeledTest, UnreadTokensChangeNothing) {
  expect_unread_tokens_ignored({{airspeed, 120}}, {0x40, 0x74});
}

// Name and dial aside, every record is the airspeed gauge's, value for value.
TEST_P(AirspeedWheeledTest, RecordsAreTheAirspeedGaugesWithItsOwnNameAndDial) {
  GaugeSession airspeed_gauge{airspeed_module()};
  const auto& wheeled = session.description();
  const auto& original = airspeed_gauge.description();
  EXPECT_EQ(wheeled.gauge_name, "Tarvon_AirspeedWheeled");
  ASSERT_EQ(wheeled.elements.size(), original.elements.size());
  EXPECT_EQ(wheeled.elements[dial].kind, ElementKind::static_image);
  EXPECT_EQ(wheeled.elements[dial].resource, 0x1800);
  EXPECT_EQ(wheeled.elements[dial].position, original.elements[dial].position);

  const auto& ours = wheeled.elements[needle];
  const auto& theirs = original.elements[needle];
  EXPECT_EQ(ours.kind, theirs.kind);
  EXPECT_EQ(ours.resource, 0x1200);
  EXPECT_EQ(ours.resource, theirs.resource);
  EXPECT_EQ(ours.position, theirs.position);
  EXPECT_EQ(ours.offset, theirs.offset);
  EXPECT_EQ(ours.image_flags, theirs.image_flags);
  ASSERT_EQ(ours.needle.calibration.size(), 6u);
  ASSERT_EQ(ours.needle.calibration.size(), theirs.needle.calibration.size());
  for (size_t entry = 0; entry < ours.needle.calibration.size(); ++entry) {
    EXPECT_EQ(ours.needle.calibration[entry].point, theirs.needle.calibration[entry].point) << "entry " << entry + 1;
    EXPECT_EQ(ours.needle.calibration[entry].value, theirs.needle.calibration[entry].value) << "entry " << entry + 1;
  }
  EXPECT_EQ(wheeled.tooltip, "Airspeed");
  EXPECT_EQ(wheeled.mouse_rects.size(), original.mouse_rects.size());
  EXPECT_TRUE(wheeled.click_areas.empty());
}

TEST_P(AirspeedWheeledTest, RecordsDescribeTheDial) {
  expect_records({.name = "Tarvon_AirspeedWheeled",
                  .background = 0x1800,
                  .needles = {{.bitmap = 0x1200,
                               .pivot = {173, 168},
                               .calibration = {{{174, 32}, 0},
                                               {{201, 37}, 20},
                                               {{224, 44}, 40},
                                               {{277, 81}, 60},
                                               {{300, 209}, 90},
                                               {{89, 67}, 180}}}},
                  .tooltip = "Airspeed",
                  .refresh_list = {0x3D, 0x40, 0x301, 0x74}});
}

// The drawn needle stands on the dial's marks, up to the one the airspeed
// dial lacks: 170 knots, between 9 and 10 o'clock, where any faster speed stays.
TEST_P(AirspeedWheeledTest, NeedleStandsOnTheMarks) {
  expect_needle_on_marks(needle, airspeed, {{0, 0.5}, {60, 50}, {90, 108}, {160, 273}, {170, 297}, {400, 297}});
}

INSTANTIATE_TEST_SUITE_P(Builds, AirspeedWheeledTest, ::testing::ValuesIn(builds_of("Tarvon_AirspeedWheeled")),
                         build_name);

}  // namespace
}  // namespace bench::testing
