// The turn coordinator: the ball and the turn needle follow their tokens held
// to ±127 and ±1200, with no power gate; the glass tube always shows picture 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "dib_reader.h"
#include "gauge_renderer.h"
#include "gauge_session.h"
#include "module_builds.h"
#include "record_expectations.h"

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
  expect_every_element_at_load(gauge);
  EXPECT_EQ(gauge.tooltip, "Turn Coordinator");
  EXPECT_EQ(mouse_rect_types(gauge), (std::vector<MouseRectType>{MouseRectType::parent, MouseRectType::tooltip,
                                                                 MouseRectType::end_parent, MouseRectType::end_list}));
}

// Every bitmap the records name, and the masks beside them, at its size and palette.
TEST_P(TurnCoordinatorTest, BitmapsHaveTheirSizesAndPalettes) {
  expect_bitmap_sizes(session.backend(), {BitmapSize{0x1900, 342, 400, 256}, BitmapSize{0x1600, 315, 40, 256},
                                          BitmapSize{0x1700, 217, 83, 255}, BitmapSize{0x1701, 3, 3, 255},
                                          BitmapSize{0x1800, 130, 29, 229}});

  // The tube's second picture shows nothing.
  const gauge::bmp::IndexedBitmap nothing = read_dib(session.backend().bitmap(0x1701).value());
  for (int y = 0; y < nothing.height; ++y)
    for (int x = 0; x < nothing.width; ++x) EXPECT_EQ(nothing.colour_at(x, y), gauge::bmp::transparent);
}

TEST_P(TurnCoordinatorTest, RefreshesItsSixTokensInOrder) {
  session.services().clear_lookups();
  session.run_frames(1);
  EXPECT_EQ(session.services().lookups(), (std::vector<uint32_t>{0x22C, 0x301, 0x78, 0x41, 0x45, 0x46}));
}

INSTANTIATE_TEST_SUITE_P(Builds, TurnCoordinatorTest, ::testing::ValuesIn(builds_of("Tarvik_TurnCoordinator")),
                         build_name);

// Where the pixels of one element of the drawn gauge lie: those that change
// when it is left out.
struct Extent {
  double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
  int count = 0;
  // Of the box round them: a wire over the ball hides some of its pixels.
  double middle_x() const { return (left + right + 1) / 2; }
};

class TurnCoordinatorPictureTest : public TurnCoordinatorTest {
 protected:
  Extent drawn_extent(size_t element) {
    std::vector<Placement> placements = renderer.place(session.last_frame());
    const GaugeImage with = renderer.draw(placements);
    placements.at(element).drawn = false;
    const GaugeImage without = renderer.draw(placements);
    Extent extent;
    for (int y = 0; y < with.height(); ++y) {
      for (int x = 0; x < with.width(); ++x) {
        if (with.pixel(x, y) == without.pixel(x, y)) continue;
        extent.left = std::min<double>(extent.left, x);
        extent.right = std::max<double>(extent.right, x);
        extent.top = std::min<double>(extent.top, y);
        extent.bottom = std::max<double>(extent.bottom, y);
        ++extent.count;
      }
    }
    return extent;
  }

  // The light reference wires of the glass tube along a row, seen without the
  // ball: the centre of each run of light pixels across the tube's middle.
  std::vector<double> wire_centres(int row) {
    std::vector<Placement> placements = renderer.place(session.last_frame());
    placements.at(ball).drawn = false;
    const GaugeImage drawn = renderer.draw(placements);
    std::vector<double> centres;
    int run_start = -1;
    for (int x = 130; x <= 220; ++x) {
      const Rgba pixel = drawn.pixel(x, row);
      const bool light = pixel.red > 150 && pixel.green > 150 && pixel.blue > 150;
      if (light && run_start < 0) run_start = x;
      if (!light && run_start >= 0) {
        centres.push_back((run_start + x) / 2.0);
        run_start = -1;
      }
    }
    return centres;
  }

  GaugeRenderer renderer{session.backend()};
};

// At rest the ball hangs straight below its pivot at the top of the bitmap,
// in the inclinometer window and between the tube's two wires.
TEST_P(TurnCoordinatorPictureTest, BallHangsBetweenTheWiresAtRest) {
  show(0, 0);
  const Extent ball_pixels = drawn_extent(ball);
  ASSERT_GT(ball_pixels.count, 500);
  EXPECT_NEAR(ball_pixels.middle_x(), 175.5, 1.0);
  EXPECT_GE(ball_pixels.top, 264);
  EXPECT_LE(ball_pixels.bottom, 316);

  const std::vector<double> wires = wire_centres(290);
  ASSERT_EQ(wires.size(), 2u);
  EXPECT_LT(wires[0], ball_pixels.middle_x());
  EXPECT_GT(wires[1], ball_pixels.middle_x());
}

// At either end of its travel the ball stays inside the window, x 80 to 279.
TEST_P(TurnCoordinatorPictureTest, BallStaysInTheWindowAtBothEnds) {
  for (double position : {127.0, -127.0, 1000.0}) {
    show(position, 0);
    const Extent ball_pixels = drawn_extent(ball);
    ASSERT_GT(ball_pixels.count, 500) << "ball at " << position;
    EXPECT_GE(ball_pixels.left, 74) << "ball at " << position;
    EXPECT_LE(ball_pixels.right, 284) << "ball at " << position;
    EXPECT_EQ(ball_pixels.middle_x() > 175.5, position > 0) << "ball at " << position;
  }
}

// With no turn the needle stands straight up, its tip under the index.
TEST_P(TurnCoordinatorPictureTest, TurnNeedlePointsAtTheIndexAtRest) {
  show(0, 0);
  const Extent needle_pixels = drawn_extent(turn_needle);
  ASSERT_GT(needle_pixels.count, 200);
  EXPECT_NEAR(needle_pixels.middle_x(), 175.5, 1.0);
  EXPECT_GE(needle_pixels.top, 123);  // the index's lowest row
  EXPECT_LE(needle_pixels.top, 130);
}

INSTANTIATE_TEST_SUITE_P(Builds, TurnCoordinatorPictureTest, ::testing::ValuesIn(builds_of("Tarvik_TurnCoordinator")),
                         build_name);

}  // namespace
}  // namespace bench::testing
