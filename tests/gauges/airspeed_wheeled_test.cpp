// The wheeled variant's airspeed indicator: the airspeed gauge with its own
// name and dial, held to 0..170 knots instead of 0..160.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gauge_session.h"
#include "module_builds.h"

namespace bench::testing {
namespace {

constexpr uint32_t airspeed = 0x3D;
constexpr uint32_t power = 0x301;
constexpr size_t dial = 0;
constexpr size_t needle = 1;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// A powered gauge: the first frame's draw resets power_on, so readings come from the second.
double reading(GaugeSession& session, double knots, double power_token = 1.0) {
  session.set_token(power, power_token);
  session.set_token(airspeed, knots);
  session.run_frames(2);
  return session.value(needle);
}

class AirspeedWheeledTest : public ::testing::TestWithParam<ModuleBuild> {
 protected:
  void SetUp() override { session.add_instance(); }

  // The gauge it varies, from the same build.
  std::filesystem::path airspeed_module() const { return GetParam().path.parent_path() / "Tarvon_Airspeed.gau"; }

  GaugeSession session{GetParam().path};
};

TEST_P(AirspeedWheeledTest, NeedleFollowsTheAirspeedUpTo170) {
  struct Case {
    double knots;
    double shown;
  };
  for (auto [knots, shown] : {Case{95.5, 95.5}, Case{165, 165}, Case{170, 170}, Case{170.01, 170}, Case{180, 170},
                              Case{1e300, 170}, Case{inf, 170}, Case{0, 0}, Case{-3, 0}, Case{-inf, 0}}) {
    EXPECT_EQ(reading(session, knots), shown) << "airspeed " << knots;
  }
}

TEST_P(AirspeedWheeledTest, NanPassesThroughTheClamp) {
  EXPECT_TRUE(std::isnan(reading(session, nan)));
}

TEST_P(AirspeedWheeledTest, PowerOffHoldsTheNeedleAtZero) {
  for (double power_token : {0.0, 0.999, -0.5, nan}) {
    EXPECT_EQ(reading(session, 165, power_token), 0.0) << "power token " << power_token;
    EXPECT_EQ(reading(session, nan, power_token), 0.0) << "power token " << power_token;
  }
}

TEST_P(AirspeedWheeledTest, ShowsWhatTheAirspeedGaugeCutsOff) {
  GaugeSession airspeed_gauge{airspeed_module()};
  airspeed_gauge.add_instance();
  EXPECT_EQ(reading(session, 165), 165);
  EXPECT_EQ(reading(airspeed_gauge, 165), 160);
  EXPECT_EQ(reading(session, 120), reading(airspeed_gauge, 120));
}

TEST_P(AirspeedWheeledTest, UnreadTokensChangeNothing) {
  const double before = reading(session, 120);
  session.set_token(0x40, 9999);
  session.set_token(0x74, -9999);
  EXPECT_EQ(reading(session, 120), before);
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

TEST_P(AirspeedWheeledTest, RefreshesItsFourTokensInOrder) {
  session.services().clear_lookups();
  session.run_frames(1);
  EXPECT_EQ(session.services().lookups(), (std::vector<uint32_t>{0x3D, 0x40, 0x301, 0x74}));
}

INSTANTIATE_TEST_SUITE_P(Builds, AirspeedWheeledTest, ::testing::ValuesIn(builds_of("Tarvon_AirspeedWheeled")),
                         build_name);

}  // namespace
}  // namespace bench::testing
