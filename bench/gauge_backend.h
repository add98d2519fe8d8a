// A loaded gauge module, whatever its format: the neutral description of its
// gauge and the calls the simulator makes into it. The native backend runs
// Linux builds in-process; the emulated backend runs the shipped 32-bit files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "gauge_model.h"
#include "panel_services.h"

namespace bench {

// A module the bench refuses, or a call into it that failed; the message names
// the module and what is wrong.
class ModuleError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a value callback changed in its element besides its value.
struct ElementState {
  uint32_t image_flags = 0;
  std::optional<std::string> text;  // string elements: the text in the buffer
};

class GaugeBackend {
 public:
  virtual ~GaugeBackend() = default;

  virtual std::string_view format() const = 0;  // "native" or "pe32"
  virtual const GaugeDescription& description() const = 0;

  // Service callback with the gauge header the module exports (the service
  // callback of these gauges reads neither it nor the extra word).
  virtual void call_service(uint32_t service, uint32_t extra = 0) = 0;
  // Value callback `axis` (0 first) of element `element` (chain index from 0).
  virtual double call_value(size_t element, size_t axis) = 0;
  // Mouse callback of mouse rectangle `rect_index`; returns its 32-bit result.
  virtual int32_t call_mouse(size_t rect_index, Point point, uint32_t mouse_flags) = 0;
  virtual ElementState element_state(size_t element) const = 0;
  // Stores `value` in source variable `source` (0 first, in the element's
  // callback order) of element `element`: the simulator owns these values.
  virtual void set_source_value(size_t element, size_t source, double value) = 0;

  // The bitmap resource as a device-independent bitmap (information header,
  // palette, pixel rows), or nothing when the module has no such bitmap.
  virtual std::optional<std::vector<uint8_t>> bitmap(int32_t resource) const = 0;
};

// Loads MODULE (a .gau file), telling its format by its content, with its
// calls into the simulator answered by `services`, which must outlive it.
std::unique_ptr<GaugeBackend> load_gauge_module(const std::filesystem::path& module, PanelServices& services);

}  // namespace bench
