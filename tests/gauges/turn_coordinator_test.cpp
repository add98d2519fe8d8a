// The turn coordinator: the ball and the turn needle follow their tokens held
// to ±127 and ±1200, with no power gate; the glass tube always shows picture 0.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gauge_session.h"
#include "module_builds.h"

namespace bench::testing {
namespace {

constexpr uint32_t ball_token = 0x45;
constexpr uint32_t turn_rate = 0x46;
constexpr uint32_t power = 0x301;
constexpr size_t ball = 1, glass_tube = 2, turn_needle = 3;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

class TurnCoordinatorTest : public ::testing::TestWithParam<ModuleBuild> {
 protected:
  void show(double ball_position, double rate) {
    session.set_token(ball_token, ball_position);
    session.set_token(turn_rate, rate);
    session.run_frames(1);
  }

  void SetUp() override { session.add_instance(); }

  GaugeSession session{GetParam().path};
};

struct Case {
  double token;
  double shown;
};

TEST_P(TurnCoordinatorTest, BallIsHeldToTheTubesEnds) {
  for (auto [token, shown] :
       {Case{0, 0}, Case{50, 50}, Case{-50, -50}, Case{127, 127}, Case{-127, -127}, Case{127.0001, 127},
        Case{-127.0001, -127}, Case{300, 127}, Case{-300, -127}, Case{1e300, 127}, Case{inf, 127}, Case{-inf, -127}}) {
    show(token, 0);
    EXPECT_EQ(session.value(ball), shown) << "ball " << token;
  }
}

TEST_P(TurnCoordinatorTest, TurnNeedleIsHeldToItsEnds) {
  for (auto [token, shown] :
       {Case{0, 0}, Case{600, 600}, Case{-600, -600}, Case{1200, 1200}, Case{-1200, -1200}, Case{1200.5, 1200},
        Case{-1200.5, -1200}, Case{5000, 1200}, Case{-1500, -1200}, Case{inf, 1200}, Case{-inf, -1200}}) {
    show(0, token);
    EXPECT_EQ(session.value(turn_needle), shown) << "rate of turn " << token;
  }
}

TEST_P(TurnCoordinatorTest, NanPassesThroughBothLimits) {
  show(nan, nan);
  EXPECT_TRUE(std::isnan(session.value(ball)));
  EXPECT_TRUE(std::isnan(session.value(turn_needle)));
}

// Token 0x301 is refreshed and never read: from the very first frame on, with
// the power token at anything, the needles follow their tokens.
TEST_P(TurnCoordinatorTest, NeedlesMoveWithPowerOff) {
  for (double power_token : {0.0, 0.5, 1.0, nan}) {
    session.set_token(power, power_token);
    show(-60, 900);
    EXPECT_EQ(session.value(ball), -60) << "power token " << power_token;
    EXPECT_EQ(session.value(turn_needle), 900) << "power token " << power_token;
  }
}

TEST_P(TurnCoordinatorTest, GlassTubeAlwaysShowsItsFirstPicture) {
  for (double token : {0.0, 127.0, -300.0, 1200.0, nan, inf}) {
    session.set_token(power, token);
    show(token, token);
    EXPECT_EQ(session.value(glass_tube), 0.0) << "tokens at " << token;
  }
}

TEST_P(TurnCoordinatorTest, UnreadTokensChangeNothing) {
  show(40, -700);
  const auto before = session.last_frame();
  for (uint32_t token : {0x22Cu, 0x301u, 0x78u, 0x41u}) session.set_token(token, 12345);
  session.run_frames(1);
  for (size_t element : {ball, glass_tube, turn_needle})
    EXPECT_EQ(session.last_frame()[element].values, before[element].values) << "element " << element;
}

TEST_P(TurnCoordinatorTest, RecordsDescribeBallTubeAndNeedle) {
  const auto& gauge = session.description();
  EXPECT_EQ(gauge.gauge_name, "Tarvik_TurnCoordinator");
  ASSERT_EQ(gauge.elements.size(), 4u);
  EXPECT_EQ(gauge.elements[0].kind, ElementKind::static_image);
  EXPECT_EQ(gauge.elements[0].resource, 0x1900);

  const auto& tube = gauge.elements[glass_tube];
  EXPECT_EQ(tube.kind, ElementKind::icon);
  EXPECT_EQ(tube.resource, 0x1700);
  EXPECT_EQ(tube.position, (Point{67, 245}));
  EXPECT_EQ(tube.icon.switch_type, 3u);
  EXPECT_EQ(tube.icon.icon_count, 2u);

  struct Needle {
    size_t element;
    int32_t resource;
    Point position;
    Point pivot;
    std::vector<std::pair<Point, double>> table;
  };
  for (const auto& [element, resource, position, pivot, table] :
       {Needle{ball, 0x1600, {175, 1}, {0, 20}, {{{258, 306}, 127}, {{175, 315}, 0}, {{92, 306}, -127}}},
        Needle{
            turn_needle, 0x1800, {175, 240}, {15, 14}, {{{106, 147}, -1200}, {{175, 123}, 0}, {{233, 147}, 1200}}}}) {
    const auto& needle = gauge.elements[element];
    EXPECT_EQ(needle.kind, ElementKind::needle) << "element " << element;
    EXPECT_EQ(needle.resource, resource) << "element " << element;
    EXPECT_EQ(needle.position, position) << "element " << element;
    EXPECT_EQ(needle.offset, pivot) << "element " << element;
    ASSERT_EQ(needle.needle.calibration.size(), table.size()) << "element " << element;
    for (size_t entry = 0; entry < table.size(); ++entry) {
      EXPECT_EQ(needle.needle.calibration[entry].point, table[entry].first) << "element " << element;
      EXPECT_EQ(needle.needle.calibration[entry].value, table[entry].second) << "element " << element;
    }
  }
  for (const auto& element : gauge.elements) EXPECT_EQ(element.image_flags, 0x83u);
  EXPECT_EQ(gauge.tooltip, "Turn Coordinator");
  EXPECT_TRUE(gauge.click_areas.empty());
}

TEST_P(TurnCoordinatorTest, RefreshesItsSixTokensInOrder) {
  session.services().clear_lookups();
  session.run_frames(1);
  EXPECT_EQ(session.services().lookups(), (std::vector<uint32_t>{0x22C, 0x301, 0x78, 0x41, 0x45, 0x46}));
}

INSTANTIATE_TEST_SUITE_P(Builds, TurnCoordinatorTest, ::testing::ValuesIn(builds_of("Tarvik_TurnCoordinator")),
                         build_name);

}  // namespace
}  // namespace bench::testing
