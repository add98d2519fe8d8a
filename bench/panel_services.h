// What the stand-in simulator offers a loaded module: the token store behind
// lookup_var, the log of key events, the sound library stand-in, and the faults
// a module committed against the panel interface. Backend-neutral: each
// backend routes its module's calls here.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "sound_host.h"

namespace bench {

struct KeyEvent {
  uint32_t event = 0;
  uint32_t value = 0;
  bool operator==(const KeyEvent&) const = default;
};

class PanelServices {
 public:
  explicit PanelServices(SoundMode sound_mode = SoundMode::present) : sound_(sound_mode) {}

  void set_token(uint32_t token, double value) { tokens_[token] = value; }
  double token(uint32_t token) const;  // 0.0 for a token never set

  // The simulator's lookup_var: the token's current value, and the call noted.
  double lookup_var(uint32_t token);
  void trigger_key_event(uint32_t event, uint32_t value) { key_events_.push_back({event, value}); }
  void unsupported_slot(int slot) { report_fault("unsupported slot " + std::to_string(slot) + " called"); }
  void report_fault(std::string fault) { faults_.push_back(std::move(fault)); }

  const std::vector<uint32_t>& lookups() const { return lookups_; }  // every token looked up, in order
  const std::vector<KeyEvent>& key_events() const { return key_events_; }
  const std::vector<std::string>& faults() const { return faults_; }
  void clear_lookups() { lookups_.clear(); }

  SoundHost& sound() { return sound_; }
  const SoundHost& sound() const { return sound_; }

 private:
  std::map<uint32_t, double> tokens_;
  std::vector<uint32_t> lookups_;
  std::vector<KeyEvent> key_events_;
  std::vector<std::string> faults_;
  SoundHost sound_;
};

}  // namespace bench
