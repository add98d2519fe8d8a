// The fuel quantity indicator: two needles on one pivot, front tank from token
// 0x130 and rear tank from 0x12F, each held to 0..165 gallons and at 0 without
// power, on non-linear tables that run opposite ways round the dial.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gauge_renderer.h"
#include "gauge_session.h"
#include "module_builds.h"
#include "needle_geometry.h"

namespace bench::testing {
namespace {

constexpr uint32_t power = 0x301;
constexpr uint32_t front_fuel = 0x130;
constexpr uint32_t rear_fuel = 0x12F;
constexpr size_t front_needle = 1;
constexpr size_t rear_needle = 2;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

struct Tank {
  uint32_t token;
  size_t needle;
};
constexpr Tank tanks[] = {{front_fuel, front_needle}, {rear_fuel, rear_needle}};

class FuelQuantityTest : public ::testing::TestWithParam<ModuleBuild> {
 protected:
  void SetUp() override {
    session.add_instance();
    session.run_frames(1);  // past the first draw, which turns power_on off until the next update
  }

  // Both needles after a frame with the given tokens.
  std::pair<double, double> readings(double front, double rear, double power_token = 1.0) {
    session.set_token(power, power_token);
    session.set_token(front_fuel, front);
    session.set_token(rear_fuel, rear);
    session.run_frames(1);
    return {session.value(front_needle), session.value(rear_needle)};
  }

