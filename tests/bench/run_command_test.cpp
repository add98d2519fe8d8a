// `gauge-bench run` as other tools read it: its JSON object after a list of
// steps, and its refusals (exit status 2, one line on standard error, nothing
// on standard output).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "command_runner.h"
#include "module_builds.h"

namespace bench::testing {
namespace {

using nlohmann::json;

class RunCommandTest : public ::testing::TestWithParam<ModuleBuild> {
 protected:
  // The JSON object of a successful run of the airspeed gauge.
  json run(std::vector<std::string> steps) {
    std::vector<std::string> arguments{"run", GetParam().path.string()};
    arguments.insert(arguments.end(), steps.begin(), steps.end());
    arguments.push_back("--json");
    const CommandResult result = run_bench(arguments);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    return json::parse(result.out);
  }
};

TEST_P(RunCommandTest, ReportsTheGaugeItsValuesAndItsLife) {
  const json report = run({"--set", "0x301=1", "--set", "0x3D=95.5", "--frames", "2"});
  EXPECT_EQ(report["module"], "Tarvon_Airspeed");
  EXPECT_EQ(report["format"], GetParam().backend);
  EXPECT_EQ(report["tooltip"], "Airspeed");
  ASSERT_EQ(report["elements"].size(), 2u);
  EXPECT_EQ(report["elements"][0], (json{{"index", 1}, {"kind", "static"}, {"resource", 0x1700}}));
  const json& needle = report["elements"][1];
  EXPECT_EQ(needle["index"], 2);
  EXPECT_EQ(needle["kind"], "needle");
  EXPECT_EQ(needle["resource"], 0x1200);
  EXPECT_EQ(needle["value"], 95.5);
  EXPECT_NEAR(needle["angle"].get<double>(), 107.9 + 5.5 / 90 * 212.4, 0.1);
  EXPECT_EQ(report["click_areas"], json::array());
  EXPECT_EQ(report["key_events"], json::array());
  EXPECT_EQ(report["sound"], (json{{"loads", 1}, {"releases", 1}, {"terminate_calls", 1}}));
  EXPECT_EQ(report["faults"], json::array());
}

TEST_P(RunCommandTest, NeedleValueAndAngleFollowTheSteps) {
  struct Case {
    std::vector<std::string> steps;
    json value;  // null: no frame ran, so no value and no angle
    json angle;  // a number is checked to 0.1 degrees
    bool faulted;
  };
  const std::vector<Case> cases = {
      {{}, nullptr, nullptr, false},
      {{"--set", "0x3D=60", "--frames", "2"}, 0.0, 0.42, false},  // no power
      {{"--set", "0x301=1", "--set", "61=60", "--frames", "2"}, 60.0, 50.1, false},
      {{"--set", "0x301=1", "--set", "0x3D=inf", "--frames", "2"}, 160.0, 273.06, false},
      {{"--set", "0x301=1", "--set", "0x3D=-inf", "--frames", "2"}, 0.0, 0.42, false},
      {{"--set", "0x301=1", "--set", "0x3D=nan", "--frames", "2"}, "nan", nullptr, true},
      // Steps run in command-line order: a token set after the last frame is not shown.
      {{"--set", "0x301=1", "--set", "0x3D=90", "--frames", "2", "--set", "0x3D=20"}, 90.0, 107.9, false},
      {{"--set", "0x301=1", "--frames", "1", "--set", "0x3D=20", "--frames", "1"}, 20.0, 12.1, false},
      {{"--kill-instance", "--frames", "3"}, nullptr, nullptr, false},
      {{"--set", "0x301=1", "--set", "0x3D=90", "--frames", "0"}, nullptr, nullptr, false},
  };
  for (const auto& [steps, value, angle, faulted] : cases) {
    std::string name;
    for (const auto& step : steps) name += step + " ";
    const json report = run(steps);
    const json& needle = report["elements"][1];
    if (value.is_null()) {
      EXPECT_FALSE(needle.contains("value")) << name;
      EXPECT_FALSE(needle.contains("angle")) << name;
    } else {
      EXPECT_EQ(needle["value"], value) << name;
      if (angle.is_null())
        EXPECT_TRUE(needle["angle"].is_null()) << name;
      else
        EXPECT_NEAR(needle["angle"].get<double>(), angle.get<double>(), 0.1) << name;
    }
    EXPECT_EQ(report["faults"].size(), faulted ? 1u : 0u) << name << report["faults"];
  }
}

TEST_P(RunCommandTest, InstancesAndTheSoundLibraryAreCounted) {
  struct Case {
    std::vector<std::string> steps;
    json sound;
  };
  const std::vector<Case> cases = {
      {{"--frames", "2"}, {{"loads", 1}, {"releases", 1}, {"terminate_calls", 1}}},
      {{"--kill-instance", "--kill-instance"}, {{"loads", 1}, {"releases", 1}, {"terminate_calls", 1}}},
      {{"--sound", "absent", "--frames", "2"}, {{"loads", 0}, {"releases", 0}, {"terminate_calls", 0}}},
      {{"--sound", "no-terminate", "--frames", "2"}, {{"loads", 1}, {"releases", 1}, {"terminate_calls", 0}}},
  };
  for (const auto& [steps, sound] : cases) {
    const json report = run(steps);
    EXPECT_EQ(report["sound"], sound) << steps.front();
  }
}

TEST_P(RunCommandTest, AClickOutsideEveryClickAreaSendsNothing) {
  const json report = run({"--set", "0x301=1", "--frames", "1", "--click", "55,290", "--click", "0,0"});
  EXPECT_EQ(report["key_events"], json::array());
}

TEST_P(RunCommandTest, DrawsThePictureWithoutTouchingTheReport) {
  const auto picture = std::filesystem::temp_directory_path() / ("run-command-" + GetParam().backend + ".png");
  const json report = run({"--set", "0x301=1", "--set", "0x3D=95.5", "--frames", "2", "--png", picture.string()});
  EXPECT_EQ(report["elements"][1]["value"], 95.5);
  std::ifstream file(picture, std::ios::binary);
  char signature[8] = {};
  file.read(signature, 8);
  EXPECT_EQ(std::string(signature + 1, 3), "PNG");
  std::filesystem::remove(picture);
}

INSTANTIATE_TEST_SUITE_P(Airspeed, RunCommandTest, ::testing::ValuesIn(builds_of("Tarvon_Airspeed")), build_name);

TEST(RunCommandErrors, ARefusedRunSaysWhyOnOneLineAndPrintsNothing) {
  const std::string module = native_module("Tarvon_Airspeed").string();
  const auto not_a_module = std::filesystem::temp_directory_path() / "run-command-not-a-module.gau";
  std::ofstream(not_a_module) << "plain text\n";
  struct Case {
    std::vector<std::string> arguments;
    std::string named;  // the message names what is wrong
  };
  const std::vector<Case> cases = {
      {{"run", module, "--set", "0x3G=1", "--json"}, "0x3G"},
      {{"run", module, "--set", "4294967296=1", "--json"}, "4294967296"},
      {{"run", module, "--set", "61", "--json"}, "TOKEN=VALUE"},
      {{"run", module, "--set", "61=fast", "--json"}, "fast"},
      {{"run", module, "--set", "61=", "--json"}, "61="},
      {{"run", module, "--frames", "-1", "--json"}, "--frames"},
      {{"run", module, "--frames", "two", "--json"}, "two"},
      {{"run", module, "--click", "5", "--json"}, "--click"},
      {{"run", module, "--click", "5,y", "--json"}, "5,y"},
      {{"run", module, "--sound", "loud", "--json"}, "loud"},
      {{"run", module, "--loud", "--json"}, "--loud"},
      {{"run", "/nonexistent/Gauge.gau", "--json"}, "Gauge"},
      {{"run", not_a_module.string(), "--json"}, "run-command-not-a-module"},
      {{"run", module, "--frames", "1", "--png", "/nonexistent/picture.png", "--json"}, "picture.png"},
  };
  for (const auto& [arguments, named] : cases) {
    const CommandResult result = run_bench(arguments);
    EXPECT_EQ(result.status, 2) << named;
    EXPECT_EQ(result.out, "") << named;
    EXPECT_NE(result.err.find(named), std::string::npos) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
  }
  std::filesystem::remove(not_a_module);
}

}  // namespace
}  // namespace bench::testing
