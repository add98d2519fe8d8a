// The altimeter: both needles take the full altitude (0 without power), the
// drum takes the pressure setting ungated and unlimited, and the BARO knob
// sends one key event.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "dial_gauge_test.h"
#include "record_expectations.h"

namespace bench::testing {
namespace {

constexpr uint32_t altitude = 0x4A;
constexpr uint32_t pressure_setting = 0x4C;
constexpr uint32_t power = 0x301;
constexpr size_t drum = 1, short_needle = 2, long_needle = 3;
constexpr size_t drum_x = 0, drum_y = 1;
constexpr uint32_t baro_knob_event = 0x10030;

// The dial fixture the engine dials share, for its needle-on-mark check.
class AltimeterTest : public DialGaugeTest {
 protected:
  // A powered gauge: the first frame's draw resets power_on, so readings come from the second.
  void show(double altitude_token, double pressure_token = 29.92, double power_token = 1.0) {
    session.set_token(power, power_token);
    session.set_token(altitude, altitude_token);
    session.set_token(pressure_setting, pressure_token);
    session.run_frames(2);
  }
  std::vector<double> needles() const { return {session.value(short_needle), session.value(long_needle)}; }
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
  expect_every_element_at_load(gauge);
  EXPECT_EQ(moving.callbacks, (std::vector<bool>{true, true}));

  EXPECT_EQ(gauge.tooltip, "Altimeter");
  EXPECT_EQ(mouse_rect_types(gauge),
            (std::vector<MouseRectType>{MouseRectType::parent, MouseRectType::tooltip, MouseRectType::child,
                                        MouseRectType::end_parent, MouseRectType::end_list}));
  ASSERT_EQ(gauge.mouse_rects.size(), 5u);
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

// Every bitmap the records name, and the masks beside them, at its size and palette.
TEST_P(AltimeterTest, BitmapsHaveTheirSizesAndPalettes) {
  expect_bitmap_sizes(session.backend(), {BitmapSize{0x1500, 342, 338, 256}, BitmapSize{0x1900, 42, 862, 256},
                                          BitmapSize{0x1901, 42, 42, 2}, BitmapSize{0x1400, 118, 22, 256},
                                          BitmapSize{0x1200, 137, 23, 256}});

  // The long needle is the common needle, pixel for pixel.
  GaugeSession airspeed_gauge{GetParam().path.parent_path() / "Tarvon_Airspeed.gau"};
  EXPECT_EQ(session.backend().bitmap(0x1200), airspeed_gauge.backend().bitmap(0x1200));
}

// Numerals every 36 degrees: the long needle passes one per 100, the short one per 1000.
TEST_P(AltimeterTest, NeedlesStandOnTheNumerals) {
  expect_needle_on_marks(long_needle, altitude, {{0, 0}, {100, 36}, {500, 180}, {900, 324}});
  expect_needle_on_marks(short_needle, altitude, {{2000, 72}, {5000, 180}, {8000, 288}});
}

// The centre row of the drum label nearest the window's middle row, found
// from the white figures between the drum's marks and the window's index.
std::optional<double> label_centre_near(const GaugeImage& drawn, double middle) {
  constexpr int first_column = 268, last_column = 292, top = 146, bottom = 182;
  std::optional<double> nearest;
  int run_start = -1;
  for (int y = top; y <= bottom + 1; ++y) {
    bool ink = false;
    for (int x = first_column; x <= last_column && y <= bottom; ++x) {
      const Rgba pixel = drawn.pixel(x, y);
      ink = ink || (pixel.red > 180 && pixel.green > 180 && pixel.blue > 180);
    }
    if (ink && run_start < 0) run_start = y;
    if (!ink && run_start >= 0) {
      const double centre = (run_start + y - 1) / 2.0;
      if (!nearest || std::abs(centre - middle) < std::abs(*nearest - middle)) nearest = centre;
      run_start = -1;
    }
  }
  return nearest;
}

// The drum puts the row of a setting at its window's middle, level with the
// middle index mark: the label of that setting must be centred there.
TEST_P(AltimeterTest, DrumShowsTheSettingsLabelInTheWindowsMiddle) {
  GaugeRenderer renderer(session.backend());
  constexpr double window_middle = 144 + 21;  // the window's top plus half the mask's 42 rows
  for (double inches : {28.1, 29.9, 31.5}) {
    show(1000, inches);
    const std::optional<double> centre = label_centre_near(renderer.draw_frame(session.last_frame()), window_middle);
    ASSERT_TRUE(centre.has_value()) << "no label in the window at " << inches;
    EXPECT_NEAR(*centre, window_middle, 1.5) << "pressure setting " << inches;
  }
  // 29.92 sits a fifth of a label step below the 29.9 label.
  show(1000, 29.92);
  const std::optional<double> centre = label_centre_near(renderer.draw_frame(session.last_frame()), window_middle);
  ASSERT_TRUE(centre.has_value());
  EXPECT_NEAR(*centre, window_middle - 4.8, 1.5);
}

INSTANTIATE_TEST_SUITE_P(Builds, AltimeterTest, ::testing::ValuesIn(builds_of("Tarvik_Altimeter")), build_name);

}  // namespace
}  // namespace bench::testing
