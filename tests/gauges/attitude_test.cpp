// The attitude indicator: bank turns both sprite layers, pitch moves the
// horizon card alone, and every value passes through untouched, with no power
// gate.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gauge_session.h"
#include "module_builds.h"

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
  EXPECT_EQ(gauge.tooltip, "Attitude");
  EXPECT_TRUE(gauge.click_areas.empty());
}

TEST_P(AttitudeTest, RefreshesBankThenPitch) {
  session.services().clear_lookups();
  session.run_frames(1);
  EXPECT_EQ(session.services().lookups(), (std::vector<uint32_t>{0x50, 0x4E}));
}

INSTANTIATE_TEST_SUITE_P(Builds, AttitudeTest, ::testing::ValuesIn(builds_of("Tarvik_Attitude")), build_name);

}  // namespace
}  // namespace bench::testing
