#include "native_host.h"

#include <dlfcn.h>

#include <array>
#include <string>
#include <utility>

#include "windows_loader.h"

namespace bench {
namespace {

PanelServices* current_services = nullptr;

void GAUGE_CALL lookup_var(MODULE_VAR* variable) {
  if (current_services != nullptr && variable != nullptr) {
    variable->value = current_services->lookup_var(variable->id);
  }
}

int32_t GAUGE_CALL trigger_key_event(uint32_t event, uint32_t value) {
  if (current_services != nullptr) current_services->trigger_key_event(event, value);
  return 0;
}

template <int slot>
void GAUGE_CALL unsupported_slot() {
  if (current_services != nullptr) current_services->unsupported_slot(slot);
}

constexpr int panel_slots = 64;

struct PanelTable {
  std::array<PANEL_SLOT, panel_slots> slots;
};

template <size_t... slot>
PanelTable make_panel_table(std::index_sequence<slot...>) {
  PanelTable table{{unsupported_slot<slot>...}};
  table.slots[trigger_key_event_slot] = reinterpret_cast<PANEL_SLOT>(trigger_key_event);
  table.slots[lookup_var_slot] = reinterpret_cast<PANEL_SLOT>(lookup_var);
  return table;
}

PanelTable panel_table = make_panel_table(std::make_index_sequence<panel_slots>());

// The stand-in sound library is opened once per variant and kept open; whether
// a module holds it loaded is the SoundHost's count, not dlopen's.
HMODULE sound_library(SoundMode mode) {
  static void* full = nullptr;
  static void* without_terminate = nullptr;
  void*& handle = mode == SoundMode::no_terminate ? without_terminate : full;
  if (handle == nullptr) {
    std::string path = std::string(GAUGE_SOUND_DIRECTORY) +
                       (mode == SoundMode::no_terminate ? "/no-terminate/GaugeSound.so" : "/GaugeSound.so");
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  }
  return static_cast<HMODULE>(handle);
}

bool is_current_sound_library(HMODULE library) {
  return library != nullptr && library == sound_library(current_services->sound().mode());
}

}  // namespace

CurrentServices::CurrentServices(PanelServices& services) : previous_(current_services) {
  current_services = &services;
}
CurrentServices::~CurrentServices() {
  current_services = previous_;
}

PANELS* native_panel_table() {
  return reinterpret_cast<PANELS*>(panel_table.slots.data());
}

}  // namespace bench

using bench::current_services;

// The Windows loader functions native modules import, over dlopen and the
// SoundHost of the module being called.
extern "C" HMODULE LoadLibraryA(const char* name) {
  if (current_services == nullptr || name == nullptr) return nullptr;
  auto& sound = current_services->sound();
  if (!sound.load_library(name)) return nullptr;
  return bench::sound_library(sound.mode());
}

extern "C" HMODULE GetModuleHandleA(const char* name) {
  if (current_services == nullptr || name == nullptr) return nullptr;
  auto& sound = current_services->sound();
  return sound.module_handle(name) ? bench::sound_library(sound.mode()) : nullptr;
}

extern "C" FARPROC GetProcAddress(HMODULE library, const char* name) {
  if (current_services == nullptr || name == nullptr) return nullptr;
  auto entry = current_services->sound().proc_address(bench::is_current_sound_library(library), name);
  if (entry == bench::SoundEntry::none) return nullptr;
  return reinterpret_cast<FARPROC>(dlsym(library, name));
}

extern "C" int FreeLibrary(HMODULE library) {
  if (current_services == nullptr) return 0;
  return current_services->sound().free_library(bench::is_current_sound_library(library)) ? 1 : 0;
}

// Called by the stand-in sound library's TerminateSounds.
extern "C" void gauge_bench_terminate_sounds_called() {
  if (current_services != nullptr) current_services->sound().terminate_sounds_called();
}
