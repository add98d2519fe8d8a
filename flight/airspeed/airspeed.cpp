// Airspeed indicator: one needle over a dial in knots, showing token 0x3D
// held to the dial's scale, and 0 while the power is off.
#include <airspeed_variant.h>

#include "gauge_frame.h"

namespace {

constexpr int32_t needle_bitmap = 0x1200;
constexpr PIXPOINT needle_pivot_on_dial = {173, 168};
constexpr PIXPOINT needle_pivot_in_bitmap = {10, 11};

}  // namespace

// Refresh list; 0x40 and 0x74 are refreshed and never read.
enum AirspeedToken { airspeed_token, token_0x40, power_token, token_0x74 };
constinit MODULE_VAR refresh_list[] = {{.id = 0x3D}, {.id = 0x40}, {.id = 0x301}, {.id = 0x74}};

FLOAT64 GAUGE_CALL airspeed_value(ELEMENT_NEEDLE*) {
  return clamp_to_scale(powered(refresh_list[airspeed_token].value), 0.0, speed_limit);
}

constinit NONLINEARITY airspeed_calibration[] = {
    {.point = {174, 32}, .value = 0},  {.point = {201, 37}, .value = 20},  {.point = {224, 44}, .value = 40},
    {.point = {277, 81}, .value = 60}, {.point = {300, 209}, .value = 90}, {.point = {89, 67}, .value = 180},
};

constinit ELEMENT_NEEDLE airspeed_needle = {
    .header = {.element_type = element_needle,
               .resource_id = needle_bitmap,
               .position = needle_pivot_on_dial,
               .offset = needle_pivot_in_bitmap,
               .gauge_header = &gauge_header,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
    .nonlinearity_table = airspeed_calibration,
    .nonlinearity_count = std::size(airspeed_calibration),
    .callback = airspeed_value,
};
constinit ELEMENT_HEADER* dial_next[] = {&airspeed_needle.header, nullptr};

constinit ELEMENT_STATIC_IMAGE dial = {
    .header = {.element_type = element_static_image,
               .resource_id = airspeed_dial_bitmap,
               .gauge_header = &gauge_header,
               .next_element = dial_next,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
};
constinit ELEMENT_HEADER* root_element = &dial.header;

constinit MOUSERECT mouse_rects[] = {mouse_parent(), mouse_tooltip("Airspeed"), mouse_end_parent(), mouse_end_list()};

constinit GAUGEHDR gauge_header = make_gauge_header(airspeed_gauge_name, &root_element, mouse_rects);
constinit const FrameSettings frame_settings = make_frame_settings(refresh_list, &refresh_list[power_token]);
