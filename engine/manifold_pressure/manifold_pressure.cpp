// Manifold pressure and turbo indicator: two needles about one pivot. On the
// left half, token 0x187 (pounds per square foot) in inches of mercury, 0..60;
// on the right half, token 0x19A (a fraction) in percent, 0..100, turning
// counter-clockwise as it rises. Both stand at 0 while the power is off.
#include "dial_records.h"
#include "gauge_frame.h"
#include "unit_conversions.h"

namespace {

constexpr int32_t dial_bitmap = 0x1900;
constexpr int32_t manifold_pressure_needle_bitmap = 0x2000;
constexpr int32_t turbo_needle_bitmap = 0x2100;
constexpr PIXPOINT needle_pivot_on_dial = {175, 167};
constexpr FLOAT64 manifold_pressure_limit = 60.0;  // inches of mercury: the end of the red arc
constexpr FLOAT64 turbo_limit = 100.0;             // percent

}  // namespace

// Refresh list; 0x277, 0x194, 0x1BB, 0x1C1, 0x237 and token 0 are refreshed and never read.
enum ManifoldPressureToken {
  token_0x277,
  power_token,
  token_0x194,
  token_0x1BB,
  turbo_token,
  token_0x1C1,
  token_0x237,
  manifold_pressure_token,
  token_0,
};
constinit MODULE_VAR refresh_list[] = {{.id = 0x277}, {.id = 0x301}, {.id = 0x194}, {.id = 0x1BB}, {.id = 0x19A},
                                       {.id = 0x1C1}, {.id = 0x237}, {.id = 0x187}, {.id = 0}};

FLOAT64 GAUGE_CALL manifold_pressure_value(ELEMENT_NEEDLE*) {
  const FLOAT64 inches_of_mercury = psf_to_inches_of_mercury(refresh_list[manifold_pressure_token].value);
  return clamp_to_scale(powered(inches_of_mercury), 0.0, manifold_pressure_limit);
}

FLOAT64 GAUGE_CALL turbo_value(ELEMENT_NEEDLE*) {
  const FLOAT64 percent = refresh_list[turbo_token].value * 100.0;
  return clamp_to_scale(powered(percent), 0.0, turbo_limit);
}

// Lower left to upper left, clockwise.
constinit NONLINEARITY manifold_pressure_calibration[] = {
    {.point = {108, 285}, .value = 0},
    {.point = {109, 52}, .value = manifold_pressure_limit},
};

// Upper right to lower right, clockwise: the first entry is the top of the scale.
constinit NONLINEARITY turbo_calibration[] = {
    {.point = {251, 59}, .value = turbo_limit},
    {.point = {268, 265}, .value = 0},
};

constinit ELEMENT_NEEDLE turbo_needle =
    dial_needle(turbo_needle_bitmap, needle_pivot_on_dial, turbo_calibration, turbo_value);
constinit ELEMENT_HEADER* manifold_pressure_next[] = {&turbo_needle.header, nullptr};
constinit ELEMENT_NEEDLE manifold_pressure_needle =
    dial_needle(manifold_pressure_needle_bitmap, needle_pivot_on_dial, manifold_pressure_calibration,
                manifold_pressure_value, manifold_pressure_next);
constinit ELEMENT_HEADER* dial_next[] = {&manifold_pressure_needle.header, nullptr};
constinit ELEMENT_STATIC_IMAGE dial = dial_background(dial_bitmap, dial_next);
constinit ELEMENT_HEADER* root_element = &dial.header;

constinit MOUSERECT mouse_rects[] = {mouse_parent(), mouse_tooltip("Manifold Pressure + Turbo"), mouse_end_parent(),
                                     mouse_end_list()};

constinit GAUGEHDR gauge_header = make_gauge_header("Tarvik_ManPRturbo", &root_element, mouse_rects);
constinit const FrameSettings frame_settings = make_frame_settings(refresh_list, &refresh_list[power_token]);
