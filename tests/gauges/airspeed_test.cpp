// The airspeed indicator: token 0x3D shown in knots, held to 0..160, and 0
// without power.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gauge_session.h"
#include "module_builds.h"

namespace bench::testing {
namespace {

constexpr uint32_t airspeed = 0x3D;
constexpr uint32_t power = 0x301;
constexpr size_t needle = 1;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

class AirspeedTest : public ::testing::TestWithParam<ModuleBuild> {
 protected:
  // Readings after two powered frames: the first draw resets power_on, the next update restores it.
  double reading(double knots, double power_token = 1.0) {
    session.set_token(power, power_token);
    session.set_token(airspeed, knots);
    session.run_frames(2);
    return session.value(needle);
  }

  void SetUp() override { session.add_instance(); }

  GaugeSession session{GetParam().path};
};

TEST_P(AirspeedTest, NeedleFollowsTheAirspeedWithinTheScale) {
  struct Case {
    double knots;
    double shown;
  };
  for (auto [knots, shown] : {Case{95.5, 95.5}, Case{0, 0}, Case{160, 160}, Case{160.01, 160}, Case{240, 160},
                              Case{-3, 0}, Case{-0.0001, 0}, Case{inf, 160}, Case{-inf, 0}}) {
    EXPECT_EQ(reading(knots), shown) << "airspeed " << knots;
  }
}

TEST_P(AirspeedTest, NanPassesThroughTheClamp) {
  EXPECT_TRUE(std::isnan(reading(nan)));
}

TEST_P(AirspeedTest, PowerOffHoldsTheNeedleAtZero) {
  for (double power_token : {0.0, 0.999, -0.5, nan}) {
    EXPECT_EQ(reading(95.5, power_token), 0.0) << "power token " << power_token;
    EXPECT_EQ(reading(nan, power_token), 0.0) << "power token " << power_token;
  }
}

TEST_P(AirspeedTest, UnreadTokensChangeNothing) {
  double before = reading(120);
  session.set_token(0x40, 9999);
  session.set_token(0x74, -9999);
  EXPECT_EQ(reading(120), before);
}

TEST_P(AirspeedTest, RecordsDescribeTheDial) {
  const auto& gauge = session.description();
  EXPECT_EQ(gauge.gauge_name, "Tarvon_Airspeed");
  ASSERT_EQ(gauge.elements.size(), 2u);
  EXPECT_EQ(gauge.elements[0].kind, ElementKind::static_image);
  EXPECT_EQ(gauge.elements[0].resource, 0x1700);
  const auto& element = gauge.elements[needle];
  EXPECT_EQ(element.kind, ElementKind::needle);
  EXPECT_EQ(element.resource, 0x1200);
  EXPECT_EQ(element.position, (Point{173, 168}));
  EXPECT_EQ(element.offset, (Point{10, 11}));
  EXPECT_EQ(element.image_flags, 0x83u);
  const std::vector<std::pair<Point, double>> table = {{{174, 32}, 0},  {{201, 37}, 20},  {{224, 44}, 40},
                                                       {{277, 81}, 60}, {{300, 209}, 90}, {{89, 67}, 180}};
  ASSERT_EQ(element.needle.calibration.size(), table.size());
  for (size_t entry = 0; entry < table.size(); ++entry) {
    EXPECT_EQ(element.needle.calibration[entry].point, table[entry].first) << "entry " << entry + 1;
    EXPECT_EQ(element.needle.calibration[entry].value, table[entry].second) << "entry " << entry + 1;
  }
  EXPECT_EQ(gauge.tooltip, "Airspeed");
  EXPECT_TRUE(gauge.click_areas.empty());
}

TEST_P(AirspeedTest, OnlyTheNeedleHasASourceVariableToStore) {
  EXPECT_NO_THROW(session.backend().set_source_value(needle, 0, 42.0));
  EXPECT_EQ(reading(95.5), 95.5) << "the needle shows its callback's value, not its source variable";
  EXPECT_THROW(session.backend().set_source_value(needle, 1, 42.0), ModuleError);
  EXPECT_THROW(session.backend().set_source_value(0, 0, 42.0), ModuleError);
}

TEST_P(AirspeedTest, RefreshesItsFourTokensInOrder) {
  session.services().clear_lookups();
  session.run_frames(1);
  EXPECT_EQ(session.services().lookups(), (std::vector<uint32_t>{0x3D, 0x40, 0x301, 0x74}));
}

INSTANTIATE_TEST_SUITE_P(Builds, AirspeedTest, ::testing::ValuesIn(builds_of("Tarvon_Airspeed")), build_name);

}  // namespace
}  // namespace bench::testing
