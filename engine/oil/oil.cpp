// Oil temperature and pressure indicator: two needles about one pivot. On the
// right half the oil temperature, token 0x231 in degrees Rankine shown in
// degrees Celsius, 0..120, turning counter-clockwise as it rises; on the left
// half the oil pressure, token 0x232 in pounds per square foot shown in pounds
// per square inch, 0..80. Both stand at 0 while the power is off.
#include "dial_records.h"
#include "gauge_frame.h"
#include "unit_conversions.h"

namespace {

constexpr int32_t dial_bitmap = 0x1600;
constexpr int32_t temperature_needle_bitmap = 0x1700;
constexpr int32_t pressure_needle_bitmap = 0x1800;
constexpr PIXPOINT needle_pivot_on_dial = {174, 169};
constexpr FLOAT64 temperature_limit = 120.0;  // degrees Celsius: the end of the red arc
constexpr FLOAT64 pressure_limit = 80.0;      // pounds per square inch: the end of the upper yellow arc

}  // namespace

// Refresh list; token 0 is refreshed and never read. The power token is the third entry here.
enum OilToken { token_0, oil_temperature_token, power_token, oil_pressure_token };
constinit MODULE_VAR refresh_list[] = {{.id = 0}, {.id = 0x231}, {.id = 0x301}, {.id = 0x232}};

FLOAT64 GAUGE_CALL oil_temperature_value(ELEMENT_NEEDLE*) {
  return clamp_to_scale(powered(rankine_to_celsius(refresh_list[oil_temperature_token].value)), 0.0, temperature_limit);
}

FLOAT64 GAUGE_CALL oil_pressure_value(ELEMENT_NEEDLE*) {
  return clamp_to_scale(powered(psf_to_psi(refresh_list[oil_pressure_token].value)), 0.0, pressure_limit);
}

// Upper right to lower right, clockwise: the first entry is the top of the scale.
constinit NONLINEARITY oil_temperature_calibration[] = {
    {.point = {244, 49}, .value = temperature_limit},
    {.point = {242, 287}, .value = 0},
};

// Lower left to upper left, clockwise.
constinit NONLINEARITY oil_pressure_calibration[] = {
    {.point = {73, 255}, .value = 0},
    {.point = {71, 81}, .value = pressure_limit},
};

constinit ELEMENT_NEEDLE oil_pressure_needle =
    dial_needle(pressure_needle_bitmap, needle_pivot_on_dial, oil_pressure_calibration, oil_pressure_value);
constinit ELEMENT_HEADER* oil_temperature_next[] = {&oil_pressure_needle.header, nullptr};
constinit ELEMENT_NEEDLE oil_temperature_needle =
    dial_needle(temperature_needle_bitmap, needle_pivot_on_dial, oil_temperature_calibration, oil_temperature_value,
                oil_temperature_next);
constinit ELEMENT_HEADER* dial_next[] = {&oil_temperature_needle.header, nullptr};
constinit ELEMENT_STATIC_IMAGE dial = dial_background(dial_bitmap, dial_next);
constinit ELEMENT_HEADER* root_element = &dial.header;

constinit MOUSERECT mouse_rects[] = {mouse_parent(), mouse_tooltip("Oil temp + pressure"), mouse_end_parent(),
                                     mouse_end_list()};

constinit GAUGEHDR gauge_header = make_gauge_header("Tarvik_Oil", &root_element, mouse_rects);
constinit const FrameSettings frame_settings = make_frame_settings(refresh_list, &refresh_list[power_token]);
