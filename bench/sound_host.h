// The bench's side of the sound library "GaugeSound": whether it can be loaded
// and what it exports, how often a module loaded and released it, and how
// often TerminateSounds ran. Backends map the module's loader calls onto it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bench {

enum class SoundMode { present, absent, no_terminate };

SoundMode parse_sound_mode(std::string_view text);  // "present", "absent", "no-terminate"; throws on anything else
std::string_view sound_mode_name(SoundMode mode);

enum class SoundEntry { none, play_sound, stop_sound, terminate_sounds };

struct SoundCounts {
  int loads = 0;
  int releases = 0;
  int terminate_calls = 0;
};

class SoundHost {
 public:
  explicit SoundHost(SoundMode mode) : mode_(mode) {}

  SoundMode mode() const { return mode_; }
  const SoundCounts& counts() const { return counts_; }
  bool loaded() const { return references_ > 0; }
  const std::vector<std::string>& faults() const { return faults_; }

  static bool is_sound_library(std::string_view name);  // "GaugeSound", as Windows compares names

  // Each returns what the Windows function would; misuse is noted as a fault.
  bool load_library(std::string_view name);         // LoadLibraryA: true when loaded
  bool module_handle(std::string_view name) const;  // GetModuleHandleA: true when already loaded
  SoundEntry proc_address(bool handle_is_sound_library, std::string_view name);  // GetProcAddress
  bool free_library(bool handle_is_sound_library);                               // FreeLibrary
  void terminate_sounds_called() { ++counts_.terminate_calls; }

 private:
  SoundMode mode_;
  SoundCounts counts_;
  int references_ = 0;
  std::vector<std::string> faults_;
};

}  // namespace bench
