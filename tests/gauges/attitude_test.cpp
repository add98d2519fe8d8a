// The attitude indicator: bank turns both sprite layers, pitch moves the
// horizon card alone, and every value passes through untouched, with no power
// gate.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <optional>

#include "dib_reader.h"
#include "gauge_renderer.h"
#include "gauge_session.h"
#include "module_builds.h"
#include "record_expectations.h"

namespace bench::testing {
namespace {

constexpr uint32_t bank = 0x50;
constexpr uint32_t pitch = 0x4E;
constexpr uint32_t power = 0x301;
constexpr size_t bank_ring = 1;
constexpr size_t horizon_card = 2;
constexpr size_t x_axis = 0, y_axis = 1, rotation = 2;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double card_pixels_per_pitch_unit = 2.98333333333333;

class AttitudeTest : public ::testing::TestWithParam<ModuleBuild> {
 protected:
  void show(double bank_token, double pitch_token) {
    session.set_token(bank, bank_token);
    session.set_token(pitch, pitch_token);
    session.run_frames(1);
  }
  // What each layer's callbacks returned: x, y, rotation.
  std::vector<double> ring() const { return session.last_frame()[bank_ring].values; }
  std::vector<double> card() const { return session.last_frame()[horizon_card].values; }

  void SetUp() override { session.add_instance(); }

