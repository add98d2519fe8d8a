// Tells a module's format by its first bytes and hands it to its backend.
#include <fmt/format.h>

#include <array>
#include <fstream>

#include "emulated_backend.h"
#include "gauge_backend.h"
#include "native_backend.h"

namespace bench {

std::unique_ptr<GaugeBackend> load_gauge_module(const std::filesystem::path& module, PanelServices& services) {
  const std::string name = module.stem().string();
  std::ifstream file(module, std::ios::binary);
  if (!file) throw ModuleError(fmt::format("module {}: cannot open {}", name, module.string()));
  std::array<char, 4> magic{};
  file.read(magic.data(), magic.size());
  if (file.gcount() == 4 && magic == std::array<char, 4>{'\x7f', 'E', 'L', 'F'}) {
    return load_native_module(module, services);
  }
  if (file.gcount() >= 2 && magic[0] == 'M' && magic[1] == 'Z') {
    return load_emulated_module(module, services);
  }
  throw ModuleError(fmt::format("module {}: {} is neither a Linux nor a Windows module", name, module.string()));
}

}  // namespace bench
