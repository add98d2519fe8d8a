#include "emulated_host.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cctype>

#include "gauge_records.h"
#include "msvcrt_format.h"
#include "record_layout32.h"

namespace bench {
namespace {

enum class HostCall : uint32_t {
  load_library = 1,
  get_module_handle,
  get_proc_address,
  free_library,
  snprintf,
  play_sound,
  stop_sound,
  terminate_sounds,
  first_panel_slot = 16,
};

constexpr uint32_t panel_slots = 64;
static_assert(4 * (static_cast<uint32_t>(HostCall::first_panel_slot) + panel_slots) < x86::trap_count);

constexpr uint32_t trap_of(HostCall call) {
  return x86::trap_begin + 4 * static_cast<uint32_t>(call);
}
constexpr uint32_t panel_slot_trap(uint32_t slot) {
  return trap_of(HostCall::first_panel_slot) + 4 * slot;
}

// What LoadLibraryA and GetModuleHandleA hand the module for "GaugeSound":
// an address of the bench's that holds nothing, so that no module can use it
// as anything but a handle.
constexpr uint32_t sound_library_handle = x86::trap_begin - x86::page_size;

constexpr size_t max_name = 1024;

struct Import {
  std::string_view library;
  std::string_view function;
  HostCall call;
};

constexpr std::array imports = {
    Import{"kernel32.dll", "LoadLibraryA", HostCall::load_library},
    Import{"kernel32.dll", "GetModuleHandleA", HostCall::get_module_handle},
    Import{"kernel32.dll", "GetProcAddress", HostCall::get_proc_address},
    Import{"kernel32.dll", "FreeLibrary", HostCall::free_library},
    Import{"msvcrt.dll", "_snprintf", HostCall::snprintf},
};

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

}  // namespace

EmulatedHost::EmulatedHost(X86Machine& machine, PanelServices& services)
    : machine_(machine), services_(services), next_free_(x86::host_data_begin) {
  machine_.map(x86::host_data_begin, x86::host_data_size, Access::read_write);
  std::array<uint32_t, panel_slots> table{};
  for (uint32_t slot = 0; slot < panel_slots; ++slot) table[slot] = panel_slot_trap(slot);
  panel_table_ = allocate(sizeof table);
  machine_.write(panel_table_, table.data(), sizeof table);
}

std::optional<uint32_t> EmulatedHost::import_address(const std::string& library, const std::string& function) const {
  // Windows compares library names without regard to case; function names are exact.
  const std::string library_name = lower(library);
  for (const auto& import : imports) {
    if (import.library == library_name && import.function == function) return trap_of(import.call);
  }
  return std::nullopt;
}

uint32_t EmulatedHost::allocate(uint32_t size) {
  const uint32_t address = next_free_;
  const uint32_t end = x86::host_data_begin + x86::host_data_size;
  if (size > end - address) throw MachineFault("the bench's data region in the emulator is full");
  next_free_ += (size + 15) & ~15u;
  return address;
}

uint32_t EmulatedHost::argument(uint32_t stack_pointer, int index) const {
  const auto value = machine_.read_u32(stack_pointer + 4 + 4 * index);
  if (!value) throw MachineFault(fmt::format("a call's argument {} lies outside the stack", index + 1));
  return *value;
}

std::string EmulatedHost::string_argument(uint32_t stack_pointer, int index, std::string_view function) const {
  const uint32_t address = argument(stack_pointer, index);
  auto text = machine_.read_string(address, max_name);
  if (!text) throw MachineFault(fmt::format("{} was passed 0x{:08x}, which is not a readable name", function, address));
  return *text;
}

TrapReturn EmulatedHost::handle_trap(uint32_t trap, uint32_t stack_pointer) {
  auto& sound = services_.sound();
  const auto is_sound_handle = [&](int index) { return argument(stack_pointer, index) == sound_library_handle; };
  switch (static_cast<HostCall>((trap - x86::trap_begin) / 4)) {
    case HostCall::load_library: {
      const bool loaded = sound.load_library(string_argument(stack_pointer, 0, "LoadLibraryA"));
      return {loaded ? sound_library_handle : 0, 1};
    }
    case HostCall::get_module_handle: {
      const bool loaded = sound.module_handle(string_argument(stack_pointer, 0, "GetModuleHandleA"));
      return {loaded ? sound_library_handle : 0, 1};
    }
    case HostCall::get_proc_address: {
      const auto name = string_argument(stack_pointer, 1, "GetProcAddress");
      switch (sound.proc_address(is_sound_handle(0), name)) {
        case SoundEntry::play_sound:
          return {trap_of(HostCall::play_sound), 2};
        case SoundEntry::stop_sound:
          return {trap_of(HostCall::stop_sound), 2};
        case SoundEntry::terminate_sounds:
          return {trap_of(HostCall::terminate_sounds), 2};
        case SoundEntry::none:
          return {0, 2};
      }
      return {0, 2};
    }
    case HostCall::free_library:
      return {sound.free_library(is_sound_handle(0)) ? 1u : 0u, 1};
    case HostCall::snprintf:
      return {static_cast<uint32_t>(emulated_snprintf(machine_, stack_pointer)), 0};
    case HostCall::terminate_sounds:
      sound.terminate_sounds_called();
      return {0, 0};
    case HostCall::play_sound:
    case HostCall::stop_sound:
      // Resolved by every gauge and called by none; the bench does not guess their arguments.
      throw MachineFault(fmt::format("called {}, which the bench resolves but does not run",
                                     trap == trap_of(HostCall::play_sound) ? "GaugePlaySound" : "GaugeStopSound"));
    default:
      break;
  }
  if (trap >= panel_slot_trap(0) && trap < panel_slot_trap(panel_slots) && trap % 4 == 0) {
    return panel_slot(static_cast<int>((trap - panel_slot_trap(0)) / 4), stack_pointer);
  }
  throw MachineFault(fmt::format("called 0x{:08x}, an address of the bench's that is no function", trap));
}

TrapReturn EmulatedHost::panel_slot(int slot, uint32_t stack_pointer) {
  if (slot == trigger_key_event_slot) {
    services_.trigger_key_event(argument(stack_pointer, 0), argument(stack_pointer, 1));
    return {0, 2};
  }
  if (slot == lookup_var_slot) {
    const uint32_t variable = argument(stack_pointer, 0);
    if (variable == 0) return {0, 1};
    const auto not_a_variable = [&] {
      return MachineFault(
          fmt::format("lookup_var was passed 0x{:08x}, which is no MODULE_VAR in the module's memory", variable));
    };
    const auto token = machine_.read_u32(variable + layout32::ModuleVar::id);
    if (!token) throw not_a_variable();
    const double value = services_.lookup_var(*token);
    if (!machine_.write(variable + layout32::ModuleVar::value, &value, sizeof value)) throw not_a_variable();
    return {0, 1};
  }
  // The bench cannot know this slot's arguments, so it pops none; a caller
  // that expected them popped is caught when its stack comes back wrong.
  services_.unsupported_slot(slot);
  return {0, 0};
}

}  // namespace bench