  GaugeSession session{GetParam().path};
};

TEST_P(AttitudeTest, BankTurnsBothLayersAndPitchMovesOnlyTheCard) {
  struct Case {
    double bank, pitch;
  };
  for (auto [bank_token, pitch_token] : {Case{0, 0}, Case{0.5, 0}, Case{0, -0.25}, Case{-0.7, 0.3}, Case{25, 400},
                                         Case{-1e300, 1e300}, Case{inf, -inf}}) {
    show(bank_token, pitch_token);
    EXPECT_EQ(ring(), (std::vector<double>{0, 0, bank_token})) << "bank " << bank_token << ", pitch " << pitch_token;
    EXPECT_EQ(card(), (std::vector<double>{0, pitch_token, bank_token}))
        << "bank " << bank_token << ", pitch " << pitch_token;
  }
}

TEST_P(AttitudeTest, NanPassesThrough) {
  show(nan, nan);
  EXPECT_TRUE(std::isnan(ring()[rotation]));
  EXPECT_TRUE(std::isnan(card()[y_axis]));
  EXPECT_TRUE(std::isnan(card()[rotation]));
  EXPECT_EQ(ring()[x_axis], 0.0);
  EXPECT_EQ(card()[x_axis], 0.0);
}

// No power token: the first frame already shows the tokens, and power off changes nothing.
TEST_P(AttitudeTest, MovesWithoutPower) {
  for (double power_token : {0.0, 1.0, nan}) {
    session.set_token(power, power_token);
    show(0.4, -0.2);
    EXPECT_EQ(ring()[rotation], 0.4) << "power token " << power_token;
    EXPECT_EQ(card()[y_axis], -0.2) << "power token " << power_token;
    EXPECT_EQ(card()[rotation], 0.4) << "power token " << power_token;
  }
}

TEST_P(AttitudeTest, RecordsDescribeTheTwoLayers) {
  const auto& gauge = session.description();
  EXPECT_EQ(gauge.gauge_name, "Tarvik_Attitude");
  ASSERT_EQ(gauge.elements.size(), 3u);
  EXPECT_EQ(gauge.elements[0].kind, ElementKind::static_image);
  EXPECT_EQ(gauge.elements[0].resource, 0x100);
  struct Layer {
    size_t element;
    int32_t resource;
    double y_scale;
  };
  for (auto [element, resource, y_scale] :
       {Layer{bank_ring, 0x1400, 0.0}, Layer{horizon_card, 0x1200, card_pixels_per_pitch_unit}}) {
    const auto& sprite = gauge.elements[element];
    EXPECT_EQ(sprite.kind, ElementKind::sprite) << "element " << element;
    EXPECT_EQ(sprite.resource, resource) << "element " << element;
    EXPECT_EQ(sprite.position, (Point{0, 0})) << "element " << element;
    EXPECT_EQ(sprite.offset, (Point{171, 168})) << "element " << element;
    EXPECT_EQ(sprite.image_flags, 0x83u) << "element " << element;
    EXPECT_EQ(sprite.sprite.scale_x, 0.0) << "element " << element;
    EXPECT_EQ(sprite.sprite.scale_y, y_scale) << "element " << element;
    EXPECT_EQ(sprite.sprite.scale_rotation, -1.0) << "element " << element;
    EXPECT_EQ(sprite.sprite.texture_scale_x, 1.0f) << "element " << element;
    EXPECT_EQ(sprite.sprite.texture_scale_y, 1.0f) << "element " << element;
    for (const auto* source : {&sprite.sprite.source_x, &sprite.sprite.source_y, &sprite.sprite.source_rotation})
      EXPECT_EQ(source->token, 0u) << "element " << element;
    EXPECT_EQ(sprite.callbacks, (std::vector<bool>{true, true, true})) << "element " << element;
  }
  expect_every_element_at_load(gauge);
  EXPECT_EQ(gauge.tooltip, "Attitude");
  EXPECT_EQ(mouse_rect_types(gauge), (std::vector<MouseRectType>{MouseRectType::parent, MouseRectType::tooltip,
                                                                 MouseRectType::end_parent, MouseRectType::end_list}));
}

// Every bitmap the records name, and the masks beside them, at its size and palette.
TEST_P(AttitudeTest, BitmapsHaveTheirSizesAndPalettes) {
  expect_bitmap_sizes(session.backend(), {BitmapSize{0x100, 342, 338, 2}, BitmapSize{0x1400, 342, 338, 256},
                                          BitmapSize{0x1401, 342, 338, 256}, BitmapSize{0x1200, 342, 338, 256},
                                          BitmapSize{0x1201, 342, 338, 2}});
}

TEST_P(AttitudeTest, RefreshesBankThenPitch) {
  session.services().clear_lookups();
  session.run_frames(1);
  EXPECT_EQ(session.services().lookups(), (std::vector<uint32_t>{0x50, 0x4E}));
}

// Looking at the drawn instrument. Both layers turn about the middle of their
// masks, where the bench stands their texture centre.
constexpr double turn_centre_x = 171.5, turn_centre_y = 169.5;

bool is_white(Rgba pixel) {
  return pixel.red > 200 && pixel.green > 200 && pixel.blue > 200;
}
bool is_sky(Rgba pixel) {
  return pixel.alpha != 0 && pixel.blue > pixel.red + 60;
}
bool is_ground(Rgba pixel) {
  return pixel.alpha != 0 && pixel.red > pixel.blue + 40;
}

Rgba opaque(gauge::bmp::Colour colour) {
  return {colour.red, colour.green, colour.blue, 255};
}

// The pixel `radius` from the turning centre at `degrees` clockwise from straight up.
Rgba pixel_at(const GaugeImage& image, double radius, double degrees) {
  const double radians = degrees * std::numbers::pi / 180;
  return image.pixel(static_cast<int>(std::floor(turn_centre_x + radius * std::sin(radians))),
                     static_cast<int>(std::floor(turn_centre_y - radius * std::cos(radians))));
}

// A white mark within a pixel or half a degree of the point.
bool white_near(const GaugeImage& image, double radius, double degrees) {
  for (double r : {radius - 1, radius, radius + 1})
    for (double d : {degrees - 0.5, degrees, degrees + 0.5})
      if (is_white(pixel_at(image, r, d))) return true;
  return false;
}

// The first run of rows, top down from `from`, whose pixel passes: its first and last row.
std::optional<std::pair<int, int>> first_run(const std::function<bool(int)>& row_passes, int from, int to) {
  for (int y = from; y <= to; ++y) {
    if (!row_passes(y)) continue;
    int last = y;
    while (last < to && row_passes(last + 1)) ++last;
    return std::pair{y, last};
  }
  return std::nullopt;
}

// The card's white horizon line in a column clear of the miniature aircraft:
// the middle of its rows, as a coordinate (row 174 alone would give 174.5).
constexpr int clear_column = 90;
template <typename Image, typename PixelOf>
std::optional<double> horizon_line(const Image& image, PixelOf pixel_of) {
  const auto line = first_run([&](int y) { return is_white(pixel_of(image, clear_column, y)); }, 100, 250);
  if (!line) return std::nullopt;
  return (line->first + line->second + 1) / 2.0;
}
Rgba drawn_pixel(const GaugeImage& image, int x, int y) {
  return image.pixel(x, y);
}
Rgba bitmap_pixel(const gauge::bmp::IndexedBitmap& image, int x, int y) {
  return opaque(image.colour_at(x, y));
}

class AttitudePictureTest : public AttitudeTest {
 protected:
  GaugeImage drawn(double bank_token, double pitch_token) {
    show(bank_token, pitch_token);
    return renderer.draw_frame(session.last_frame());
  }

