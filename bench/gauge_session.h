// The simulator's side of a gauge's life: instances, frames and clicks, in the
// order the panel system makes its calls (initialize, then per frame update,
// the value callbacks in chain order, draw; kill at the end).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "gauge_backend.h"

namespace bench {

// The values an element's callbacks returned in the last frame.
struct ElementValues {
  std::vector<double> values;
  ElementState state;
};

class GaugeSession {
 public:
  // Loads the module; instances are created by the caller.
  GaugeSession(const std::filesystem::path& module, SoundMode sound_mode = SoundMode::present);
  ~GaugeSession();  // kills every live instance
  GaugeSession(const GaugeSession&) = delete;
  GaugeSession& operator=(const GaugeSession&) = delete;

  PanelServices& services() { return services_; }
  GaugeBackend& backend() { return *backend_; }
  const GaugeDescription& description() const { return backend_->description(); }

  void set_token(uint32_t token, double value) { services_.set_token(token, value); }

  void add_instance();   // service 4
  void kill_instance();  // service 12 for the newest live instance; nothing when none lives
  void kill_all();
  int live_instances() const { return live_instances_; }

  // One frame for every live instance: service 6, every value callback in
  // chain order, service 10. With no live instance nothing runs.
  void run_frames(int count = 1);
  // The values of the last frame's callbacks, per element (empty before any frame).
  const std::vector<ElementValues>& last_frame() const { return last_frame_; }
  double value(size_t element, size_t axis = 0) const;  // from the last frame

  // A left single click at `point`: the first click area holding it gets the
  // call. Returns whether one did.
  bool click(Point point);

 private:
  PanelServices services_;
  std::unique_ptr<GaugeBackend> backend_;
  int live_instances_ = 0;
  std::vector<ElementValues> last_frame_;
};

}  // namespace bench
