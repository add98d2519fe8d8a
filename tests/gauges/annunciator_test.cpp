// The annunciator panel: nine lights that show and hide themselves by their
// conditions, the debounced AMPS light, their texts, and the cover plate that
// blanks the window while the power is off.
#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>

#include "gauge_renderer.h"
#include "gauge_session.h"
#include "module_builds.h"

namespace bench::testing {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

constexpr uint32_t power = 0x301;
constexpr uint32_t stall = 0x43, overspeed = 0x44, brakes = 0x142, oil_temperature = 0x231, oil_pressure = 0x232,
                   front_fuel = 0x130, rear_fuel = 0x12F, volts_warning = 0x17E, voltage = 0x2F0, vacuum = 0x17A,
                   current = 0x2EF;

// Chain positions: the window, the nine lights row by row, the cover plate.
enum Element : size_t {
  stall_light = 1,
  overspd_light,
  brakes_light,
  oil_temp_light,
  fuel_low_light,
  volts_light,
  oil_prs_light,
  vacuum_light,
  amps_light,
  power_cover,
};

constexpr uint32_t hidden_bit = 0x40000000;
constexpr uint32_t shown_flags = 0x87;
constexpr uint32_t hidden_flags = 0x40000087;

class AnnunciatorTest : public ::testing::TestWithParam<ModuleBuild> {
 protected:
  void SetUp() override {
    session.add_instance();
    quiet_tokens();
    session.run_frames(1);  // the first draw is behind us: power_on and the AMPS count start over
  }

  // Every condition clear: no warnings, brakes off, oil at 60 degrees Celsius
  // and 35 psi, both tanks full, 28 volts, the battery charging.
  void quiet_tokens() {
    for (auto [token, value] : {std::pair{power, 1.0},
                                {stall, 0.0},
                                {overspeed, 0.0},
                                {brakes, 0.0},
                                {oil_temperature, 600.0},
                                {oil_pressure, 5000.0},
                                {front_fuel, 100.0},
                                {rear_fuel, 100.0},
                                {volts_warning, 0.0},
                                {voltage, 28.0},
                                {vacuum, 0.0},
                                {current, 5.0}}) {
      session.set_token(token, value);
    }
  }

  ElementState state(Element light) const { return session.last_frame().at(light).state; }
  bool shown(Element light) const { return (state(light).image_flags & hidden_bit) == 0; }
  std::string text(Element light) const { return state(light).text.value_or("(no text)"); }

  // Runs frames one at a time, giving AMPS one evaluation each.
  bool amps_after(int evaluations, double amperes) {
    session.set_token(current, amperes);
    session.run_frames(evaluations);
    return shown(amps_light);
  }

