// Runs a shipped 32-bit Windows module in an x86 emulator inside the bench:
// its code never touches the bench's own memory, and a module that faults,
// loops or calls what it should not stops with a ModuleError instead of
// taking the bench down.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

#include "gauge_backend.h"

namespace bench {

std::unique_ptr<GaugeBackend> load_emulated_module(const std::filesystem::path& module, PanelServices& services);

// The x86 instructions an emulated module has executed since it was loaded;
// nothing for a module of another backend.
std::optional<uint64_t> emulated_instructions(const GaugeBackend& backend);

}  // namespace bench
