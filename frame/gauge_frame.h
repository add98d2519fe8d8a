// What every gauge module shares: the module-global frame values, the service
// callback, the simulator's two table functions, and helpers that keep a
// gauge file down to its own data and callbacks.
//
// A gauge file defines, as constant-initialised globals:
//   GAUGEHDR gauge_header            (with make_gauge_header)
//   const FrameSettings frame_settings  (refresh list, power token, first-draw extras)
// plus its element records, calibration tables, mouse rectangles and callbacks.
#pragma once

#include <cstdint>
#include <iterator>

#include "gauge_records.h"

#if defined(_WIN32)
#define GAUGE_EXPORT extern "C" __declspec(dllexport)
#else
#define GAUGE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

inline constexpr uint32_t gauge_header_version = 800;
inline constexpr uint32_t gauge_size_value = 100;

// Image flags: every element starts with 0x83; callbacks may change only these two bits.
inline constexpr uint32_t image_flags_at_load = 0x83;
inline constexpr uint32_t image_hidden_bit = 0x40000000;
inline constexpr uint32_t image_lit_bit = 0x4;

inline constexpr int32_t cursor_none = -1;
inline constexpr int32_t cursor_hand = 5;
inline constexpr uint32_t mouse_left_single = 0x20000000;

enum GaugeService : uint32_t {
  service_initialize = 4,
  service_update = 6,
  service_draw = 10,
  service_kill = 12,
};

// What varies in the frame from one gauge to the next.
struct FrameSettings {
  MODULE_VAR* refresh_list;  // refreshed in order on every update; null when the gauge has none
  uint32_t refresh_count;
  const MODULE_VAR* power_source;  // the token 0x301 entry of a gauge that keeps power_on, else null
  void (*first_draw_extras)();     // run by the first draw, before power_on is reset; may be null
};

// Defined by each gauge.
extern GAUGEHDR gauge_header;
extern const FrameSettings frame_settings;

// Module-global frame values, shared by all instances of the gauge.
extern int32_t power_on;
extern int32_t first_draw_done;

// Exported records through which the simulator finds the gauge.
GAUGE_EXPORT GAUGESLINKAGE Linkage;
GAUGE_EXPORT GAUGESIMPORT ImportTable;

// The end entry that is every element's whole failure list.
extern FAILURE_RECORD no_failures[1];

void GAUGE_CALL gauge_service(GAUGEHDR* gauge, uint32_t service, uint32_t extra);

// The simulator's table is read from ImportTable anew on every call.
inline void lookup_var(MODULE_VAR* variable) {
  ImportTable.panels.funcptr->lookup_var(variable);
}
inline void trigger_key_event(uint32_t event, uint32_t value) {
  ImportTable.panels.funcptr->trigger_key_event(event, value);
}

// Truncation toward zero into 32 bits, defined for every double: NaN gives 0,
// values beyond the 32-bit range saturate.
constexpr int32_t truncate_toward_zero(FLOAT64 value) {
  if (value != value) return 0;
  if (value >= 2147483648.0) return INT32_MAX;
  if (value <= -2147483649.0) return INT32_MIN;
  return static_cast<int32_t>(value);
}

// The shared shape of needle values: the power gate, then the clamp to the
// scale with the upper bound tested first. Both comparisons are strict, so a
// bound itself passes unchanged, and a NaN fails both and passes through.
inline FLOAT64 powered(FLOAT64 value) {
  return power_on != 0 ? value : 0.0;
}

constexpr FLOAT64 clamp_to_scale(FLOAT64 value, FLOAT64 lower, FLOAT64 upper) {
  if (value > upper) return upper;
  if (value < lower) return lower;
  return value;
}

constexpr GAUGEHDR make_gauge_header(const char* name, ELEMENT_HEADER** root, MOUSERECT* mouse_rects) {
  return GAUGEHDR{
      .gauge_header_version = gauge_header_version,
      .gauge_name = name,
      .elements_list = root,
      .size_value = gauge_size_value,
      .mouse_rect = mouse_rects,
      .gauge_callback = gauge_service,
  };
}

template <uint32_t count>
constexpr FrameSettings make_frame_settings(MODULE_VAR (&refresh_list)[count], const MODULE_VAR* power_source,
                                            void (*first_draw_extras)() = nullptr) {
  return FrameSettings{refresh_list, count, power_source, first_draw_extras};
}

constexpr FrameSettings frame_settings_without_tokens(void (*first_draw_extras)() = nullptr) {
  return FrameSettings{nullptr, 0, nullptr, first_draw_extras};
}

// Mouse rectangle entries; a gauge's list is parent, tooltip, click areas,
// end of parent, end of list.
extern const void* const tooltip_no_arguments[1];

constexpr MOUSERECT mouse_parent() {
  return MOUSERECT{.rect_type = mouse_rect_parent, .cursor = cursor_none, .function = {.tooltip_text = nullptr}};
}
constexpr MOUSERECT mouse_tooltip(const char* text) {
  return MOUSERECT{.rect_type = mouse_rect_tooltip,
                   .cursor = cursor_none,
                   .function = {.tooltip_text = text},
                   .data = tooltip_no_arguments};
}
constexpr MOUSERECT mouse_click_area(int32_t x, int32_t y, int32_t width, int32_t height, MOUSE_CALLBACK callback) {
  return MOUSERECT{.rect_type = mouse_rect_child,
                   .x = x,
                   .y = y,
                   .width = width,
                   .height = height,
                   .cursor = cursor_hand,
                   .mouse_flags = mouse_left_single,
                   .function = {.callback = callback}};
}
constexpr MOUSERECT mouse_end_parent() {
  return MOUSERECT{.rect_type = mouse_rect_end_parent, .cursor = cursor_none, .function = {.tooltip_text = nullptr}};
}
constexpr MOUSERECT mouse_end_list() {
  return MOUSERECT{.rect_type = mouse_rect_end_list, .cursor = cursor_none, .function = {.tooltip_text = nullptr}};
}
