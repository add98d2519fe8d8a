// The builds of a module the behaviour tests run against: the native build,
// and the shipped 32-bit file once the bench can run it. A test suite is
// instantiated once per build, with the same expectations.
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

// Every build of `module` this bench can run.
std::vector<ModuleBuild> builds_of(const std::string& module);

// Names parameterised cases after the build they run on.
std::string build_name(const ::testing::TestParamInfo<ModuleBuild>& info);

inline void PrintTo(const ModuleBuild& build, std::ostream* out) { *out << build.backend; }

}  // namespace bench::testing
