// Attitude indicator: two sprite layers over a dark disc. The bank ring turns
// with bank behind a fixed index and miniature aircraft drawn in its mask; the
// horizon card turns with bank and moves with pitch inside a round window. No
// power gate: every value passes through as the simulator gives it.
#include "gauge_frame.h"

namespace {

constexpr int32_t backdrop_bitmap = 0x100;
constexpr int32_t bank_ring_bitmap = 0x1400;     // seen through its mask 0x1401
constexpr int32_t horizon_card_bitmap = 0x1200;  // seen through its mask 0x1201
constexpr PIXPOINT texture_centre = {171, 168};  // both layers turn about it

constexpr FLOAT64 still = 0.0;
constexpr FLOAT64 turn_against_bank = -1.0;
constexpr FLOAT64 card_pixels_per_pitch_unit = 2.98333333333333;  // about 179 pixels for 60 units

}  // namespace

// Refresh list: bank, then pitch.
enum AttitudeToken { bank_token, pitch_token };
constinit MODULE_VAR refresh_list[] = {{.id = 0x50}, {.id = 0x4E}};

// The axes that stay still read their own element's source variable (token 0).
FLOAT64 GAUGE_CALL ring_x_value(ELEMENT_SPRITE* ring) {
  return ring->x.source_var.value;
}
FLOAT64 GAUGE_CALL ring_y_value(ELEMENT_SPRITE* ring) {
  return ring->y.source_var.value;
}
FLOAT64 GAUGE_CALL ring_bank_value(ELEMENT_SPRITE*) {
  return refresh_list[bank_token].value;
}
FLOAT64 GAUGE_CALL card_x_value(ELEMENT_SPRITE* card) {
  return card->x.source_var.value;
}
FLOAT64 GAUGE_CALL card_pitch_value(ELEMENT_SPRITE*) {
  return refresh_list[pitch_token].value;
}
FLOAT64 GAUGE_CALL card_bank_value(ELEMENT_SPRITE*) {
  return refresh_list[bank_token].value;
}

constinit ELEMENT_SPRITE horizon_card = {
    .header = {.element_type = element_sprite,
               .resource_id = horizon_card_bitmap,
               .offset = texture_centre,
               .gauge_header = &gauge_header,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
    .x = {.scale = still},
    .y = {.scale = card_pixels_per_pitch_unit},
    .rotation = {.scale = turn_against_bank},
    .texture_scale_x = 1.0f,
    .texture_scale_y = 1.0f,
    .callback_x = card_x_value,
    .callback_y = card_pitch_value,
    .callback_rotation = card_bank_value,
};
constinit ELEMENT_HEADER* bank_ring_next[] = {&horizon_card.header, nullptr};

constinit ELEMENT_SPRITE bank_ring = {
    .header = {.element_type = element_sprite,
               .resource_id = bank_ring_bitmap,
               .offset = texture_centre,
               .gauge_header = &gauge_header,
               .next_element = bank_ring_next,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
    .x = {.scale = still},
    .y = {.scale = still},
    .rotation = {.scale = turn_against_bank},
    .texture_scale_x = 1.0f,
    .texture_scale_y = 1.0f,
    .callback_x = ring_x_value,
    .callback_y = ring_y_value,
    .callback_rotation = ring_bank_value,
};
constinit ELEMENT_HEADER* backdrop_next[] = {&bank_ring.header, nullptr};

constinit ELEMENT_STATIC_IMAGE backdrop = {
    .header = {.element_type = element_static_image,
               .resource_id = backdrop_bitmap,
               .gauge_header = &gauge_header,
               .next_element = backdrop_next,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
};
constinit ELEMENT_HEADER* root_element = &backdrop.header;

constinit MOUSERECT mouse_rects[] = {mouse_parent(), mouse_tooltip("Attitude"), mouse_end_parent(), mouse_end_list()};

constinit GAUGEHDR gauge_header = make_gauge_header("Tarvik_Attitude", &root_element, mouse_rects);
constinit const FrameSettings frame_settings = make_frame_settings(refresh_list, nullptr);
