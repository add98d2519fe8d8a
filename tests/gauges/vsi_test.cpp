// The vertical speed indicator: token 0x22C in feet per second shown in
// thousands of feet per minute, held to -2..2, and 0 without power.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gauge_session.h"
#include "module_builds.h"

namespace bench::testing {
namespace {

constexpr uint32_t vertical_speed = 0x22C;
constexpr uint32_t power = 0x301;
constexpr size_t needle = 1;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

class VsiTest : public ::testing::TestWithParam<ModuleBuild> {
 protected:
  // A powered gauge: the first frame's draw resets power_on, so readings come from the second.
  double reading(double feet_per_second, double power_token = 1.0) {
    session.set_token(power, power_token);
    session.set_token(vertical_speed, feet_per_second);
    session.run_frames(2);
    return session.value(needle);
  }

  void SetUp() override { session.add_instance(); }

  GaugeSession session{GetParam().path};
};

TEST_P(VsiTest, NeedleShowsThousandsOfFeetPerMinuteWithinTheScale) {
  struct Case {
    double feet_per_second;
    double shown;
  };
  for (auto [feet_per_second, shown] : {
           Case{10, 0.6},
           Case{-5, -0.3},
           Case{0, 0},
           Case{50, 2},                                  // 3.0, clamped
           Case{-40, -2},                                // -2.4, clamped
           Case{33.33333333333333, 1.9999999999999998},  // just inside the climb limit
           Case{33.333333333333336, 2},                  // the smallest step beyond it
           Case{-33.33333333333333, -1.9999999999999998},
           Case{-33.333333333333336, -2},
           Case{1e308, 2},  // overflows to infinity in the conversion
           Case{-1e308, -2},
           Case{inf, 2},
           Case{-inf, -2},
       }) {
    EXPECT_EQ(reading(feet_per_second), shown) << "vertical speed " << feet_per_second;
  }
}

TEST_P(VsiTest, FiveHundredFeetPerMinuteReachesTheClimbFiveMark) {
  EXPECT_NEAR(reading(8.333), 0.5, 1e-4);
  EXPECT_NEAR(reading(-8.333), -0.5, 1e-4);
}

TEST_P(VsiTest, NanPassesThroughTheClamp) {
  EXPECT_TRUE(std::isnan(reading(nan)));
}

TEST_P(VsiTest, PowerOffHoldsTheNeedleAtZero) {
  for (double power_token : {0.0, 0.999, -0.5, nan}) {
    for (double feet_per_second : {10.0, -40.0, nan, inf}) {
      EXPECT_EQ(reading(feet_per_second, power_token), 0.0)
          << "power token " << power_token << ", vertical speed " << feet_per_second;
    }
  }
}

TEST_P(VsiTest, UnreadTokensChangeNothing) {
  const double before = reading(12);
  session.set_token(0x78, 9999);
  session.set_token(0x41, -9999);
  EXPECT_EQ(reading(12), before);
}

TEST_P(VsiTest, RecordsDescribeTheDial) {
  const auto& gauge = session.description();
  EXPECT_EQ(gauge.gauge_name, "Tarvik_VSI");
  ASSERT_EQ(gauge.elements.size(), 2u);
  EXPECT_EQ(gauge.elements[0].kind, ElementKind::static_image);
  EXPECT_EQ(gauge.elements[0].resource, 0x1400);
  const auto& element = gauge.elements[needle];
  EXPECT_EQ(element.kind, ElementKind::needle);
  EXPECT_EQ(element.resource, 0x1200);
  EXPECT_EQ(element.position, (Point{176, 171}));
  EXPECT_EQ(element.offset, (Point{10, 11}));
  EXPECT_EQ(element.image_flags, 0x83u);
  EXPECT_EQ(element.needle.source.token, 0u);
  const std::vector<std::pair<Point, double>> table = {
      {{302, 188}, -2}, {{66, 246}, -0.5}, {{41, 171}, 0}, {{65, 95}, 0.5}, {{299, 156}, 2}};
  ASSERT_EQ(element.needle.calibration.size(), table.size());
  for (size_t entry = 0; entry < table.size(); ++entry) {
    EXPECT_EQ(element.needle.calibration[entry].point, table[entry].first) << "entry " << entry + 1;
    EXPECT_EQ(element.needle.calibration[entry].value, table[entry].second) << "entry " << entry + 1;
  }
  EXPECT_EQ(gauge.tooltip, "Vertical Speed");
  EXPECT_TRUE(gauge.click_areas.empty());
}

TEST_P(VsiTest, RefreshesItsFourTokensInOrder) {
  session.services().clear_lookups();
  session.run_frames(1);
  EXPECT_EQ(session.services().lookups(), (std::vector<uint32_t>{0x22C, 0x301, 0x78, 0x41}));
}

INSTANTIATE_TEST_SUITE_P(Builds, VsiTest, ::testing::ValuesIn(builds_of("Tarvik_VSI")), build_name);

}  // namespace
}  // namespace bench::testing
