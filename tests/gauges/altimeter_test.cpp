// The altimeter: both needles take the full altitude (0 without power), the
// drum takes the pressure setting ungated and unlimited, and the BARO knob
// sends one key event.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gauge_session.h"
#include "module_builds.h"

namespace bench::testing {
namespace {

constexpr uint32_t altitude = 0x4A;
constexpr uint32_t pressure_setting = 0x4C;
constexpr uint32_t power = 0x301;
constexpr size_t drum = 1, short_needle = 2, long_needle = 3;
constexpr size_t drum_x = 0, drum_y = 1;
constexpr uint32_t baro_knob_event = 0x10030;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

class AltimeterTest : public ::testing::TestWithParam<ModuleBuild> {
 protected:
  // A powered gauge: the first frame's draw resets power_on, so readings come from the second.
  void show(double altitude_token, double pressure_token = 29.92, double power_token = 1.0) {
    session.set_token(power, power_token);
    session.set_token(altitude, altitude_token);
    session.set_token(pressure_setting, pressure_token);
    session.run_frames(2);
  }
  std::vector<double> needles() const { return {session.value(short_needle), session.value(long_needle)}; }

  void SetUp() override { session.add_instance(); }

  GaugeSession session{GetParam().path};
};

TEST_P(AltimeterTest, BothNeedlesTakeTheFullAltitude) {
  for (double feet : {0.0, 500.0, 999.0, 1000.0, 12345.6, 9999.0, 25000.0, -200.0, 1e300, inf, -inf}) {
    show(feet);
    EXPECT_EQ(needles(), (std::vector<double>{feet, feet})) << "altitude " << feet;
  }
  show(nan);
  EXPECT_TRUE(std::isnan(session.value(short_needle)));
  EXPECT_TRUE(std::isnan(session.value(long_needle)));
}

TEST_P(AltimeterTest, PowerOffHoldsTheNeedlesButNotTheDrum) {
  for (double power_token : {0.0, 0.9, -0.9, nan}) {
    show(4321, 30.15, power_token);
    EXPECT_EQ(needles(), (std::vector<double>{0, 0})) << "power token " << power_token;
    EXPECT_EQ(session.value(drum, drum_y), 30.15) << "power token " << power_token;
  }
}

// The first draw resets power_on until the next update.
TEST_P(AltimeterTest, NeedlesRestBetweenTheFirstDrawAndTheNextUpdate) {
  session.set_token(power, 1);
  session.set_token(altitude, 500);
  session.run_frames(1);
  EXPECT_EQ(session.value(long_needle), 500);
  EXPECT_EQ(session.backend().call_value(long_needle, 0), 0.0);
  EXPECT_EQ(session.backend().call_value(short_needle, 0), 0.0);
}

TEST_P(AltimeterTest, DrumShowsThePressureSettingUnlimited) {
  for (double inches : {29.92, 28.0, 31.6, 27.5, 32.0, -1.0, 0.0, 1e300, inf, -inf}) {
    show(1000, inches);
    EXPECT_EQ(session.value(drum, drum_y), inches) << "pressure setting " << inches;
    EXPECT_EQ(session.value(drum, drum_x), 0.0) << "pressure setting " << inches;
  }
  show(1000, nan);
  EXPECT_TRUE(std::isnan(session.value(drum, drum_y)));
}

TEST_P(AltimeterTest, BaroKnobSendsOneKeyEventAndChangesNothingElse) {
  show(2500, 29.92);
  const auto before = session.last_frame();
  const auto& area = session.description().click_areas.at(0);
  const auto& events = session.services().key_events();
  for (Point point : {Point{27, 265}, Point{55, 294}, Point{83, 322}}) {
    const size_t sent_before = events.size();
    ASSERT_TRUE(session.click(point)) << point.x << "," << point.y;
    EXPECT_EQ(std::vector<KeyEvent>(events.begin() + sent_before, events.end()),
              (std::vector<KeyEvent>{{baro_knob_event, 0}}))
        << point.x << "," << point.y;
  }
  EXPECT_EQ(session.backend().call_mouse(area.rect_index, {55, 294}, area.mouse_flags), 0);
  session.run_frames(1);
  for (size_t element : {drum, short_needle, long_needle})
    EXPECT_EQ(session.last_frame()[element].values, before[element].values) << "element " << element;
}

TEST_P(AltimeterTest, ClicksBesideTheKnobSendNothing) {
  for (Point point : {Point{26, 290}, Point{84, 290}, Point{55, 264}, Point{55, 323}, Point{176, 166}}) {
    EXPECT_FALSE(session.click(point)) << point.x << "," << point.y;
  }
  EXPECT_TRUE(session.services().key_events().empty());
}

TEST_P(AltimeterTest, UnreadTokensChangeNothing) {
  show(3300, 29.5);
  const auto before = session.last_frame();
  session.set_token(0x4B, 9999);
  session.set_token(0x6D, -9999);
  session.run_frames(1);
  for (size_t element : {drum, short_needle, long_needle})
    EXPECT_EQ(session.last_frame()[element].values, before[element].values) << "element " << element;
}

TEST_P(AltimeterTest, RecordsDescribeDialDrumAndNeedles) {
  const auto& gauge = session.description();
  EXPECT_EQ(gauge.gauge_name, "Tarvik_Altimeter");
  ASSERT_EQ(gauge.elements.size(), 4u);
  EXPECT_EQ(gauge.elements[0].kind, ElementKind::static_image);
  EXPECT_EQ(gauge.elements[0].resource, 0x1500);

  const auto& moving = gauge.elements[drum];
  EXPECT_EQ(moving.kind, ElementKind::moving_image);
  EXPECT_EQ(moving.resource, 0x1900);
  EXPECT_EQ(moving.position, (Point{258, 144}));
  EXPECT_EQ(moving.offset, (Point{0, 0}));
  EXPECT_EQ(moving.moving.min_x, 0.0);
  EXPECT_EQ(moving.moving.max_x, 0.0);
  EXPECT_EQ(moving.moving.min_y, 28.0);
  EXPECT_EQ(moving.moving.max_y, 31.6);
  EXPECT_EQ(moving.moving.source_x.token, 0u);
  EXPECT_EQ(moving.moving.source_y.token, 0u);

  struct Needle {
    size_t element;
    int32_t resource;
    Point pivot;
    double full_turn;
  };
  for (auto [element, resource, pivot, full_turn] :
       {Needle{short_needle, 0x1400, {10, 10}, 9999}, Needle{long_needle, 0x1200, {10, 11}, 999}}) {
    const auto& needle = gauge.elements[element];
    EXPECT_EQ(needle.kind, ElementKind::needle) << "element " << element;
    EXPECT_EQ(needle.resource, resource) << "element " << element;
    EXPECT_EQ(needle.position, (Point{176, 166})) << "element " << element;
    EXPECT_EQ(needle.offset, pivot) << "element " << element;
    ASSERT_EQ(needle.needle.calibration.size(), 2u) << "element " << element;
    EXPECT_EQ(needle.needle.calibration[0].point, (Point{177, 35})) << "element " << element;
    EXPECT_EQ(needle.needle.calibration[0].value, 0.0) << "element " << element;
    EXPECT_EQ(needle.needle.calibration[1].point, (Point{176, 35})) << "element " << element;
    EXPECT_EQ(needle.needle.calibration[1].value, full_turn) << "element " << element;
  }
  for (const auto& element : gauge.elements) EXPECT_EQ(element.image_flags, 0x83u);

  EXPECT_EQ(gauge.tooltip, "Altimeter");
  ASSERT_EQ(gauge.mouse_rects.size(), 5u);
  EXPECT_EQ(gauge.mouse_rects[2].type, MouseRectType::child);
  EXPECT_EQ(gauge.mouse_rects[2].event_id, 0u);
  ASSERT_EQ(gauge.click_areas.size(), 1u);
  EXPECT_EQ(gauge.click_areas[0].box, (Box{27, 265, 57, 58}));
  EXPECT_EQ(gauge.click_areas[0].cursor, 5);
  EXPECT_EQ(gauge.click_areas[0].mouse_flags, 0x20000000u);
}

TEST_P(AltimeterTest, RefreshesItsFiveTokensInOrder) {
  session.services().clear_lookups();
  session.run_frames(1);
  EXPECT_EQ(session.services().lookups(), (std::vector<uint32_t>{0x4A, 0x4B, 0x4C, 0x301, 0x6D}));
}

INSTANTIATE_TEST_SUITE_P(Builds, AltimeterTest, ::testing::ValuesIn(builds_of("Tarvik_Altimeter")), build_name);

}  // namespace
}  // namespace bench::testing
