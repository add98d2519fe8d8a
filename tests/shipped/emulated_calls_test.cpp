// What the emulated backend answers a shipped module's calls out of itself:
// results read from the x87 stack exactly, msvcrt's _snprintf with its bounds,
// the panel table's slots, clicks; in a module the loader had to move as well
// as in one at its own base.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "emulated_backend.h"
#include "gauge_session.h"
#include "probe_modules.h"

namespace bench::testing {
namespace {

using ::testing::HasSubstr;

class EmulatedCallsTest : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override { session.add_instance(); }

  // The text the string callback wrote with _snprintf(buffer, count, ...), and what _snprintf returned.
  std::pair<std::string, double> formatted(probe::Text text, uint32_t count) {
    session.set_token(probe::text, text);
    session.set_token(probe::count, count);
    session.run_frames(1);
    return {session.last_frame().at(probe::string).state.text.value_or("(none)"), session.value(probe::string)};
  }

  GaugeSession session{probe_module(GetParam())};
};

// With the x87 unit at Windows' 53-bit precision, the emulated result is the
// native double to the last bit: no tolerance is needed.
TEST_P(EmulatedCallsTest, ValueIsReadFromTheX87StackExactly) {
  for (double input : {3.0, 1.0, -7.5, 0.1, 1e300, -1e-300, std::numeric_limits<double>::infinity()}) {
    session.set_token(probe::input, input);
    session.run_frames(1);
    EXPECT_EQ(session.value(probe::needle), input / 3.0 + 0.25) << "input " << input;
  }
}

TEST_P(EmulatedCallsTest, SnprintfFormatsWithinItsCount) {
  const std::string every = "text|-42|7|42|ff|FF|z|2.35|0.500000|%";
  const auto length = static_cast<double>(every.size());
  struct Case {
    probe::Text text;
    uint32_t count;
    std::string shown;
    double returned;
  };
  const Case cases[] = {
      {probe::every_conversion, 121, every, length},
      {probe::widths_and_precisions, 121, "[  -3.3][ab   ][00042][abc][+9]", 31},
      // Exactly the count: every character and no NUL, and the length returned.
      {probe::every_conversion, static_cast<uint32_t>(every.size()), every, length},
      // Shorter than the text: the first `count` bytes, no NUL, and -1.
      {probe::every_conversion, 8, "text|-42", -1},
      {probe::every_conversion, 0, "", -1},
  };
  for (const auto& [text, count, shown, returned] : cases) {
    // A fresh session each time: the bytes after an unterminated text are the buffer's zeros.
    GaugeSession fresh(probe_module(GetParam()));
    fresh.add_instance();
    fresh.set_token(probe::text, text);
    fresh.set_token(probe::count, count);
    fresh.run_frames(1);
    EXPECT_EQ(fresh.last_frame().at(probe::string).state.text, shown) << "text " << text << ", count " << count;
    EXPECT_EQ(fresh.value(probe::string), returned) << "text " << text << ", count " << count;
    EXPECT_TRUE(fresh.services().faults().empty());
  }
}

TEST_P(EmulatedCallsTest, TextPastTheBufferIsCaughtByItsGuard) {
  const auto [shown, returned] = formatted(probe::longer_than_the_buffer, 200);
  EXPECT_EQ(returned, 200);
  EXPECT_EQ(shown.size(), 120u);
  EXPECT_THAT(session.services().faults(), ::testing::Contains("element 3 wrote past its 121-byte text buffer"));
}

TEST_P(EmulatedCallsTest, ConversionsTheBenchDoesNotProvideStopTheCall) {
  for (auto [text, conversion] : {std::pair{probe::exponent, "\"%e\""}, std::pair{probe::long_integer, "\"%l\""}}) {
    session.set_token(probe::text, text);
    session.set_token(probe::count, 121);
    try {
      session.run_frames(1);
      ADD_FAILURE() << conversion << " was formatted";
    } catch (const ModuleError& error) {
      EXPECT_THAT(error.what(), HasSubstr("value callback 1 of element 3"));
      EXPECT_THAT(error.what(), HasSubstr("uses the conversion " + std::string(conversion)));
    }
  }
}

TEST_P(EmulatedCallsTest, UnsupportedPanelSlotIsReportedAndReturns) {
  session.set_token(probe::behaviour, probe::calls_an_unsupported_slot);
  session.run_frames(1);
  EXPECT_EQ(session.value(probe::needle), 7.0);
  EXPECT_THAT(session.services().faults(), ::testing::ElementsAre("unsupported slot 5 called"));
}

TEST_P(EmulatedCallsTest, ClickPassesThePointAndFlagsAndSendsTheKeyEvent) {
  EXPECT_EQ(session.backend().call_mouse(2, {15, 12}, 0x20000000), 1);
  EXPECT_EQ(session.backend().call_mouse(2, {15, 12}, 0), 0);
  EXPECT_EQ(session.services().key_events(), (std::vector<KeyEvent>{{0x10030, 15012}, {0x10030, 15012}}));
}

TEST_P(EmulatedCallsTest, CountsTheInstructionsItRuns) {
  EXPECT_EQ(session.backend().format(), "pe32");
  const auto before = emulated_instructions(session.backend());
  ASSERT_TRUE(before.has_value());
  session.run_frames(1);
  EXPECT_GT(emulated_instructions(session.backend()).value(), *before);
}

INSTANTIATE_TEST_SUITE_P(Probes, EmulatedCallsTest, ::testing::Values("Probe", "ProbeMoved"));

}  // namespace
}  // namespace bench::testing
