// The fuel selector: the first draw announces BOTH once per load, each of the
// four click areas sends its key event and turns the handle, and every
// instance shows the one shared position.
#include <gtest/gtest.h>

#include <cmath>

#include "gauge_renderer.h"
#include "gauge_session.h"
#include "module_builds.h"

namespace bench::testing {
namespace {

constexpr size_t handle = 1;
constexpr uint32_t select_off = 0x101A3, select_front = 0x101A5, select_both = 0x101A4, select_rear = 0x101A6;

class FuelSelectorTest : public ::testing::TestWithParam<ModuleBuild> {
 protected:
  void SetUp() override { session.add_instance(); }

  // The handle picture after the next frame.
  double position_shown() {
    session.run_frames(1);
    return session.value(handle);
  }
  const std::vector<KeyEvent>& events() { return session.services().key_events(); }

  GaugeSession session{GetParam().path};
};

TEST_P(FuelSelectorTest, FirstDrawAnnouncesBothOncePerLoad) {
  EXPECT_EQ(position_shown(), 0.0) << "OFF until the first draw";
  EXPECT_EQ(events(), (std::vector<KeyEvent>{{select_both, 0}}));
  EXPECT_EQ(position_shown(), 2.0);
  session.add_instance();
  session.run_frames(3);
  session.kill_all();
  session.add_instance();
  EXPECT_EQ(position_shown(), 2.0);
  EXPECT_EQ(events().size(), 1u) << "later draws, instances and instances after a kill announce nothing";
}

TEST_P(FuelSelectorTest, EachSectorSendsItsEventAndTurnsTheHandle) {
  struct Case {
    Point click;
    uint32_t event;
    double position;
  };
  // Each area's middle and its inside corners.
  const Case cases[] = {
      {{174, 289}, select_off, 0},  {{113, 245}, select_off, 0},  {{234, 332}, select_off, 0},
      {{58, 171}, select_front, 1}, {{12, 111}, select_front, 1}, {{103, 231}, select_front, 1},
      {{175, 45}, select_both, 2},  {{118, 1}, select_both, 2},   {{231, 89}, select_both, 2},
      {{295, 171}, select_rear, 3}, {{251, 112}, select_rear, 3}, {{338, 229}, select_rear, 3},
  };
  session.run_frames(1);
  for (const Case& c : cases) {
    const size_t before = events().size();
    EXPECT_TRUE(session.click(c.click)) << c.click.x << "," << c.click.y;
    ASSERT_EQ(events().size(), before + 1) << c.click.x << "," << c.click.y;
    EXPECT_EQ(events().back(), (KeyEvent{c.event, 0})) << c.click.x << "," << c.click.y;
    EXPECT_EQ(position_shown(), c.position) << c.click.x << "," << c.click.y;
  }
}

TEST_P(FuelSelectorTest, ClickOnTheSelectedSectorSendsItsEventAgain) {
  session.run_frames(1);
  for (int click = 0; click < 2; ++click) EXPECT_TRUE(session.click({295, 171}));
  EXPECT_EQ(events(), (std::vector<KeyEvent>{{select_both, 0}, {select_rear, 0}, {select_rear, 0}}));
  EXPECT_EQ(position_shown(), 3.0);
}

TEST_P(FuelSelectorTest, ClicksOutsideTheFourSectorsChooseNothing) {
  session.run_frames(1);
  session.click({58, 171});
  // The placard's centre, the corners, and the pixels just outside each area.
  for (Point outside :
       {Point{178, 170}, Point{104, 90}, Point{250, 244}, Point{0, 0}, Point{341, 337}, Point{112, 245},
        Point{235, 300}, Point{174, 333}, Point{11, 150}, Point{104, 150}, Point{58, 232}, Point{117, 40},
        Point{232, 40}, Point{175, 90}, Point{250, 171}, Point{339, 171}, Point{295, 111}, Point{295, 230}}) {
    EXPECT_FALSE(session.click(outside)) << outside.x << "," << outside.y;
  }
  EXPECT_EQ(events().size(), 2u);
  EXPECT_EQ(position_shown(), 1.0);
}

TEST_P(FuelSelectorTest, MouseCallbacksReturnFalse) {
  const auto& areas = session.description().click_areas;
  ASSERT_EQ(areas.size(), 4u);
  for (const auto& area : areas) {
    EXPECT_EQ(session.backend().call_mouse(area.rect_index, {area.box.x, area.box.y}, area.mouse_flags), 0);
  }
}

TEST_P(FuelSelectorTest, InstancesShareOnePosition) {
  session.add_instance();
  session.run_frames(1);
  EXPECT_EQ(events().size(), 1u) << "one announcement for both instances";
  session.click({58, 171});
  session.run_frames(1);
  EXPECT_EQ(session.value(handle), 1.0);
  session.kill_instance();
  EXPECT_EQ(position_shown(), 1.0) << "the position outlives the instance that set it";
}

TEST_P(FuelSelectorTest, ReadsNoTokens) {
  session.run_frames(3);
  EXPECT_TRUE(session.services().lookups().empty());
}

// The handle drawn over the placard for each position: its bar lies along the
// line to the chosen sector, and only its tapered end points there.
TEST_P(FuelSelectorTest, HandlePointsAtTheSelectedSector) {
  struct Case {
    Point click;
    double degrees;  // the chosen sector, clockwise from straight up
  };
  GaugeRenderer renderer(session.backend());
  session.run_frames(1);
  for (const auto& [click, degrees] :
       {Case{{174, 289}, 180}, Case{{58, 171}, 270}, Case{{175, 45}, 0}, Case{{295, 171}, 90}}) {
    session.click(click);
    session.run_frames(1);
    const GaugeImage picture = renderer.draw_frame(session.last_frame());
    // Whether the handle covers the point `distance` from the hub toward
    // `toward` degrees, `aside` pixels to the right of that line.
    const auto handle_at = [&](double toward, double distance, double aside) {
      const double radians = toward * M_PI / 180;
      const Rgba colour =
          picture.pixel(static_cast<int>(178.5 + distance * std::sin(radians) + aside * std::cos(radians)),
                        static_cast<int>(170.5 - distance * std::cos(radians) + aside * std::sin(radians)));
      return colour.red > 150 && colour.green < 80 && colour.blue < 80;
    };
    SCOPED_TRACE(::testing::Message() << "handle toward " << degrees << " degrees");
    for (double toward : {0.0, 90.0, 180.0, 270.0}) {
      const bool along = std::fmod(toward - degrees + 360, 180) == 0;
      EXPECT_EQ(handle_at(toward, 60, 8), along) << "bar toward " << toward;
    }
    EXPECT_FALSE(handle_at(degrees, 120, 14)) << "the pointing end tapers";
    EXPECT_TRUE(handle_at(degrees + 180, 120, 14)) << "the other end is blunt";
  }
}

TEST_P(FuelSelectorTest, RecordsDescribeThePlacardAndItsSectors) {
  const auto& gauge = session.description();
  EXPECT_EQ(gauge.gauge_name, "Tarvik_FuelSelector");
  ASSERT_EQ(gauge.elements.size(), 2u);
  EXPECT_EQ(gauge.elements[0].kind, ElementKind::static_image);
  EXPECT_EQ(gauge.elements[0].resource, 0x100);
  const auto& icon = gauge.elements[handle];
  EXPECT_EQ(icon.kind, ElementKind::icon);
  EXPECT_EQ(icon.resource, 0x1100);
  EXPECT_EQ(icon.position, (Point{0, 0}));
  EXPECT_EQ(icon.image_flags, 0x83u);
  EXPECT_EQ(icon.icon.source.token, 0u);
  EXPECT_EQ(icon.icon.switch_type, 3u);
  EXPECT_EQ(icon.icon.icon_count, 4u);
  EXPECT_EQ(gauge.tooltip, "Fuel Selector");

  const std::vector<Box> boxes = {{113, 245, 122, 88}, {12, 111, 92, 121}, {118, 1, 114, 89}, {251, 112, 88, 118}};
  ASSERT_EQ(gauge.click_areas.size(), boxes.size());
  for (size_t area = 0; area < boxes.size(); ++area) {
    EXPECT_EQ(gauge.click_areas[area].box, boxes[area]) << "area " << area + 1;
    EXPECT_EQ(gauge.click_areas[area].cursor, 5) << "area " << area + 1;
    EXPECT_EQ(gauge.click_areas[area].mouse_flags, 0x20000000u) << "area " << area + 1;
    const auto& rect = gauge.mouse_rects.at(gauge.click_areas[area].rect_index);
    EXPECT_EQ(rect.event_id, 0u) << "the callback sends the event, not the record";
    EXPECT_FALSE(rect.has_data);
  }
  std::vector<MouseRectType> order;
  for (const auto& rect : gauge.mouse_rects) order.push_back(rect.type);
  using enum MouseRectType;
  EXPECT_EQ(order, (std::vector{parent, tooltip, child, child, child, child, end_parent, end_list}));
}

INSTANTIATE_TEST_SUITE_P(Builds, FuelSelectorTest, ::testing::ValuesIn(builds_of("Tarvik_FuelSelector")), build_name);

}  // namespace
}  // namespace bench::testing
