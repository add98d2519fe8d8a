// Propeller RPM indicator: the engine RPM dial's scale showing token 0x2BC,
// the propeller speed in revolutions per minute, held to 0..2000, and 0 while
// the power is off.
#include "dial_records.h"
#include "engine_rpm/rpm_scale.h"
#include "gauge_frame.h"

namespace {

constexpr int32_t dial_bitmap = 0x1700;
constexpr int32_t needle_bitmap = 0x1800;

}  // namespace

// Refresh list; 0x277 and 0x194 are refreshed and never read.
enum PropRpmToken { token_0x277, power_token, token_0x194, prop_rpm_token };
constinit MODULE_VAR refresh_list[] = {{.id = 0x277}, {.id = 0x301}, {.id = 0x194}, {.id = 0x2BC}};

FLOAT64 GAUGE_CALL prop_rpm_value(ELEMENT_NEEDLE*) {
  return clamp_to_scale(powered(refresh_list[prop_rpm_token].value), 0.0, rpm_limit);
}

constinit NONLINEARITY prop_rpm_calibration[] = {rpm_zero_mark, rpm_limit_mark};

constinit ELEMENT_NEEDLE prop_rpm_needle = dial_needle(needle_bitmap, rpm_pivot, prop_rpm_calibration, prop_rpm_value);
constinit ELEMENT_HEADER* dial_next[] = {&prop_rpm_needle.header, nullptr};
constinit ELEMENT_STATIC_IMAGE dial = dial_background(dial_bitmap, dial_next);
constinit ELEMENT_HEADER* root_element = &dial.header;

constinit MOUSERECT mouse_rects[] = {mouse_parent(), mouse_tooltip("Prop RPM"), mouse_end_parent(), mouse_end_list()};

constinit GAUGEHDR gauge_header = make_gauge_header("Tarvik_PropRPM", &root_element, mouse_rects);
constinit const FrameSettings frame_settings = make_frame_settings(refresh_list, &refresh_list[power_token]);
