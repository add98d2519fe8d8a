// Fuel quantity indicator: two needles on one pivot, the front tank on the
// left half of the dial and the rear tank on the right, each 0 to 165 gallons
// on a scale widest near empty. Both stand at 0 while the power is off.
#include "gauge_frame.h"

namespace {

constexpr int32_t dial_bitmap = 0x2300;
constexpr int32_t front_needle_bitmap = 0x2100;
constexpr int32_t rear_needle_bitmap = 0x2200;
constexpr PIXPOINT needle_pivot_on_dial = {178, 170};
constexpr PIXPOINT needle_pivot_in_bitmap = {10, 11};
constexpr FLOAT64 tank_capacity = 165;  // gallons: the last mark of either scale

}  // namespace

// Refresh list; 0, 0x231, 0x232 and 0x27E are refreshed and never read.
enum FuelQuantityToken {
  token_0,
  token_0x231,
  power_token,
  token_0x232,
  token_0x27E,
  front_fuel_token,
  rear_fuel_token
};
constinit MODULE_VAR refresh_list[] = {{.id = 0},     {.id = 0x231}, {.id = 0x301}, {.id = 0x232},
                                       {.id = 0x27E}, {.id = 0x130}, {.id = 0x12F}};

FLOAT64 GAUGE_CALL front_fuel_value(ELEMENT_NEEDLE*) {
  return clamp_to_scale(powered(refresh_list[front_fuel_token].value), 0.0, tank_capacity);
}

FLOAT64 GAUGE_CALL rear_fuel_value(ELEMENT_NEEDLE*) {
  return clamp_to_scale(powered(refresh_list[rear_fuel_token].value), 0.0, tank_capacity);
}

// Front tank: clockwise up the left half as fuel rises.
constinit NONLINEARITY front_fuel_calibration[] = {
    {.point = {151, 301}, .value = 0},
    {.point = {65, 247}, .value = 50},
    {.point = {65, 95}, .value = 150},
    {.point = {79, 79}, .value = 165},
};

// Rear tank: listed clockwise too, so from full down to empty; the needle
// turns counter-clockwise up the right half as fuel rises.
constinit NONLINEARITY rear_fuel_calibration[] = {
    {.point = {272, 79}, .value = 165},
    {.point = {285, 96}, .value = 150},
    {.point = {285, 246}, .value = 50},
    {.point = {200, 301}, .value = 0},
};

namespace {

constexpr ELEMENT_NEEDLE fuel_needle(int32_t bitmap, NONLINEARITY (&calibration)[4], NEEDLE_CALLBACK callback,
                                     ELEMENT_HEADER** next) {
  return ELEMENT_NEEDLE{
      .header = {.element_type = element_needle,
                 .resource_id = bitmap,
                 .position = needle_pivot_on_dial,
                 .offset = needle_pivot_in_bitmap,
                 .gauge_header = &gauge_header,
                 .next_element = next,
                 .failure_list = no_failures,
                 .image_flags = image_flags_at_load},
      .nonlinearity_table = calibration,
      .nonlinearity_count = std::size(calibration),
      .callback = callback,
  };
}

}  // namespace

constinit ELEMENT_NEEDLE rear_needle = fuel_needle(rear_needle_bitmap, rear_fuel_calibration, rear_fuel_value, nullptr);
constinit ELEMENT_HEADER* front_needle_next[] = {&rear_needle.header, nullptr};
constinit ELEMENT_NEEDLE front_needle =
    fuel_needle(front_needle_bitmap, front_fuel_calibration, front_fuel_value, front_needle_next);
constinit ELEMENT_HEADER* dial_next[] = {&front_needle.header, nullptr};

constinit ELEMENT_STATIC_IMAGE dial = {
    .header = {.element_type = element_static_image,
               .resource_id = dial_bitmap,
               .gauge_header = &gauge_header,
               .next_element = dial_next,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
};
constinit ELEMENT_HEADER* root_element = &dial.header;

constinit MOUSERECT mouse_rects[] = {mouse_parent(), mouse_tooltip("Fuel Quantity"), mouse_end_parent(),
                                     mouse_end_list()};

constinit GAUGEHDR gauge_header = make_gauge_header("Tarvik_FuelQTY", &root_element, mouse_rects);
constinit const FrameSettings frame_settings = make_frame_settings(refresh_list, &refresh_list[power_token]);
