// CHT and EGT indicator: two needles about one pivot, both showing a token in
// degrees Rankine as degrees Celsius. On the left half the cylinder-head
// temperature, token 0x19F, 0..300; on the right half the exhaust-gas
// temperature, token 0x237, 0..650, turning counter-clockwise as it rises.
// Both stand at 0 while the power is off.
#include "dial_records.h"
#include "gauge_frame.h"
#include "unit_conversions.h"

namespace {

constexpr int32_t dial_bitmap = 0x2000;
constexpr int32_t cht_needle_bitmap = 0x2100;
constexpr int32_t egt_needle_bitmap = 0x2200;
constexpr PIXPOINT needle_pivot_on_dial = {175, 167};
constexpr FLOAT64 cht_limit = 300.0;  // degrees Celsius: the end of the red arc
constexpr FLOAT64 egt_limit = 650.0;  // degrees Celsius: the end of the red arc

}  // namespace

// Refresh list; all but the power, EGT and CHT tokens are refreshed and never read.
enum ChtEgtToken {
  token_0x277,
  power_token,
  token_0x194,
  token_0x1BB,
  token_0x19A,
  token_0x1C1,
  egt_token,
  token_0x187,
  token_0x241,
  token_0x1AE,
  token_0x1A1,
  cht_token,
};
constinit MODULE_VAR refresh_list[] = {{.id = 0x277}, {.id = 0x301}, {.id = 0x194}, {.id = 0x1BB},
                                       {.id = 0x19A}, {.id = 0x1C1}, {.id = 0x237}, {.id = 0x187},
                                       {.id = 0x241}, {.id = 0x1AE}, {.id = 0x1A1}, {.id = 0x19F}};

FLOAT64 GAUGE_CALL cht_value(ELEMENT_NEEDLE*) {
  return clamp_to_scale(powered(rankine_to_celsius(refresh_list[cht_token].value)), 0.0, cht_limit);
}

FLOAT64 GAUGE_CALL egt_value(ELEMENT_NEEDLE*) {
  return clamp_to_scale(powered(rankine_to_celsius(refresh_list[egt_token].value)), 0.0, egt_limit);
}

// Lower left to upper left, clockwise.
constinit NONLINEARITY cht_calibration[] = {
    {.point = {108, 286}, .value = 0},
    {.point = {108, 51}, .value = cht_limit},
};

// Upper right to lower right, clockwise: the first entry is the top of the scale.
constinit NONLINEARITY egt_calibration[] = {
    {.point = {230, 45}, .value = egt_limit},
    {.point = {230, 293}, .value = 0},
};

constinit ELEMENT_NEEDLE egt_needle = dial_needle(egt_needle_bitmap, needle_pivot_on_dial, egt_calibration, egt_value);
constinit ELEMENT_HEADER* cht_next[] = {&egt_needle.header, nullptr};
constinit ELEMENT_NEEDLE cht_needle =
    dial_needle(cht_needle_bitmap, needle_pivot_on_dial, cht_calibration, cht_value, cht_next);
constinit ELEMENT_HEADER* dial_next[] = {&cht_needle.header, nullptr};
constinit ELEMENT_STATIC_IMAGE dial = dial_background(dial_bitmap, dial_next);
constinit ELEMENT_HEADER* root_element = &dial.header;

constinit MOUSERECT mouse_rects[] = {mouse_parent(), mouse_tooltip("CHT & EGT"), mouse_end_parent(), mouse_end_list()};

constinit GAUGEHDR gauge_header = make_gauge_header("Tarvik_CHT_EGT", &root_element, mouse_rects);
constinit const FrameSettings frame_settings = make_frame_settings(refresh_list, &refresh_list[power_token]);
