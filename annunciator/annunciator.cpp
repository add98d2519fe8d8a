// Annunciator panel: nine warning lights in a dark window, three rows of
// three. Each light is a text element that shows its label while its condition
// holds and hides itself otherwise; AMPS waits for 20 evaluations in a row
// before it lights. While the power is off a cover plate in the face colour
// lies over the lights, which go on being evaluated underneath.
#include "bounded_text.h"
#include "gauge_frame.h"
#include "unit_conversions.h"

namespace {

constexpr int32_t window_bitmap = 0x1500;
constexpr int32_t cover_bitmap = 0x1600;  // 0x1600 the plate, 0x1601 nothing

// Every text box runs from its light to x = 325, two pixels past the 323-pixel
// window, so each label starts at the left end of a box reaching the edge.
constexpr int32_t text_boxes_end = 325;
constexpr uint32_t text_box_height = 32;
constexpr uint32_t red = 0x0000FF;
constexpr uint32_t yellow = 0x00ECFF;
constexpr uint32_t fuel_low_yellow = 0x00EEFF;  // a shade apart from the other yellow lights

// The simulator's text buffer: the longest text, 120 characters, and its NUL.
constexpr uint32_t text_buffer_size = 121;

constexpr FLOAT64 brakes_limit = 10;
constexpr FLOAT64 oil_temperature_low = 20, oil_temperature_high = 110;  // degrees Celsius
constexpr FLOAT64 fuel_low_limit = 25;                                   // gallons, either tank
constexpr FLOAT64 voltage_low = 22;
constexpr FLOAT64 oil_pressure_low = 20, oil_pressure_high = 70;  // psi
constexpr FLOAT64 current_limit = -1;                             // amperes: below it the battery discharges
constexpr int32_t amps_evaluations_to_light = 20;

}  // namespace

// Refresh list: 39 tokens, refreshed in this order; twelve are read.
constinit MODULE_VAR refresh_list[] = {
    {.id = 0x301}, {.id = 0x377}, {.id = 0x378}, {.id = 0x142}, {.id = 0x234}, {.id = 0x23E}, {.id = 0x231},
    {.id = 0x23B}, {.id = 0},     {.id = 0x232}, {.id = 0x23C}, {.id = 0x240}, {.id = 0x236}, {.id = 0x272},
    {.id = 0x285}, {.id = 0x233}, {.id = 0x23D}, {.id = 0x281}, {.id = 0x294}, {.id = 0x43},  {.id = 0x44},
    {.id = 0x17E}, {.id = 0x2F0}, {.id = 0x2EF}, {.id = 0x338}, {.id = 0x17A}, {.id = 0x145}, {.id = 0x30C},
    {.id = 0x143}, {.id = 0x130}, {.id = 0x131}, {.id = 0x12F}, {.id = 0x364}, {.id = 0x387}, {.id = 0x2DE},
    {.id = 0x14C}, {.id = 0x388}, {.id = 0x389}, {.id = 0xD},
};

// Where the tokens that are read stand in the list.
enum AnnunciatorToken {
  power_token = 0,            // 0x301
  brakes_token = 3,           // 0x142
  oil_temperature_token = 6,  // 0x231, degrees Rankine
  oil_pressure_token = 9,     // 0x232, pounds per square foot
  stall_token = 19,           // 0x43
  overspeed_token = 20,       // 0x44
  volts_warning_token = 21,   // 0x17E
  voltage_token = 22,         // 0x2F0
  current_token = 23,         // 0x2EF, amperes
  vacuum_token = 25,          // 0x17A
  front_fuel_token = 29,      // 0x130, gallons
  rear_fuel_token = 31,       // 0x12F, gallons
};

// Consecutive AMPS evaluations with the current below the limit, held at 20
// while the light is lit. Shared by every instance; only the first draw resets it.
int32_t amps_debounce_count = 0;

