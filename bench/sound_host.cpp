#include "sound_host.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace bench {

SoundMode parse_sound_mode(std::string_view text) {
  if (text == "present") return SoundMode::present;
  if (text == "absent") return SoundMode::absent;
  if (text == "no-terminate") return SoundMode::no_terminate;
  throw std::invalid_argument("unknown sound mode '" + std::string(text) + "' (present, absent or no-terminate)");
}

std::string_view sound_mode_name(SoundMode mode) {
  switch (mode) {
    case SoundMode::present:
      return "present";
    case SoundMode::absent:
      return "absent";
    case SoundMode::no_terminate:
      return "no-terminate";
  }
  return "present";
}

bool SoundHost::is_sound_library(std::string_view name) {
  // Windows compares module names without regard to case, with or without ".dll".
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return lower == "gaugesound" || lower == "gaugesound.dll";
}

bool SoundHost::load_library(std::string_view name) {
  if (mode_ == SoundMode::absent || !is_sound_library(name)) return false;
  ++references_;
  ++counts_.loads;
  return true;
}

bool SoundHost::module_handle(std::string_view name) const {
  return is_sound_library(name) && loaded();
}

SoundEntry SoundHost::proc_address(bool handle_is_sound_library, std::string_view name) {
  if (!handle_is_sound_library) {
    faults_.push_back("GetProcAddress(\"" + std::string(name) +
                      "\") called with a handle that is not a loaded library");
    return SoundEntry::none;
  }
  if (!loaded()) {
    faults_.push_back("GetProcAddress(\"" + std::string(name) + "\") called with a released handle");
    return SoundEntry::none;
  }
  if (name == "GaugePlaySound") return SoundEntry::play_sound;
  if (name == "GaugeStopSound") return SoundEntry::stop_sound;
  if (name == "TerminateSounds" && mode_ != SoundMode::no_terminate) return SoundEntry::terminate_sounds;
  return SoundEntry::none;
}

bool SoundHost::free_library(bool handle_is_sound_library) {
  if (!handle_is_sound_library || !loaded()) {
    faults_.push_back("FreeLibrary called on a handle that is not loaded");
    return false;
  }
  --references_;
  ++counts_.releases;
  return true;
}

}  // namespace bench
