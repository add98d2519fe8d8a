#include "sound_binding.h"

#include "windows_loader.h"

namespace {

constexpr char sound_library_name[] = "GaugeSound";

HMODULE sound_library = nullptr;
FARPROC play_sound_entry = nullptr;  // resolved and kept; no gauge plays sounds
FARPROC stop_sound_entry = nullptr;
FARPROC terminate_sounds_entry = nullptr;

// Loads this module made and has not released. The handle may also come from
// GetModuleHandleA, which takes no reference, so the release at kill is
// bounded by this count: the module never releases more often than it loaded.
int loads_held = 0;

void load_sound_library() {
  sound_library = LoadLibraryA(sound_library_name);
  if (sound_library != nullptr) ++loads_held;
}

FARPROC resolve(const char* name) {
  return sound_library != nullptr ? GetProcAddress(sound_library, name) : nullptr;
}

void resolve_entry_points() {
  play_sound_entry = resolve("GaugePlaySound");
  stop_sound_entry = resolve("GaugeStopSound");
  terminate_sounds_entry = resolve("TerminateSounds");
}

}  // namespace

void bind_sound_library() {
  if (sound_library == nullptr) load_sound_library();
  resolve_entry_points();
}

void rebind_sound_library() {
  sound_library = GetModuleHandleA(sound_library_name);
  if (sound_library == nullptr) load_sound_library();
  resolve_entry_points();
}

void release_sound_library() {
  rebind_sound_library();
  if (terminate_sounds_entry != nullptr) terminate_sounds_entry();
  if (sound_library != nullptr && loads_held > 0) {
    FreeLibrary(sound_library);
    --loads_held;
  }
  // The released handle is forgotten, so that no entry point is ever resolved
  // from it; the next initialize loads the library again.
  sound_library = nullptr;
  play_sound_entry = stop_sound_entry = terminate_sounds_entry = nullptr;
}