namespace {

FLOAT64 token(AnnunciatorToken entry) {
  return refresh_list[entry].value;
}

// The text: the label, then enough spaces to push the number far past the end
// of the box, then the number. Cut short, never overrun, at the buffer's end.
void write_light_text(char* buffer, const char* label, uint32_t spaces, FLOAT64 number) {
  if (buffer == nullptr) return;
  uint32_t length = 0;
  for (; *label != '\0' && length < text_buffer_size - 1; ++label) buffer[length++] = *label;
  for (; spaces > 0 && length < text_buffer_size - 1; --spaces) buffer[length++] = ' ';
  write_whole_number(buffer + length, text_buffer_size - length, number);
}

// Shows or hides a light, always lit, and writes its text.
FLOAT64 show_light(ELEMENT_STRING* light, bool shown, const char* label, uint32_t spaces, FLOAT64 number) {
  if (shown) {
    light->header.image_flags &= ~image_hidden_bit;
  } else {
    light->header.image_flags |= image_hidden_bit;
  }
  light->header.image_flags |= image_lit_bit;
  write_light_text(light->string, label, spaces, number);
  return 0.0;
}

// The eight lights that follow their condition at once print their first
// source variable, narrowed to single precision first.
FLOAT64 show_warning(ELEMENT_STRING* light, bool shown, const char* label, uint32_t spaces) {
  const FLOAT64 number = static_cast<FLOAT32>(light->source_var[0].value);
  return show_light(light, shown, label, spaces, number);
}

}  // namespace

FLOAT64 GAUGE_CALL stall_light(ELEMENT_STRING* light) {
  return show_warning(light, token(stall_token) == 1, "STALL", 114);
}

FLOAT64 GAUGE_CALL overspd_light(ELEMENT_STRING* light) {
  return show_warning(light, token(overspeed_token) == 1, "OVERSPD", 70);
}

FLOAT64 GAUGE_CALL brakes_light(ELEMENT_STRING* light) {
  return show_warning(light, token(brakes_token) > brakes_limit, "BRAKES", 80);
}

FLOAT64 GAUGE_CALL oil_temp_light(ELEMENT_STRING* light) {
  const FLOAT64 celsius = rankine_to_celsius(token(oil_temperature_token));
  return show_warning(light, celsius < oil_temperature_low || celsius > oil_temperature_high, "OIL TEMP", 100);
}

FLOAT64 GAUGE_CALL fuel_low_light(ELEMENT_STRING* light) {
  const bool low = token(front_fuel_token) < fuel_low_limit || token(rear_fuel_token) < fuel_low_limit;
  return show_warning(light, low, "FUEL LOW", 45);
}

FLOAT64 GAUGE_CALL volts_light(ELEMENT_STRING* light) {
  return show_warning(light, token(volts_warning_token) == 1 || token(voltage_token) < voltage_low, "VOLTS", 107);
}

FLOAT64 GAUGE_CALL oil_prs_light(ELEMENT_STRING* light) {
  const FLOAT64 psi = psf_to_psi(token(oil_pressure_token));
  return show_warning(light, psi < oil_pressure_low || psi > oil_pressure_high, "OIL PRS", 94);
}

FLOAT64 GAUGE_CALL vacuum_light(ELEMENT_STRING* light) {
  return show_warning(light, token(vacuum_token) == 1, "VACUUM", 74);
}

// Lights at the 20th evaluation in a row with the current below the limit and
// goes off at the first above it; evaluations exactly at the limit change
// nothing. Prints its own state.
FLOAT64 GAUGE_CALL amps_light(ELEMENT_STRING* light) {
  const FLOAT64 current = token(current_token);
  if (current < current_limit) ++amps_debounce_count;
  if (current > current_limit) amps_debounce_count = 0;
  const bool lit = amps_debounce_count >= amps_evaluations_to_light;
  if (lit && current < current_limit) amps_debounce_count = amps_evaluations_to_light;
  return show_light(light, lit, "AMPS", 28, lit ? 1.0 : 0.0);
}

// Picture 0 is the cover plate, picture 1 shows nothing.
FLOAT64 GAUGE_CALL power_cover_value(ELEMENT_ICON*) {
  return power_on;
}