  GaugeSession session{GetParam().path};
};

TEST_P(FuelQuantityTest, EachNeedleShowsItsTankWithinTheScale) {
  struct Case {
    double gallons;
    double shown;
  };
  for (auto [gallons, shown] : {Case{25, 25}, Case{95.5, 95.5}, Case{0, 0}, Case{165, 165}, Case{165.01, 165},
                                Case{200, 165}, Case{-1, 0}, Case{-0.0001, 0}, Case{inf, 165}, Case{-inf, 0}}) {
    EXPECT_EQ(readings(gallons, 50), (std::pair{shown, 50.0})) << "front tank " << gallons;
    EXPECT_EQ(readings(50, gallons), (std::pair{50.0, shown})) << "rear tank " << gallons;
  }
}

TEST_P(FuelQuantityTest, NanPassesThroughTheClamp) {
  auto [front, rear] = readings(nan, nan);
  EXPECT_TRUE(std::isnan(front));
  EXPECT_TRUE(std::isnan(rear));
}

TEST_P(FuelQuantityTest, PowerOffHoldsBothNeedlesAtZero) {
  for (double power_token : {0.0, 0.999, -0.5, nan}) {
    EXPECT_EQ(readings(120, 80, power_token), (std::pair{0.0, 0.0})) << "power token " << power_token;
    EXPECT_EQ(readings(nan, -inf, power_token), (std::pair{0.0, 0.0})) << "power token " << power_token;
  }
}

TEST_P(FuelQuantityTest, UnreadTokensChangeNothing) {
  const auto before = readings(120, 80);
  for (uint32_t token : {0x0u, 0x231u, 0x232u, 0x27Eu}) session.set_token(token, 9999);
  EXPECT_EQ(readings(120, 80), before);
}

TEST_P(FuelQuantityTest, NeedlesTurnOppositeWaysUpFromTheBottom) {
  struct Case {
    double front, rear;
    double front_degrees, rear_degrees;  // clockwise from straight up
  };
  GaugeRenderer renderer(session.backend());
  for (const Case& c : {Case{50, 150, 235.73, 55.33}, Case{100, 25, 269.65, 147.93}, Case{165, 0, 312.59, 170.47},
                        Case{200, -1, 312.59, 170.47}, Case{-1, 200, 191.65, 45.93}}) {
    readings(c.front, c.rear);
    const auto placements = renderer.place(session.last_frame());
    ASSERT_TRUE(placements[front_needle].angle && placements[rear_needle].angle);
    EXPECT_NEAR(*placements[front_needle].angle, c.front_degrees, 0.01) << "front tank " << c.front;
    EXPECT_NEAR(*placements[rear_needle].angle, c.rear_degrees, 0.01) << "rear tank " << c.rear;
  }
}

// The dial's marks stand where the tables send the needles: white at every 50
// gallons and at full, red at empty.
TEST_P(FuelQuantityTest, DialMarksLieUnderTheNeedles) {
  GaugeRenderer renderer(session.backend());
  const GaugeImage dial = renderer.draw_background();
  const auto& elements = session.description().elements;
  const Point pivot{178, 170};
  for (size_t needle : {front_needle, rear_needle}) {
    for (double gallons : {0.0, 50.0, 100.0, 150.0, 165.0}) {
      const double degrees = *needle_angle(elements[needle].needle.calibration, pivot, gallons);
      const double radians = degrees * M_PI / 180;
      const int x = static_cast<int>(std::floor(pivot.x + 0.5 + 132 * std::sin(radians)));
      const int y = static_cast<int>(std::floor(pivot.y + 0.5 - 132 * std::cos(radians)));
      const Rgba mark = dial.pixel(x, y);
      SCOPED_TRACE(::testing::Message() << "needle " << needle << " at " << gallons << " gallons, pixel " << x << ","
                                        << y);
      if (gallons == 0) {
        EXPECT_TRUE(mark.red > 180 && mark.green < 80 && mark.blue < 80);
      } else {
        EXPECT_TRUE(mark.red > 200 && mark.green > 200 && mark.blue > 200);
      }
    }
  }
}

TEST_P(FuelQuantityTest, RecordsDescribeTheDial) {
  const auto& gauge = session.description();
  EXPECT_EQ(gauge.gauge_name, "Tarvik_FuelQTY");
  ASSERT_EQ(gauge.elements.size(), 3u);
  EXPECT_EQ(gauge.elements[0].kind, ElementKind::static_image);
  EXPECT_EQ(gauge.elements[0].resource, 0x2300);

  using Table = std::vector<std::pair<Point, double>>;
  struct Needle {
    size_t element;
    int32_t bitmap;
    Table table;
  };
  // The rear table is listed clockwise too, so from full down to empty.
  for (const auto& [element, bitmap, table] :
       {Needle{front_needle, 0x2100, Table{{{151, 301}, 0}, {{65, 247}, 50}, {{65, 95}, 150}, {{79, 79}, 165}}},
        Needle{rear_needle, 0x2200, Table{{{272, 79}, 165}, {{285, 96}, 150}, {{285, 246}, 50}, {{200, 301}, 0}}}}) {
    SCOPED_TRACE(::testing::Message() << "needle " << element);
    const auto& needle = gauge.elements[element];
    EXPECT_EQ(needle.kind, ElementKind::needle);
    EXPECT_EQ(needle.resource, bitmap);
    EXPECT_EQ(needle.position, (Point{178, 170}));
    EXPECT_EQ(needle.offset, (Point{10, 11}));
    EXPECT_EQ(needle.image_flags, 0x83u);
    EXPECT_EQ(needle.needle.source.token, 0u);
    ASSERT_EQ(needle.needle.calibration.size(), table.size());
    for (size_t entry = 0; entry < table.size(); ++entry) {
      EXPECT_EQ(needle.needle.calibration[entry].point, table[entry].first) << "entry " << entry + 1;
      EXPECT_EQ(needle.needle.calibration[entry].value, table[entry].second) << "entry " << entry + 1;
      EXPECT_EQ(needle.needle.calibration[entry].simulator_field, 0.0) << "entry " << entry + 1;
    }
  }
  EXPECT_EQ(gauge.tooltip, "Fuel Quantity");
  EXPECT_TRUE(gauge.click_areas.empty());
}

TEST_P(FuelQuantityTest, RefreshesItsSevenTokensInOrder) {
  session.services().clear_lookups();
  session.run_frames(1);
  EXPECT_EQ(session.services().lookups(), (std::vector<uint32_t>{0, 0x231, 0x301, 0x232, 0x27E, 0x130, 0x12F}));
}

INSTANTIATE_TEST_SUITE_P(Builds, FuelQuantityTest, ::testing::ValuesIn(builds_of("Tarvik_FuelQTY")), build_name);

}  // namespace
}  // namespace bench::testing
