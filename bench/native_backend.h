// Runs a native (Linux) build of a module in the bench's own process.
#pragma once

#include <filesystem>
#include <memory>

#include "gauge_backend.h"

namespace bench {

std::unique_ptr<GaugeBackend> load_native_module(const std::filesystem::path& module, PanelServices& services);

}  // namespace bench
