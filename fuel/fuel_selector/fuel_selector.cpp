// Fuel selector: a placard of four sectors (OFF, FRONT, BOTH, REAR) under a red
// handle. A click on a sector sends the simulator that position's key event
// and turns the handle to it; the first draw selects BOTH. The handle shows
// the position last chosen here, never the simulator's own state.
#include "gauge_frame.h"

namespace {

constexpr int32_t placard_bitmap = 0x100;
constexpr int32_t handle_bitmap = 0x1100;  // 0x1100 + position: the handle pointing at it

enum SelectorPosition : int32_t { position_off, position_front, position_both, position_rear };

// The simulator's fuel-selector commands, always sent with the value 0.
constexpr uint32_t select_off_event = 0x101A3;
constexpr uint32_t select_front_event = 0x101A5;
constexpr uint32_t select_both_event = 0x101A4;
constexpr uint32_t select_rear_event = 0x101A6;

}  // namespace

// Shared by every instance: OFF from load until the first draw selects BOTH.
int32_t selector_position = position_off;

namespace {

void select(uint32_t event, SelectorPosition position) {
  trigger_key_event(event, 0);
  selector_position = position;
}

void announce_both() {
  select(select_both_event, position_both);
}

}  // namespace

FLOAT64 GAUGE_CALL selector_value(ELEMENT_ICON*) {
  return selector_position;
}

// Clicks choose their sector again even when it is already selected.
int32_t GAUGE_CALL select_off(PIXPOINT*, uint32_t) {
  select(select_off_event, position_off);
  return 0;
}
int32_t GAUGE_CALL select_front(PIXPOINT*, uint32_t) {
  select(select_front_event, position_front);
  return 0;
}
int32_t GAUGE_CALL select_both(PIXPOINT*, uint32_t) {
  select(select_both_event, position_both);
  return 0;
}
int32_t GAUGE_CALL select_rear(PIXPOINT*, uint32_t) {
  select(select_rear_event, position_rear);
  return 0;
}

constinit ELEMENT_ICON handle = {
    .header = {.element_type = element_icon,
               .resource_id = handle_bitmap,
               .gauge_header = &gauge_header,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
    .switch_type = 3,
    .icon_count = 4,
    .callback = selector_value,
};
constinit ELEMENT_HEADER* placard_next[] = {&handle.header, nullptr};

constinit ELEMENT_STATIC_IMAGE placard = {
    .header = {.element_type = element_static_image,
               .resource_id = placard_bitmap,
               .gauge_header = &gauge_header,
               .next_element = placard_next,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
};
constinit ELEMENT_HEADER* root_element = &placard.header;

// One click area over each sector's lettering; the placard's centre and
// corners choose nothing.
constinit MOUSERECT mouse_rects[] = {
    mouse_parent(),
    mouse_tooltip("Fuel Selector"),
    mouse_click_area(113, 245, 122, 88, select_off),
    mouse_click_area(12, 111, 92, 121, select_front),
    mouse_click_area(118, 1, 114, 89, select_both),
    mouse_click_area(251, 112, 88, 118, select_rear),
    mouse_end_parent(),
    mouse_end_list(),
};

constinit GAUGEHDR gauge_header = make_gauge_header("Tarvik_FuelSelector", &root_element, mouse_rects);
constinit const FrameSettings frame_settings = frame_settings_without_tokens(announce_both);