  GaugeRenderer renderer{session.backend()};
};

// Upright and undisplaced, the card's horizon line lies within a pixel of the
// line where the ring's sky meets its ground.
TEST_P(AttitudePictureTest, BothHorizonsMeetAtRest) {
  const auto ring = read_dib(session.backend().bitmap(0x1400).value());
  const auto card = read_dib(session.backend().bitmap(0x1200).value());
  constexpr int ring_column = 171;
  const auto ring_ground = first_run([&](int y) { return is_ground(bitmap_pixel(ring, ring_column, y)); }, 100, 250);
  ASSERT_TRUE(ring_ground.has_value());
  EXPECT_TRUE(is_sky(bitmap_pixel(ring, ring_column, ring_ground->first - 1)));
  const auto card_line = horizon_line(card, bitmap_pixel);
  ASSERT_TRUE(card_line.has_value());
  EXPECT_NEAR(*card_line, ring_ground->first, 1.0);
}

TEST_P(AttitudePictureTest, PitchMovesOnlyTheCard) {
  constexpr double pitch = 10;
  const GaugeImage level = drawn(0, 0);
  const GaugeImage pitched = drawn(0, pitch);
  const auto level_line = horizon_line(level, drawn_pixel);
  const auto pitched_line = horizon_line(pitched, drawn_pixel);
  ASSERT_TRUE(level_line && pitched_line);
  EXPECT_NEAR(*pitched_line - *level_line, pitch * card_pixels_per_pitch_unit, 1.0);

  // The ring's marks, between the card's window and the bezel, stay put.
  for (double degrees = 0; degrees < 360; degrees += 0.5)
    ASSERT_EQ(pixel_at(pitched, 125, degrees), pixel_at(level, 125, degrees)) << "at " << degrees << " degrees";
}

// Bank 45 turns the ring's marks and the card's sky and ground by the same 45
// degrees counter-clockwise (rotation scale -1); unturned they would not match.
TEST_P(AttitudePictureTest, BankTurnsBothLayersTogether) {
  constexpr double bank = 45;
  const GaugeImage level = drawn(0, 0);
  const GaugeImage banked = drawn(bank, 0);

  int marks = 0, marks_turned = 0, marks_unturned = 0;
  for (double degrees = -80; degrees <= 100; degrees += 0.5) {
    if (!is_white(pixel_at(level, 125, degrees))) continue;
    ++marks;
    marks_turned += white_near(banked, 125, degrees - bank);
    marks_unturned += white_near(banked, 125, degrees);
  }
  ASSERT_GT(marks, 20);
  EXPECT_GE(marks_turned, 0.9 * marks);
  EXPECT_LE(marks_unturned, 0.5 * marks);

  // Sky and ground where both pictures show the face (not the fixed aircraft,
  // the plate or a white line).
  auto face_side = [](Rgba pixel) { return is_sky(pixel) ? 1 : is_ground(pixel) ? 2 : 0; };
  int face = 0, face_turned = 0, compared_unturned = 0, face_unturned = 0;
  for (double radius = 40; radius <= 95; radius += 5) {
    for (double degrees = 0; degrees < 360; degrees += 2) {
      const int before = face_side(pixel_at(level, radius, degrees));
      if (before == 0) continue;
      if (const int turned = face_side(pixel_at(banked, radius, degrees - bank)); turned != 0) {
        ++face;
        face_turned += turned == before;
      }
      if (const int unturned = face_side(pixel_at(banked, radius, degrees)); unturned != 0) {
        ++compared_unturned;
        face_unturned += unturned == before;
      }
    }
  }
  ASSERT_GT(face, 500);
  EXPECT_GE(face_turned, 0.95 * face);
  EXPECT_LE(face_unturned, 0.85 * compared_unturned);
}

INSTANTIATE_TEST_SUITE_P(Builds, AttitudePictureTest, ::testing::ValuesIn(builds_of("Tarvik_Attitude")), build_name);

INSTANTIATE_TEST_SUITE_P(Builds, AttitudeTest, ::testing::ValuesIn(builds_of("Tarvik_Attitude")), build_name);

}  // namespace
}  // namespace bench::testing
