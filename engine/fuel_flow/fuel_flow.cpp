// Fuel flow indicator: one needle showing token 0x27E, the fuel flow in pounds
// per hour, held to the dial's 0..600, and 0 while the power is off. Its pivot
// lies 3 px right of the other single-needle engine dials'.
#include "dial_records.h"
#include "gauge_frame.h"

namespace {

// The background has the higher resource number, the needle the lower.
constexpr int32_t dial_bitmap = 0x1900;
constexpr int32_t needle_bitmap = 0x1700;
constexpr PIXPOINT needle_pivot_on_dial = {178, 168};
constexpr FLOAT64 fuel_flow_limit = 600.0;  // pounds per hour

}  // namespace

// Refresh list; token 0, 0x231 and 0x232 are refreshed and never read. The
// power token is the third entry here.
enum FuelFlowToken { token_0, token_0x231, power_token, token_0x232, fuel_flow_token };
constinit MODULE_VAR refresh_list[] = {{.id = 0}, {.id = 0x231}, {.id = 0x301}, {.id = 0x232}, {.id = 0x27E}};

FLOAT64 GAUGE_CALL fuel_flow_value(ELEMENT_NEEDLE*) {
  return clamp_to_scale(powered(refresh_list[fuel_flow_token].value), 0.0, fuel_flow_limit);
}

// Left and right of the pivot, a little below it, one row apart: 217 degrees through the top.
constinit NONLINEARITY fuel_flow_calibration[] = {
    {.point = {53, 209}, .value = 0},
    {.point = {302, 210}, .value = fuel_flow_limit},
};

constinit ELEMENT_NEEDLE fuel_flow_needle =
    dial_needle(needle_bitmap, needle_pivot_on_dial, fuel_flow_calibration, fuel_flow_value);
constinit ELEMENT_HEADER* dial_next[] = {&fuel_flow_needle.header, nullptr};
constinit ELEMENT_STATIC_IMAGE dial = dial_background(dial_bitmap, dial_next);
constinit ELEMENT_HEADER* root_element = &dial.header;

constinit MOUSERECT mouse_rects[] = {mouse_parent(), mouse_tooltip("Fuel Flow"), mouse_end_parent(), mouse_end_list()};

constinit GAUGEHDR gauge_header = make_gauge_header("Tarvik_Fuelflow", &root_element, mouse_rects);
constinit const FrameSettings frame_settings = make_frame_settings(refresh_list, &refresh_list[power_token]);
