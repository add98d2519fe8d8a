// Turn coordinator: a turn needle pivoted low in the dial, and an inclinometer
// ball hung as a needle from the very top of a 400-pixel-tall bitmap so that it
// swings on a shallow arc inside a glass tube. No power gate: token 0x301 is
// refreshed and never read, and the needles move with the power off.
#include "gauge_frame.h"

namespace {

constexpr int32_t dial_bitmap = 0x1900;

constexpr int32_t ball_bitmap = 0x1600;
constexpr PIXPOINT ball_pivot_on_dial = {175, 1};
constexpr PIXPOINT ball_pivot_in_bitmap = {0, 20};
constexpr FLOAT64 ball_limit = 127.0;  // the tube's ends

constexpr int32_t glass_tube_bitmap = 0x1700;  // picture 1, 0x1701, shows nothing
constexpr PIXPOINT glass_tube_corner = {67, 245};
constexpr uint32_t glass_tube_pictures = 2;
constexpr FLOAT64 glass_tube_shown = 0.0;

constexpr int32_t turn_needle_bitmap = 0x1800;
constexpr PIXPOINT turn_needle_pivot_on_dial = {175, 240};
constexpr PIXPOINT turn_needle_pivot_in_bitmap = {15, 14};
constexpr FLOAT64 turn_limit = 1200.0;  // the needle's end points, beyond the two-minute marks

constexpr uint32_t icon_switch_type = 3;

}  // namespace

// Refresh list; only the ball and the rate of turn are read.
enum TurnCoordinatorToken { token_0x22C, token_0x301, token_0x78, token_0x41, ball_token, turn_rate_token };
constinit MODULE_VAR refresh_list[] = {{.id = 0x22C}, {.id = 0x301}, {.id = 0x78},
                                       {.id = 0x41},  {.id = 0x45},  {.id = 0x46}};

FLOAT64 GAUGE_CALL ball_value(ELEMENT_NEEDLE*) {
  return clamp_to_scale(refresh_list[ball_token].value, -ball_limit, ball_limit);
}
FLOAT64 GAUGE_CALL turn_value(ELEMENT_NEEDLE*) {
  return clamp_to_scale(refresh_list[turn_rate_token].value, -turn_limit, turn_limit);
}
FLOAT64 GAUGE_CALL tube_value(ELEMENT_ICON*) {
  return glass_tube_shown;
}

// Positive to the right, stored from high to low values; 0 straight below the pivot.
constinit NONLINEARITY ball_calibration[] = {
    {.point = {258, 306}, .value = 127},
    {.point = {175, 315}, .value = 0},
    {.point = {92, 306}, .value = -127},
};
// Not symmetric: -1200 stands 36.6 degrees left of the index, +1200 32.0 degrees right.
constinit NONLINEARITY turn_calibration[] = {
    {.point = {106, 147}, .value = -1200},
    {.point = {175, 123}, .value = 0},
    {.point = {233, 147}, .value = 1200},
};

constinit ELEMENT_NEEDLE turn_needle = {
    .header = {.element_type = element_needle,
               .resource_id = turn_needle_bitmap,
               .position = turn_needle_pivot_on_dial,
               .offset = turn_needle_pivot_in_bitmap,
               .gauge_header = &gauge_header,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
    .nonlinearity_table = turn_calibration,
    .nonlinearity_count = std::size(turn_calibration),
    .callback = turn_value,
};
constinit ELEMENT_HEADER* glass_tube_next[] = {&turn_needle.header, nullptr};

constinit ELEMENT_ICON glass_tube = {
    .header = {.element_type = element_icon,
               .resource_id = glass_tube_bitmap,
               .position = glass_tube_corner,
               .gauge_header = &gauge_header,
               .next_element = glass_tube_next,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
    .switch_type = icon_switch_type,
    .icon_count = glass_tube_pictures,
    .callback = tube_value,
};
constinit ELEMENT_HEADER* ball_next[] = {&glass_tube.header, nullptr};

constinit ELEMENT_NEEDLE ball = {
    .header = {.element_type = element_needle,
               .resource_id = ball_bitmap,
               .position = ball_pivot_on_dial,
               .offset = ball_pivot_in_bitmap,
               .gauge_header = &gauge_header,
               .next_element = ball_next,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
    .nonlinearity_table = ball_calibration,
    .nonlinearity_count = std::size(ball_calibration),
    .callback = ball_value,
};
constinit ELEMENT_HEADER* dial_next[] = {&ball.header, nullptr};

constinit ELEMENT_STATIC_IMAGE dial = {
    .header = {.element_type = element_static_image,
               .resource_id = dial_bitmap,
               .gauge_header = &gauge_header,
               .next_element = dial_next,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
};
constinit ELEMENT_HEADER* root_element = &dial.header;

constinit MOUSERECT mouse_rects[] = {mouse_parent(), mouse_tooltip("Turn Coordinator"), mouse_end_parent(),
                                     mouse_end_list()};

constinit GAUGEHDR gauge_header = make_gauge_header("Tarvik_TurnCoordinator", &root_element, mouse_rects);
constinit const FrameSettings frame_settings = make_frame_settings(refresh_list, nullptr);
