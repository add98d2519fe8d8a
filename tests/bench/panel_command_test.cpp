// `gauge-bench panel`: every module of a directory on one picture, a module
// that cannot be loaded skipped with a message.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "command_runner.h"
#include "module_builds.h"

namespace bench::testing {
namespace {

namespace fs = std::filesystem;

class PanelCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(directory); }
  void TearDown() override { fs::remove_all(directory); }

  // The native airspeed module and its bitmaps, linked into the directory.
  void add_airspeed() {
    const fs::path module = native_module("Tarvon_Airspeed");
    fs::create_symlink(module, directory / module.filename());
    fs::create_directory_symlink(fs::path(module).replace_extension(".resources"),
                                 directory / "Tarvon_Airspeed.resources");
  }

  fs::path directory = fs::temp_directory_path() / ("panel-command-" + std::to_string(getpid()));
  fs::path picture = directory / "panel.png";
};

TEST_F(PanelCommandTest, DrawsWhatLoadsAndSkipsWhatDoesNot) {
  add_airspeed();
  std::ofstream(directory / "Broken.gau") << "not a module\n";
  const CommandResult result = run_bench({"panel", directory.string(), "--png", picture.string()});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.err.find("Broken.gau"), std::string::npos) << result.err;
  EXPECT_EQ(result.err.find("Tarvon_Airspeed"), std::string::npos) << result.err;
  EXPECT_GT(fs::file_size(picture), 1000u);
}

TEST_F(PanelCommandTest, FailsWhenNothingCanBeDrawn) {
  std::ofstream(directory / "Broken.gau") << "not a module\n";
  for (const fs::path& scanned : {directory, directory / "missing"}) {
    const CommandResult result = run_bench({"panel", scanned.string(), "--png", picture.string()});
    EXPECT_EQ(result.status, 2) << scanned;
    EXPECT_FALSE(fs::exists(picture)) << scanned;
    EXPECT_EQ(result.out, "") << scanned;
  }
}

}  // namespace
}  // namespace bench::testing