namespace {

constexpr ELEMENT_STRING light(PIXPOINT position, uint32_t fore_colour, STRING_CALLBACK callback,
                               ELEMENT_HEADER** next) {
  return ELEMENT_STRING{
      .header = {.element_type = element_string,
                 .resource_id = -1,
                 .position = position,
                 .gauge_header = &gauge_header,
                 .next_element = next,
                 .failure_list = no_failures,
                 .image_flags = image_flags_at_load},
      .box_width = static_cast<uint32_t>(text_boxes_end - position.x),
      .box_height = text_box_height,
      .fore_color = fore_colour,
      .back_color = 0x000000,
      .highlight_color = 0x000000,
      .font_name = "Glass Gauge",
      .font_weight = 400,
      .char_set = 1,
      .text_setting_1 = 0,
      .text_setting_2 = 0x4240,
      .callback = callback,
  };
}

}  // namespace

// The chain in drawing order: the window, the nine lights row by row, and the
// cover plate over them all.
extern ELEMENT_STRING stall, overspd, brakes, oil_temp, fuel_low, volts, oil_prs, vacuum, amps;
extern ELEMENT_ICON power_cover;

constinit ELEMENT_HEADER* window_next[] = {&stall.header, nullptr};
constinit ELEMENT_STATIC_IMAGE window = {
    .header = {.element_type = element_static_image,
               .resource_id = window_bitmap,
               .gauge_header = &gauge_header,
               .next_element = window_next,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
};

constinit ELEMENT_HEADER* stall_next[] = {&overspd.header, nullptr};
constinit ELEMENT_HEADER* overspd_next[] = {&brakes.header, nullptr};
constinit ELEMENT_HEADER* brakes_next[] = {&oil_temp.header, nullptr};
constinit ELEMENT_HEADER* oil_temp_next[] = {&fuel_low.header, nullptr};
constinit ELEMENT_HEADER* fuel_low_next[] = {&volts.header, nullptr};
constinit ELEMENT_HEADER* volts_next[] = {&oil_prs.header, nullptr};
constinit ELEMENT_HEADER* oil_prs_next[] = {&vacuum.header, nullptr};
constinit ELEMENT_HEADER* vacuum_next[] = {&amps.header, nullptr};
constinit ELEMENT_HEADER* amps_next[] = {&power_cover.header, nullptr};

constinit ELEMENT_STRING stall = light({38, 10}, red, stall_light, stall_next);
constinit ELEMENT_STRING overspd = light({128, 10}, red, overspd_light, overspd_next);
constinit ELEMENT_STRING brakes = light({228, 10}, yellow, brakes_light, brakes_next);
constinit ELEMENT_STRING oil_temp = light({25, 39}, red, oil_temp_light, oil_temp_next);
constinit ELEMENT_STRING fuel_low = light({125, 39}, fuel_low_yellow, fuel_low_light, fuel_low_next);
constinit ELEMENT_STRING volts = light({233, 39}, yellow, volts_light, volts_next);
constinit ELEMENT_STRING oil_prs = light({33, 66}, red, oil_prs_light, oil_prs_next);
constinit ELEMENT_STRING vacuum = light({130, 66}, yellow, vacuum_light, vacuum_next);
constinit ELEMENT_STRING amps = light({240, 66}, yellow, amps_light, amps_next);

constinit ELEMENT_ICON power_cover = {
    .header = {.element_type = element_icon,
               .resource_id = cover_bitmap,
               .gauge_header = &gauge_header,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
    .switch_type = 3,
    .icon_count = 2,
    .callback = power_cover_value,
};

constinit ELEMENT_HEADER* root_element = &window.header;

constinit MOUSERECT mouse_rects[] = {mouse_parent(), mouse_tooltip("Annunciator"), mouse_end_parent(),
                                     mouse_end_list()};

namespace {
void reset_amps_debounce() {
  amps_debounce_count = 0;
}
}  // namespace

constinit GAUGEHDR gauge_header = make_gauge_header("Tarvik_Annunciator", &root_element, mouse_rects);
constinit const FrameSettings frame_settings =
    make_frame_settings(refresh_list, &refresh_list[power_token], reset_amps_debounce);
