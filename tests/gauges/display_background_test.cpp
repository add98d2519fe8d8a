// The display background: one still picture with rounded corners cut to the
// transparent colour, no values, no tooltip and no clicks.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "gauge_renderer.h"
#include "gauge_session.h"
#include "module_builds.h"

namespace bench::testing {
namespace {

constexpr int32_t background = 0x1100;
constexpr int width = 800;
constexpr int height = 180;

// The module's bitmap as palette indices and palette, read from its DIB.
struct Picture {
  std::vector<std::array<uint8_t, 3>> palette;  // red, green, blue
  std::vector<uint8_t> rows;                    // top row first
  std::array<uint8_t, 3> colour(int x, int y) const { return palette.at(rows.at(y * width + x)); }
};

uint32_t le32(const std::vector<uint8_t>& bytes, size_t at) {
  uint32_t value;
  std::memcpy(&value, bytes.data() + at, sizeof value);
  return value;
}

class DisplayBackgroundTest : public ::testing::TestWithParam<ModuleBuild> {
 protected:
  void SetUp() override { session.add_instance(); }

  Picture picture() {
    const auto dib = session.backend().bitmap(background);
    if (!dib) throw std::runtime_error("no bitmap 0x1100");
    const auto& bytes = *dib;
    EXPECT_EQ(le32(bytes, 4), uint32_t{width});
    EXPECT_EQ(le32(bytes, 8), uint32_t{height});  // positive: stored bottom row first
    EXPECT_EQ(bytes.at(14), 8) << "bits per pixel";
    Picture picture;
    const size_t header = le32(bytes, 0);
    const uint32_t colours = le32(bytes, 32);
    for (uint32_t entry = 0; entry < colours; ++entry) {
      const size_t at = header + 4 * entry;  // blue, green, red, reserved
      picture.palette.push_back({bytes.at(at + 2), bytes.at(at + 1), bytes.at(at)});
    }
    const size_t pixels = header + 4 * colours;
    for (int y = 0; y < height; ++y) {
      const size_t row = pixels + static_cast<size_t>(height - 1 - y) * width;
      picture.rows.insert(picture.rows.end(), bytes.begin() + row, bytes.begin() + row + width);
    }
    return picture;
  }

  GaugeSession session{GetParam().path};
};

TEST_P(DisplayBackgroundTest, NearBlackPanelWithEachCornerCutTheSameWay) {
  const Picture panel = picture();
  EXPECT_EQ(panel.palette.size(), 2u);
  constexpr std::array<int, 18> runs = {18, 15, 12, 11, 9, 8, 7, 6, 5, 4, 4, 3, 2, 2, 2, 1, 1, 1};
  constexpr std::array<uint8_t, 3> transparent = {0, 0, 0}, near_black = {5, 5, 5};
  int transparent_pixels = 0;
  for (int y = 0; y < height; ++y) {
    const int from_edge = std::min(y, height - 1 - y);
    const int run = from_edge < static_cast<int>(runs.size()) ? runs[from_edge] : 0;
    for (int x = 0; x < width; ++x) {
      const bool cut = std::min(x, width - 1 - x) < run;
      ASSERT_EQ(panel.colour(x, y), cut ? transparent : near_black) << "pixel " << x << "," << y;
      transparent_pixels += cut;
    }
  }
  EXPECT_EQ(transparent_pixels, 4 * 111);
}

TEST_P(DisplayBackgroundTest, DrawsTheSamePictureBeforeAndAfterItsFirstDraw) {
  GaugeRenderer renderer(session.backend());
  const GaugeImage before = renderer.draw_frame({});
  EXPECT_EQ(before.pixel(0, 0).alpha, 0) << "the corners show what lies behind";
  EXPECT_EQ(before.pixel(799, 179).alpha, 0);
  EXPECT_EQ(before.pixel(400, 90), (Rgba{5, 5, 5, 255}));
  for (double power : {1.0, 0.0}) {
    session.set_token(0x301, power);
    session.run_frames(2);
    const GaugeImage after = renderer.draw_frame(session.last_frame());
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << "pixel " << x << "," << y << ", power " << power;
      }
    }
  }
}

TEST_P(DisplayBackgroundTest, RecordsHoldOneStillPictureWithoutTooltip) {
  const auto& gauge = session.description();
  EXPECT_EQ(gauge.gauge_name, "Pelmora_MDbckgrnd");
  ASSERT_EQ(gauge.elements.size(), 1u);
  EXPECT_EQ(gauge.elements[0].kind, ElementKind::static_image);
  EXPECT_EQ(gauge.elements[0].resource, background);
  EXPECT_EQ(gauge.elements[0].position, (Point{0, 0}));
  EXPECT_EQ(gauge.elements[0].image_flags, 0x83u);
  EXPECT_FALSE(gauge.tooltip.has_value());
  EXPECT_TRUE(gauge.click_areas.empty());
  std::vector<MouseRectType> order;
  for (const auto& rect : gauge.mouse_rects) order.push_back(rect.type);
  using enum MouseRectType;
  EXPECT_EQ(order, (std::vector{parent, end_parent, end_list}));
}

TEST_P(DisplayBackgroundTest, ReadsNothingSendsNothingAndTakesNoClicks) {
  session.set_token(0x301, 1);
  session.run_frames(3);
  EXPECT_FALSE(session.click({400, 90}));
  EXPECT_TRUE(session.services().lookups().empty());
  EXPECT_TRUE(session.services().key_events().empty());
}

INSTANTIATE_TEST_SUITE_P(Builds, DisplayBackgroundTest, ::testing::ValuesIn(builds_of("Pelmora_MDbckgrnd")),
                         build_name);

}  // namespace
}  // namespace bench::testing
