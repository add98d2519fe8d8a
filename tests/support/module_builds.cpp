#include "module_builds.h"

#include <algorithm>

namespace bench::testing {

std::filesystem::path native_module(const std::string& module) {
  return std::filesystem::path(GAUGE_NATIVE_MODULES) / (module + ".gau");
}

std::filesystem::path shipped_module(const std::string& module) {
  return std::filesystem::path(GAUGE_SHIPPED_MODULES) / (module + ".gau");
}

bool shipped_modules_expected() {
  return GAUGE_EXPECT_SHIPPED_MODULES;
}

// When the shipped modules are expected, a missing one stays in the list, so
// that its tests fail on the missing file instead of quietly not running.
std::vector<ModuleBuild> builds_of(const std::string& module) {
  std::vector<ModuleBuild> builds{{"native", native_module(module)}};
  if (shipped_modules_expected() || std::filesystem::exists(shipped_module(module))) {
    builds.push_back({"pe32", shipped_module(module)});
  }
  return builds;
}

std::vector<std::string> modules_in_both_builds() {
  std::vector<std::string> names;
  const std::filesystem::path shipped_directory(GAUGE_SHIPPED_MODULES);
  if (!std::filesystem::is_directory(shipped_directory)) return names;
  for (const auto& entry : std::filesystem::directory_iterator(shipped_directory)) {
    const auto name = entry.path().stem().string();
    if (entry.path().extension() == ".gau" && std::filesystem::exists(native_module(name))) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string build_name(const ::testing::TestParamInfo<ModuleBuild>& info) {
  return info.param.backend;
}

}  // namespace bench::testing
