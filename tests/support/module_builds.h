// The builds of a module the behaviour tests run against: the native build,
// and the shipped 32-bit file from dist/, run by the emulated backend. A test
// suite is instantiated once per build, with the same expectations.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace bench::testing {

struct ModuleBuild {
  std::string backend;  // "native" or "pe32"
  std::filesystem::path path;
};

std::filesystem::path native_module(const std::string& module);
std::filesystem::path shipped_module(const std::string& module);

// Whether the build was configured with GAUGE_EXPECT_SHIPPED_MODULES=ON: the
// shipped modules must then be in dist/, and a missing one fails its tests.
bool shipped_modules_expected();

// Every build of `module` this bench can run: native, and pe32 when its
// shipped file is in dist/ (or is expected there).
std::vector<ModuleBuild> builds_of(const std::string& module);

// The modules whose native build and shipped file (in dist/) both exist, by name.
std::vector<std::string> modules_in_both_builds();

// Names parameterised cases after the build they run on.
std::string build_name(const ::testing::TestParamInfo<ModuleBuild>& info);

inline void PrintTo(const ModuleBuild& build, std::ostream* out) {
  *out << build.backend;
}

}  // namespace bench::testing
