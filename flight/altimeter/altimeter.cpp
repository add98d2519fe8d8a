// Altimeter: a long needle turning once per 1000 and a short one once per
// 10000, both fed the full altitude and held at 0 while the power is off; a
// pressure-setting drum in a window on the right; a BARO knob that asks the
// simulator to set the pressure.
#include "gauge_frame.h"

namespace {

constexpr int32_t dial_bitmap = 0x1500;
constexpr int32_t drum_bitmap = 0x1900;  // seen through its mask 0x1901
constexpr PIXPOINT drum_window = {258, 144};
constexpr FLOAT64 drum_lowest_setting = 28.0;   // the drum strip's top edge
constexpr FLOAT64 drum_highest_setting = 31.6;  // its bottom edge

constexpr int32_t short_needle_bitmap = 0x1400;
constexpr int32_t long_needle_bitmap = 0x1200;
constexpr PIXPOINT needle_pivot_on_dial = {176, 166};
constexpr PIXPOINT short_needle_pivot_in_bitmap = {10, 10};
constexpr PIXPOINT long_needle_pivot_in_bitmap = {10, 11};

// One pixel right of 12 o'clock, and 12 o'clock itself: a full clockwise turn
// less the gap between them.
constexpr PIXPOINT turn_start = {177, 35};
constexpr PIXPOINT turn_end = {176, 35};

constexpr uint32_t baro_knob_event = 0x10030;

}  // namespace

// Refresh list; 0x4B and 0x6D are refreshed and never read.
enum AltimeterToken { altitude_token, token_0x4B, pressure_setting_token, power_token, token_0x6D };
constinit MODULE_VAR refresh_list[] = {{.id = 0x4A}, {.id = 0x4B}, {.id = 0x4C}, {.id = 0x301}, {.id = 0x6D}};

// Both needles take the full altitude, unreduced: their calibration tables
// alone divide it into turns.
FLOAT64 GAUGE_CALL altitude_long_value(ELEMENT_NEEDLE*) {
  return powered(refresh_list[altitude_token].value);
}
FLOAT64 GAUGE_CALL altitude_short_value(ELEMENT_NEEDLE* needle) {
  return altitude_long_value(needle);
}

// The drum never moves sideways: its x range is empty and its x source is token 0.
FLOAT64 GAUGE_CALL drum_x_value(ELEMENT_MOVING_IMAGE* drum) {
  return drum->source_var_x.value;
}
// The pressure setting shows with power on or off, and is not held to the drum's range.
FLOAT64 GAUGE_CALL drum_pressure_value(ELEMENT_MOVING_IMAGE*) {
  return refresh_list[pressure_setting_token].value;
}

int32_t GAUGE_CALL baro_knob_click(PIXPOINT*, uint32_t) {
  trigger_key_event(baro_knob_event, 0);
  return 0;
}

constinit NONLINEARITY long_needle_calibration[] = {{.point = turn_start, .value = 0},
                                                    {.point = turn_end, .value = 999}};
constinit NONLINEARITY short_needle_calibration[] = {{.point = turn_start, .value = 0},
                                                     {.point = turn_end, .value = 9999}};

constinit ELEMENT_NEEDLE long_needle = {
    .header = {.element_type = element_needle,
               .resource_id = long_needle_bitmap,
               .position = needle_pivot_on_dial,
               .offset = long_needle_pivot_in_bitmap,
               .gauge_header = &gauge_header,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
    .nonlinearity_table = long_needle_calibration,
    .nonlinearity_count = std::size(long_needle_calibration),
    .callback = altitude_long_value,
};
constinit ELEMENT_HEADER* short_needle_next[] = {&long_needle.header, nullptr};

constinit ELEMENT_NEEDLE short_needle = {
    .header = {.element_type = element_needle,
               .resource_id = short_needle_bitmap,
               .position = needle_pivot_on_dial,
               .offset = short_needle_pivot_in_bitmap,
               .gauge_header = &gauge_header,
               .next_element = short_needle_next,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
    .nonlinearity_table = short_needle_calibration,
    .nonlinearity_count = std::size(short_needle_calibration),
    .callback = altitude_short_value,
};
constinit ELEMENT_HEADER* drum_next[] = {&short_needle.header, nullptr};

constinit ELEMENT_MOVING_IMAGE drum = {
    .header = {.element_type = element_moving_image,
               .resource_id = drum_bitmap,
               .position = drum_window,
               .gauge_header = &gauge_header,
               .next_element = drum_next,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
    .min_x = 0.0,
    .max_x = 0.0,
    .min_y = drum_lowest_setting,
    .max_y = drum_highest_setting,
    .callback_x = drum_x_value,
    .callback_y = drum_pressure_value,
};
constinit ELEMENT_HEADER* dial_next[] = {&drum.header, nullptr};

constinit ELEMENT_STATIC_IMAGE dial = {
    .header = {.element_type = element_static_image,
               .resource_id = dial_bitmap,
               .gauge_header = &gauge_header,
               .next_element = dial_next,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
};
constinit ELEMENT_HEADER* root_element = &dial.header;

constinit MOUSERECT mouse_rects[] = {
    mouse_parent(),
    mouse_tooltip("Altimeter"),
    mouse_click_area(27, 265, 57, 58, baro_knob_click),  // over the BARO knob
    mouse_end_parent(),
    mouse_end_list(),
};

constinit GAUGEHDR gauge_header = make_gauge_header("Tarvik_Altimeter", &root_element, mouse_rects);
constinit const FrameSettings frame_settings = make_frame_settings(refresh_list, &refresh_list[power_token]);
