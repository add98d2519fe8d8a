// Engine RPM indicator: one needle showing token 0x186, the engine speed in
// revolutions per minute, held to the dial's 0..2000, and 0 while the power is off.
#include "dial_records.h"
#include "engine_rpm/rpm_scale.h"
#include "gauge_frame.h"

namespace {

constexpr int32_t dial_bitmap = 0x1800;
constexpr int32_t needle_bitmap = 0x1900;

}  // namespace

// Refresh list; 0x277, 0x194, 0x2BC and token 0 are refreshed and never read.
enum EngineRpmToken { token_0x277, power_token, token_0x194, token_0x2BC, engine_rpm_token, token_0 };
constinit MODULE_VAR refresh_list[] = {{.id = 0x277}, {.id = 0x301}, {.id = 0x194},
                                       {.id = 0x2BC}, {.id = 0x186}, {.id = 0}};

FLOAT64 GAUGE_CALL engine_rpm_value(ELEMENT_NEEDLE*) {
  return clamp_to_scale(powered(refresh_list[engine_rpm_token].value), 0.0, rpm_limit);
}

constinit NONLINEARITY engine_rpm_calibration[] = {rpm_zero_mark, rpm_limit_mark};

constinit ELEMENT_NEEDLE engine_rpm_needle =
    dial_needle(needle_bitmap, rpm_pivot, engine_rpm_calibration, engine_rpm_value);
constinit ELEMENT_HEADER* dial_next[] = {&engine_rpm_needle.header, nullptr};
constinit ELEMENT_STATIC_IMAGE dial = dial_background(dial_bitmap, dial_next);
constinit ELEMENT_HEADER* root_element = &dial.header;

constinit MOUSERECT mouse_rects[] = {mouse_parent(), mouse_tooltip("Engine RPM"), mouse_end_parent(), mouse_end_list()};

constinit GAUGEHDR gauge_header = make_gauge_header("Tarvik_EngineRPM", &root_element, mouse_rects);
constinit const FrameSettings frame_settings = make_frame_settings(refresh_list, &refresh_list[power_token]);
