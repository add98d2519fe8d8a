// Vertical speed indicator: one needle over a dial in hundreds of feet per
// minute, 0 at 9 o'clock, showing token 0x22C in thousands of feet per minute
// held to ±2, and 0 while the power is off.
#include "gauge_frame.h"

namespace {

constexpr int32_t dial_bitmap = 0x1400;
constexpr int32_t needle_bitmap = 0x1200;
constexpr PIXPOINT needle_pivot_on_dial = {176, 171};
constexpr PIXPOINT needle_pivot_in_bitmap = {10, 11};

constexpr FLOAT64 seconds_per_minute = 60.0;
constexpr FLOAT64 feet_per_scale_unit = 1000.0;  // the needle's value is in thousands of feet per minute
constexpr FLOAT64 climb_limit = 2.0;             // the 2000 up mark, just above 3 o'clock
constexpr FLOAT64 descent_limit = -2.0;          // the 2000 down mark, just below it

}  // namespace

// Refresh list; 0x78 and 0x41 are refreshed and never read.
enum VsiToken { vertical_speed_token, power_token, token_0x78, token_0x41 };
constinit MODULE_VAR refresh_list[] = {{.id = 0x22C}, {.id = 0x301}, {.id = 0x78}, {.id = 0x41}};

// Token 0x22C is in feet per second, positive in a climb.
FLOAT64 GAUGE_CALL vertical_speed_value(ELEMENT_NEEDLE*) {
  const FLOAT64 feet_per_second = refresh_list[vertical_speed_token].value;
  return clamp_to_scale(powered(feet_per_second * seconds_per_minute / feet_per_scale_unit), descent_limit,
                        climb_limit);
}

// Clockwise from just below 3 o'clock round through 9 o'clock to just above
// it; the scale is four times as open between -0.5 and 0.5 as outside.
constinit NONLINEARITY vertical_speed_calibration[] = {
    {.point = {302, 188}, .value = -2}, {.point = {66, 246}, .value = -0.5}, {.point = {41, 171}, .value = 0},
    {.point = {65, 95}, .value = 0.5},  {.point = {299, 156}, .value = 2},
};

constinit ELEMENT_NEEDLE vertical_speed_needle = {
    .header = {.element_type = element_needle,
               .resource_id = needle_bitmap,
               .position = needle_pivot_on_dial,
               .offset = needle_pivot_in_bitmap,
               .gauge_header = &gauge_header,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
    .nonlinearity_table = vertical_speed_calibration,
    .nonlinearity_count = std::size(vertical_speed_calibration),
    .callback = vertical_speed_value,
};
constinit ELEMENT_HEADER* dial_next[] = {&vertical_speed_needle.header, nullptr};

constinit ELEMENT_STATIC_IMAGE dial = {
    .header = {.element_type = element_static_image,
               .resource_id = dial_bitmap,
               .gauge_header = &gauge_header,
               .next_element = dial_next,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
};
constinit ELEMENT_HEADER* root_element = &dial.header;

constinit MOUSERECT mouse_rects[] = {mouse_parent(), mouse_tooltip("Vertical Speed"), mouse_end_parent(),
                                     mouse_end_list()};

constinit GAUGEHDR gauge_header = make_gauge_header("Tarvik_VSI", &root_element, mouse_rects);
constinit const FrameSettings frame_settings = make_frame_settings(refresh_list, &refresh_list[power_token]);