  GaugeSession session{GetParam().path};
};

TEST_P(AnnunciatorTest, EachLightShowsExactlyBeyondItsThreshold) {
  struct Case {
    Element light;
    uint32_t token;
    double value;
    bool shown;
  };
  const Case cases[] = {
      {stall_light, stall, 1, true},
      {stall_light, stall, 0.5, false},
      {stall_light, stall, 2, false},
      {stall_light, stall, nan, false},
      {overspd_light, overspeed, 1, true},
      {overspd_light, overspeed, 2, false},
      {overspd_light, overspeed, 0.5, false},
      {brakes_light, brakes, 10, false},
      {brakes_light, brakes, 10.5, true},
      {brakes_light, brakes, nan, false},
      {brakes_light, brakes, inf, true},
      // Celsius 19.61268, 20.16828, 109.61988, 110.17548.
      {oil_temp_light, oil_temperature, 527, true},
      {oil_temp_light, oil_temperature, 528, false},
      {oil_temp_light, oil_temperature, 689, false},
      {oil_temp_light, oil_temperature, 690, true},
      {oil_temp_light, oil_temperature, nan, false},
      {oil_temp_light, oil_temperature, -inf, true},
      // psi 19.99414, 20.00108, 69.99684, 70.00378.
      {oil_prs_light, oil_pressure, 2881, true},
      {oil_prs_light, oil_pressure, 2882, false},
      {oil_prs_light, oil_pressure, 10086, false},
      {oil_prs_light, oil_pressure, 10087, true},
      {oil_prs_light, oil_pressure, nan, false},
      {oil_prs_light, oil_pressure, inf, true},
      {fuel_low_light, front_fuel, 25, false},
      {fuel_low_light, front_fuel, 24.9, true},
      {fuel_low_light, rear_fuel, 25, false},
      {fuel_low_light, rear_fuel, 24.9, true},
      {fuel_low_light, front_fuel, nan, false},
      {fuel_low_light, rear_fuel, -inf, true},
      {volts_light, voltage, 22, false},
      {volts_light, voltage, 21.9, true},
      {volts_light, voltage, nan, false},
      {volts_light, volts_warning, 1, true},
      {volts_light, volts_warning, 0.5, false},
      {volts_light, volts_warning, 2, false},
      {vacuum_light, vacuum, 1, true},
      {vacuum_light, vacuum, 0.5, false},
      {vacuum_light, vacuum, 2, false},
      {vacuum_light, vacuum, nan, false},
  };
  for (const Case& c : cases) {
    quiet_tokens();
    session.set_token(c.token, c.value);
    session.run_frames(1);
    EXPECT_EQ(state(c.light).image_flags, c.shown ? shown_flags : hidden_flags)
        << "light " << c.light << ", token 0x" << std::hex << c.token << " at " << c.value;
  }
}

TEST_P(AnnunciatorTest, VoltsWarningLightsWhateverTheVoltage) {
  session.set_token(volts_warning, 1);
  session.set_token(voltage, 30);
  session.run_frames(1);
  EXPECT_TRUE(shown(volts_light));
}

TEST_P(AnnunciatorTest, QuietTokensHideEveryLight) {
  for (size_t light = stall_light; light <= amps_light; ++light) {
    EXPECT_EQ(state(static_cast<Element>(light)).image_flags, hidden_flags) << "light " << light;
  }
}

TEST_P(AnnunciatorTest, EachLightWritesItsLabelSpacesAndNumber) {
  struct Case {
    Element light;
    std::string label;
    size_t spaces;
  };
  for (const auto& [light, label, spaces] :
       {Case{stall_light, "STALL", 114}, Case{overspd_light, "OVERSPD", 70}, Case{brakes_light, "BRAKES", 80},
        Case{oil_temp_light, "OIL TEMP", 100}, Case{fuel_low_light, "FUEL LOW", 45}, Case{volts_light, "VOLTS", 107},
        Case{oil_prs_light, "OIL PRS", 94}, Case{vacuum_light, "VACUUM", 74}, Case{amps_light, "AMPS", 28}}) {
    EXPECT_EQ(text(light), label + std::string(spaces, ' ') + "0") << label;
  }
  EXPECT_EQ(text(stall_light).size(), 120u) << "the longest text fills the 121-byte buffer with its NUL";
  EXPECT_TRUE(session.services().faults().empty());
}

// The simulator owns the lights' source variables, which these gauges print:
// numbers whose text would not fit the buffer are cut at its end.
TEST_P(AnnunciatorTest, HugeNumbersAreCutAtTheEndOfTheTextBuffer) {
  const auto labels = {"STALL" + std::string(114, ' '),   "OVERSPD" + std::string(70, ' '),
                       "BRAKES" + std::string(80, ' '),   "OIL TEMP" + std::string(100, ' '),
                       "FUEL LOW" + std::string(45, ' '), "VOLTS" + std::string(107, ' '),
                       "OIL PRS" + std::string(94, ' '),  "VACUUM" + std::string(74, ' ')};
  for (double huge : {1e300, -3e38, 3e38, -inf}) {
    for (size_t light = stall_light; light < amps_light; ++light) session.backend().set_source_value(light, 0, huge);
    session.run_frames(1);
    char number[64];
    std::snprintf(number, sizeof number, "%.0f", static_cast<double>(static_cast<float>(huge)));
    size_t light = stall_light;
    for (const std::string& label : labels) {
      EXPECT_EQ(text(static_cast<Element>(light++)), (label + number).substr(0, 120)) << huge;
    }
  }
  EXPECT_EQ(session.services().faults(), std::vector<std::string>{});
}

TEST_P(AnnunciatorTest, AmpsLightsAtTheTwentiethEvaluationBelowMinusOne) {
  EXPECT_FALSE(amps_after(19, -1.5));
  EXPECT_EQ(text(amps_light), "AMPS" + std::string(28, ' ') + "0");
  EXPECT_TRUE(amps_after(1, -1.5));
  EXPECT_EQ(state(amps_light).image_flags, shown_flags);
  EXPECT_EQ(text(amps_light), "AMPS" + std::string(28, ' ') + "1");
}

TEST_P(AnnunciatorTest, OneEvaluationAboveMinusOneStartsTheCountAgain) {
  EXPECT_FALSE(amps_after(15, -1.5));
  EXPECT_FALSE(amps_after(1, -0.5));
  EXPECT_FALSE(amps_after(19, -1.5));
  EXPECT_TRUE(amps_after(1, -1.5));
  EXPECT_FALSE(amps_after(1, -0.5)) << "the light goes off at once";
  EXPECT_FALSE(amps_after(19, -1.5));
  EXPECT_TRUE(amps_after(1, -1.5));
}

TEST_P(AnnunciatorTest, ExactlyMinusOneOrNoNumberHoldsCountAndLight) {
  for (double held : {-1.0, nan}) {
    EXPECT_FALSE(amps_after(1, 0)) << held;
    EXPECT_FALSE(amps_after(10, -1.5)) << held;
    EXPECT_FALSE(amps_after(30, held)) << held;
    EXPECT_FALSE(amps_after(9, -1.5)) << held;
    EXPECT_TRUE(amps_after(1, -1.5)) << held;
    EXPECT_TRUE(amps_after(30, held)) << held << " keeps a lit light lit";
  }
}

TEST_P(AnnunciatorTest, AmpsCountIsHeldAtTwentyWhileLit) {
  EXPECT_TRUE(amps_after(100, -1.5));
  EXPECT_FALSE(amps_after(1, -0.5));
  EXPECT_FALSE(amps_after(19, -1.5)) << "twenty evaluations are needed again, not a count left over";
  EXPECT_TRUE(amps_after(1, -1.5));
}

TEST_P(AnnunciatorTest, AmpsCountSurvivesPowerCyclesAndKill) {
  EXPECT_FALSE(amps_after(8, -1.5));
  session.set_token(power, 0);
  EXPECT_FALSE(amps_after(5, -1.5)) << "evaluated under the cover plate";
  EXPECT_EQ(session.value(power_cover), 0.0);
  session.set_token(power, 1);
  session.kill_instance();
  session.add_instance();
  EXPECT_FALSE(amps_after(6, -1.5));
  EXPECT_TRUE(amps_after(1, -1.5));
}

TEST_P(AnnunciatorTest, InstancesShareOneAmpsCount) {
  session.add_instance();
  EXPECT_FALSE(amps_after(9, -1.5));  // two evaluations a frame
  EXPECT_TRUE(amps_after(1, -1.5));
}

TEST_P(AnnunciatorTest, CoverPlateFollowsTruncatedPower) {
  struct Case {
    double power_token;
    double cover;
  };
  for (auto [power_token, cover] :
       {Case{0.9, 0}, Case{1.0, 1}, Case{1.7, 1}, Case{-0.5, 0}, Case{nan, 0}, Case{2.5, 2}, Case{-1.5, -1}}) {
    session.set_token(power, power_token);
    session.run_frames(1);
    EXPECT_EQ(session.value(power_cover), cover) << "power token " << power_token;
  }
}

TEST_P(AnnunciatorTest, LightsKeepTheirStateUnderTheCoverPlate) {
  session.set_token(power, 0);
  session.set_token(stall, 1);
  session.run_frames(1);
  EXPECT_TRUE(shown(stall_light));
  session.set_token(power, 1);
  session.run_frames(1);
  EXPECT_EQ(session.value(power_cover), 1.0);
  EXPECT_TRUE(shown(stall_light));
}

// What the window shows: each light's colour in its place when it is shown,
// nothing of it when it is hidden, and nothing but the face under the cover.
TEST_P(AnnunciatorTest, DrawnWindowShowsTheShownLightsAndTheCoverHidesThem) {
  struct Light {
    Element element;
    bool red;
  };
  const Light lights[] = {{stall_light, true},    {overspd_light, true},   {brakes_light, false},
                          {oil_temp_light, true}, {fuel_low_light, false}, {volts_light, false},
                          {oil_prs_light, true},  {vacuum_light, false},   {amps_light, false}};
  GaugeRenderer renderer(session.backend());
  const auto& elements = session.description().elements;
  // Whether a light's colour appears where its label starts.
  const auto seen = [&](const GaugeImage& window, const Light& light) {
    const Point at = elements[light.element].position;
    for (int y = at.y; y < at.y + 27; ++y) {
      for (int x = at.x; x < at.x + 50; ++x) {
        const Rgba c = window.pixel(x, y);
        if (light.red ? c.red > 200 && c.green < 80 : c.red > 200 && c.green > 180 && c.blue < 80) return true;
      }
    }
    return false;
  };
  const auto all_conditions = [&](double power_token) {
    for (auto [token, value] : {std::pair{stall, 1.0},
                                {overspeed, 1.0},
                                {brakes, 20.0},
                                {oil_temperature, 0.0},
                                {front_fuel, 10.0},
                                {volts_warning, 1.0},
                                {oil_pressure, 0.0},
                                {vacuum, 1.0},
                                {current, -3.0},
                                {power, power_token}}) {
      session.set_token(token, value);
    }
    session.run_frames(20);
    return renderer.draw_frame(session.last_frame());
  };

  const GaugeImage all_lit = all_conditions(1.0);
  for (const Light& light : lights) EXPECT_TRUE(seen(all_lit, light)) << "light " << light.element;

  quiet_tokens();
  session.run_frames(1);
  const GaugeImage quiet = renderer.draw_frame(session.last_frame());
  for (const Light& light : lights) EXPECT_FALSE(seen(quiet, light)) << "light " << light.element;

  const GaugeImage covered = all_conditions(0.0);
  for (int y = 15; y <= 91; ++y) {
    for (int x = 14; x <= 309; ++x) {
      ASSERT_EQ(covered.pixel(x, y), (Rgba{27, 26, 27, 255})) << "pixel " << x << "," << y << " under the cover";
    }
  }
}

TEST_P(AnnunciatorTest, RecordsDescribeTheWindow) {
  const auto& gauge = session.description();
  EXPECT_EQ(gauge.gauge_name, "Tarvik_Annunciator");
  ASSERT_EQ(gauge.elements.size(), 11u);
  EXPECT_EQ(gauge.elements[0].kind, ElementKind::static_image);
  EXPECT_EQ(gauge.elements[0].resource, 0x1500);

  struct Light {
    Element element;
    Point position;
    uint32_t box_width;
    uint32_t fore_colour;
  };
  for (const auto& [element, position, box_width, fore_colour] :
       {Light{stall_light, {38, 10}, 287, 0x0000FF}, Light{overspd_light, {128, 10}, 197, 0x0000FF},
        Light{brakes_light, {228, 10}, 97, 0x00ECFF}, Light{oil_temp_light, {25, 39}, 300, 0x0000FF},
        Light{fuel_low_light, {125, 39}, 200, 0x00EEFF}, Light{volts_light, {233, 39}, 92, 0x00ECFF},
        Light{oil_prs_light, {33, 66}, 292, 0x0000FF}, Light{vacuum_light, {130, 66}, 195, 0x00ECFF},
        Light{amps_light, {240, 66}, 85, 0x00ECFF}}) {
    const auto& light = gauge.elements.at(element);
    SCOPED_TRACE(::testing::Message() << "light " << element);
    EXPECT_EQ(light.kind, ElementKind::string);
    EXPECT_EQ(light.resource, -1);
    EXPECT_EQ(light.position, position);
    EXPECT_EQ(light.image_flags, 0x83u);
    EXPECT_EQ(light.string.box_width, box_width);
    EXPECT_EQ(light.string.box_height, 32u);
    EXPECT_EQ(light.string.fore_color, fore_colour);
    EXPECT_EQ(light.string.back_color, 0u);
    EXPECT_EQ(light.string.highlight_color, 0u);
    EXPECT_EQ(light.string.font_name, "Glass Gauge");
    EXPECT_EQ(light.string.font_weight, 400u);
    EXPECT_EQ(light.string.char_set, 1u);
    EXPECT_EQ(light.string.text_setting_1, 0u);
    EXPECT_EQ(light.string.text_setting_2, 0x4240u);
    for (const auto& source : light.string.sources) EXPECT_EQ(source.token, 0u);
  }

  const auto& cover = gauge.elements[power_cover];
  EXPECT_EQ(cover.kind, ElementKind::icon);
  EXPECT_EQ(cover.resource, 0x1600);
  EXPECT_EQ(cover.position, (Point{0, 0}));
  EXPECT_EQ(cover.icon.switch_type, 3u);
  EXPECT_EQ(cover.icon.icon_count, 2u);
  EXPECT_EQ(gauge.tooltip, "Annunciator");
  EXPECT_TRUE(gauge.click_areas.empty());
}

TEST_P(AnnunciatorTest, RefreshesItsThirtyNineTokensInOrder) {
  session.services().clear_lookups();
  session.run_frames(1);
  EXPECT_EQ(
      session.services().lookups(),
      (std::vector<uint32_t>{0x301, 0x377, 0x378, 0x142, 0x234, 0x23E, 0x231, 0x23B, 0,     0x232, 0x23C, 0x240, 0x236,
                             0x272, 0x285, 0x233, 0x23D, 0x281, 0x294, 0x43,  0x44,  0x17E, 0x2F0, 0x2EF, 0x338, 0x17A,
                             0x145, 0x30C, 0x143, 0x130, 0x131, 0x12F, 0x364, 0x387, 0x2DE, 0x14C, 0x388, 0x389, 0xD}));
}

// A module just loaded, before its first frame. (A second session on the same
// native file would share the module, and with it the state of the first.)
class AnnunciatorAtLoadTest : public ::testing::TestWithParam<ModuleBuild> {
 protected:
  uint32_t flags(Element light) const { return session.last_frame().at(light).state.image_flags; }

