// Byte offsets and sizes of the records in the shipped 32-bit modules.
// The win32 build checks its records against these numbers at compile time
// (layout_checks_win32.cpp); the bench reads the records of a shipped module
// from emulated memory with them.
#pragma once

#include <cstdint>

namespace layout32 {

struct ModuleVar {
  static constexpr uint32_t id = 0, var_ptr = 4, var_type = 8, value = 16, prev_value = 24, size = 32;
};

struct FailureRecord {
  static constexpr uint32_t size = 12;
};

struct ElementHeader {
  static constexpr uint32_t element_type = 0, resource_id = 4, position = 8, previous_position = 16, offset = 24,
                            gauge_header = 32, previous_element = 36, next_element = 40, failure_list = 44,
                            image_flags = 48, flags = 52, reserved = 56, size = 60;
};

struct Nonlinearity {
  static constexpr uint32_t point = 0, value = 8, degrees = 16, size = 24;
};

struct ElementNeedle {
  static constexpr uint32_t source_var = 64, nonlinearity_table = 96, nonlinearity_count = 100, callback = 104,
                            size = 112;
};

struct ElementString {
  static constexpr uint32_t source_var = 64, string = 160, box_width = 164, box_height = 168, fore_color = 172,
                            back_color = 176, highlight_color = 180, font_name = 184, font_name_size = 32,
                            font_weight = 216, char_set = 220, text_setting_1 = 224, text_setting_2 = 228,
                            callback = 232, size = 240;
};

struct ElementIcon {
  static constexpr uint32_t source_var = 64, switch_type = 96, icon_count = 100, callback = 104, size = 112;
};

struct ElementMovingImage {
  static constexpr uint32_t source_var_x = 64, source_var_y = 96, min_x = 128, max_x = 136, min_y = 144, max_y = 152,
                            callback_x = 160, callback_y = 164, size = 168;
};

struct SpriteAxis {
  static constexpr uint32_t source_var = 0, axis_word = 32, scale = 40, size = 48;
};

struct ElementSprite {
  static constexpr uint32_t x = 64, y = 112, rotation = 160, texture_scale_x = 208, texture_scale_y = 212,
                            callback_x = 216, callback_y = 220, callback_rotation = 224, size = 232;
};

struct MouseRect {
  static constexpr uint32_t rect_type = 0, x = 4, y = 8, width = 12, height = 16, cursor = 20, help_id = 24,
                            mouse_flags = 28, event_id = 32, function = 36, data = 40, size = 44;
};

struct GaugeHeader {
  static constexpr uint32_t gauge_header_version = 0, gauge_name = 4, elements_list = 8, size_value = 12,
                            mouse_rect = 16, gauge_callback = 20, size = 88;
};

struct GaugesLinkage {
  static constexpr uint32_t module_id = 0, module_init = 4, module_deinit = 8, flags = 12, module_priority = 16,
                            module_version = 20, gauge_header_ptr = 24, size = 32;
};

struct GaugesImport {
  static constexpr uint32_t panels_fnid = 0, panels_funcptr = 4, end_fnid = 8, end_funcptr = 12, size = 16;
};

struct Panels {
  static constexpr uint32_t slot_size = 4, trigger_key_event = 144, lookup_var = 160;
};

}  // namespace layout32
