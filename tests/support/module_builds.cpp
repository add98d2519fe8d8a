#include "module_builds.h"

namespace bench::testing {

std::filesystem::path native_module(const std::string& module) {
  return std::filesystem::path(GAUGE_NATIVE_MODULES) / (module + ".gau");
}

std::filesystem::path shipped_module(const std::string& module) {
  return std::filesystem::path(GAUGE_SHIPPED_MODULES) / (module + ".gau");
}

std::vector<ModuleBuild> builds_of(const std::string& module) { return {{"native", native_module(module)}}; }

std::string build_name(const ::testing::TestParamInfo<ModuleBuild>& info) { return info.param.backend; }

}  // namespace bench::testing