  GaugeSession session{GetParam().path};
};

TEST_P(AnnunciatorAtLoadTest, ZeroTokensShowTheOilFuelAndVoltsLightsUnderTheCover) {
  session.add_instance();
  session.run_frames(1);
  for (Element light : {oil_temp_light, fuel_low_light, volts_light, oil_prs_light}) {
    EXPECT_EQ(flags(light), shown_flags) << "light " << light;
  }
  for (Element light : {stall_light, overspd_light, brakes_light, vacuum_light, amps_light}) {
    EXPECT_EQ(flags(light), hidden_flags) << "light " << light;
  }
  EXPECT_EQ(session.value(power_cover), 0.0) << "without power the cover plate lies over the lights";
}

TEST_P(AnnunciatorAtLoadTest, FirstDrawForgetsAmpsEvaluationsBeforeIt) {
  session.set_token(current, -1.5);
  session.add_instance();
  session.run_frames(20);  // the first frame's evaluation is undone by its draw
  EXPECT_EQ(flags(amps_light), hidden_flags);
  session.run_frames(1);
  EXPECT_EQ(flags(amps_light), shown_flags);
}

INSTANTIATE_TEST_SUITE_P(Builds, AnnunciatorTest, ::testing::ValuesIn(builds_of("Tarvik_Annunciator")), build_name);
INSTANTIATE_TEST_SUITE_P(Builds, AnnunciatorAtLoadTest, ::testing::ValuesIn(builds_of("Tarvik_Annunciator")),
                         build_name);

}  // namespace
}  // namespace bench::testing
