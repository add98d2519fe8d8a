// Propeller torque indicator: one needle showing token 0x194, the propeller
// torque in foot-pounds, held to the dial's 0..3500, and 0 while the power is off.
#include "dial_records.h"
#include "gauge_frame.h"

namespace {

constexpr int32_t dial_bitmap = 0x1600;
constexpr int32_t needle_bitmap = 0x1700;
constexpr PIXPOINT needle_pivot_on_dial = {175, 168};
constexpr FLOAT64 torque_limit = 3500.0;  // foot-pounds: the red mark, the last of the scale

}  // namespace

// Refresh list; 0x277 is refreshed and never read.
enum TorqueToken { token_0x277, power_token, torque_token };
constinit MODULE_VAR refresh_list[] = {{.id = 0x277}, {.id = 0x301}, {.id = 0x194}};

FLOAT64 GAUGE_CALL prop_torque_value(ELEMENT_NEEDLE*) {
  return clamp_to_scale(powered(refresh_list[torque_token].value), 0.0, torque_limit);
}

// Left and right of the pivot, a little below it, on one row: 210 degrees through the top.
constinit NONLINEARITY prop_torque_calibration[] = {
    {.point = {45, 203}, .value = 0},
    {.point = {305, 203}, .value = torque_limit},
};

constinit ELEMENT_NEEDLE prop_torque_needle =
    dial_needle(needle_bitmap, needle_pivot_on_dial, prop_torque_calibration, prop_torque_value);
constinit ELEMENT_HEADER* dial_next[] = {&prop_torque_needle.header, nullptr};
constinit ELEMENT_STATIC_IMAGE dial = dial_background(dial_bitmap, dial_next);
constinit ELEMENT_HEADER* root_element = &dial.header;

constinit MOUSERECT mouse_rects[] = {mouse_parent(), mouse_tooltip("Prop Torque"), mouse_end_parent(),
                                     mouse_end_list()};

constinit GAUGEHDR gauge_header = make_gauge_header("Tarvik_Torque", &root_element, mouse_rects);
constinit const FrameSettings frame_settings = make_frame_settings(refresh_list, &refresh_list[power_token]);
