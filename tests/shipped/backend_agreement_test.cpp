// Every shipped module, run by the emulator, does what its native build does:
// through the same lives with the same token values (ordinary, extreme and
// not-a-number), the two agree on every value to the last bit, every element's
// flags and text, the tokens looked up, the key events sent and the sound
// library's use.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <set>

#include "gauge_session.h"
#include "module_builds.h"

namespace bench::testing {
namespace {

constexpr uint32_t power_token = 0x301;

// Values a token may take: the scale's range and beyond, the edges of power,
// and what no instrument should ever see.
std::vector<double> token_values(std::mt19937& random) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  std::vector<double> values = {
      0.0, -0.0, 1.0, 0.999, -0.5, 1e300, -1e300, inf, -inf, std::numeric_limits<double>::quiet_NaN(), 5e-324};
  std::uniform_real_distribution<double> ordinary(-3000.0, 3000.0);
  for (int i = 0; i < 40; ++i) values.push_back(ordinary(random));
  return values;
}

bool same_value(double a, double b) {
  return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b) || (std::isnan(a) && std::isnan(b));
}

class BackendAgreementTest : public ::testing::TestWithParam<std::string> {
 protected:
  GaugeSession native{native_module(GetParam())};
  GaugeSession shipped{shipped_module(GetParam())};

  void both(const std::function<void(GaugeSession&)>& step) {
    step(native);
    step(shipped);
  }

  void expect_same_frame(const std::string& context) {
    const auto& expected = native.last_frame();
    const auto& actual = shipped.last_frame();
    ASSERT_EQ(actual.size(), expected.size()) << context;
    for (size_t element = 0; element < expected.size(); ++element) {
      const auto& want = expected[element];
      const auto& got = actual[element];
      ASSERT_EQ(got.values.size(), want.values.size());
      for (size_t axis = 0; axis < want.values.size(); ++axis) {
        EXPECT_TRUE(same_value(got.values[axis], want.values[axis]))
            << context << ", element " << element + 1 << " axis " << axis + 1 << ": pe32 " << got.values[axis]
            << ", native " << want.values[axis];
      }
      EXPECT_EQ(got.state.image_flags, want.state.image_flags) << context << ", element " << element + 1;
      EXPECT_EQ(got.state.text, want.state.text) << context << ", element " << element + 1;
    }
  }
};

TEST_P(BackendAgreementTest, SameValuesTextsAndCallsThroughALife) {
  both([](GaugeSession& session) { session.add_instance(); });
  both([](GaugeSession& session) { session.run_frames(1); });
  // The tokens the gauge reads are those its update looks up.
  const std::set<uint32_t> tokens(native.services().lookups().begin(), native.services().lookups().end());

  std::mt19937 random(static_cast<uint32_t>(std::hash<std::string>{}(GetParam())));
  const auto values = token_values(random);
  for (int round = 0; round < 60; ++round) {
    for (uint32_t token : tokens) {
      const double value = token == power_token && round % 4 != 0 ? 1.0 : values[random() % values.size()];
      both([&](GaugeSession& session) { session.set_token(token, value); });
    }
    both([](GaugeSession& session) { session.run_frames(2); });
    expect_same_frame("round " + std::to_string(round));
    for (const auto& area : native.description().click_areas) {
      const Point centre{area.box.x + area.box.width / 2, area.box.y + area.box.height / 2};
      both([&](GaugeSession& session) { session.click(centre); });
    }
  }
  both([](GaugeSession& session) { session.add_instance(); });
  both([](GaugeSession& session) { session.run_frames(1); });
  both([](GaugeSession& session) { session.kill_all(); });

  EXPECT_EQ(shipped.services().lookups(), native.services().lookups());
  EXPECT_EQ(shipped.services().key_events(), native.services().key_events());
  EXPECT_EQ(shipped.services().faults(), native.services().faults());
  const auto& sound = shipped.services().sound().counts();
  const auto& native_sound = native.services().sound().counts();
  EXPECT_EQ(sound.loads, native_sound.loads);
  EXPECT_EQ(sound.releases, native_sound.releases);
  EXPECT_EQ(sound.terminate_calls, native_sound.terminate_calls);
}

INSTANTIATE_TEST_SUITE_P(Shipped, BackendAgreementTest, ::testing::ValuesIn(modules_in_both_builds()));
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(BackendAgreementTest);

}  // namespace
}  // namespace bench::testing
