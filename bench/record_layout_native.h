// Byte offsets of the records in the native modules, under the same names as
// the 32-bit layout, so that one record reader serves both builds.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gauge_records.h"

namespace layout_native {

#define FIELD(record, field) static constexpr uint32_t field = offsetof(record, field)

struct ModuleVar {
  FIELD(MODULE_VAR, id);
  FIELD(MODULE_VAR, var_type);
  FIELD(MODULE_VAR, value);
  static constexpr uint32_t size = sizeof(MODULE_VAR);
};
struct FailureRecord {
  static constexpr uint32_t size = sizeof(FAILURE_RECORD);
};
struct ElementHeader {
  FIELD(ELEMENT_HEADER, element_type);
  FIELD(ELEMENT_HEADER, resource_id);
  FIELD(ELEMENT_HEADER, position);
  FIELD(ELEMENT_HEADER, offset);
  FIELD(ELEMENT_HEADER, gauge_header);
  FIELD(ELEMENT_HEADER, next_element);
  FIELD(ELEMENT_HEADER, failure_list);
  FIELD(ELEMENT_HEADER, image_flags);
  FIELD(ELEMENT_HEADER, flags);
};
struct Nonlinearity {
  FIELD(NONLINEARITY, point);
  FIELD(NONLINEARITY, value);
  FIELD(NONLINEARITY, degrees);
  static constexpr uint32_t size = sizeof(NONLINEARITY);
};
struct ElementNeedle {
  FIELD(ELEMENT_NEEDLE, source_var);
  FIELD(ELEMENT_NEEDLE, nonlinearity_table);
  FIELD(ELEMENT_NEEDLE, nonlinearity_count);
  FIELD(ELEMENT_NEEDLE, callback);
};
struct ElementString {
  FIELD(ELEMENT_STRING, source_var);
  FIELD(ELEMENT_STRING, string);
  FIELD(ELEMENT_STRING, box_width);
  FIELD(ELEMENT_STRING, box_height);
  FIELD(ELEMENT_STRING, fore_color);
  FIELD(ELEMENT_STRING, back_color);
  FIELD(ELEMENT_STRING, highlight_color);
  FIELD(ELEMENT_STRING, font_name);
  static constexpr uint32_t font_name_size = sizeof(ELEMENT_STRING::font_name);
  FIELD(ELEMENT_STRING, font_weight);
  FIELD(ELEMENT_STRING, char_set);
  FIELD(ELEMENT_STRING, text_setting_1);
  FIELD(ELEMENT_STRING, text_setting_2);
  FIELD(ELEMENT_STRING, callback);
};
struct ElementIcon {
  FIELD(ELEMENT_ICON, source_var);
  FIELD(ELEMENT_ICON, switch_type);
  FIELD(ELEMENT_ICON, icon_count);
  FIELD(ELEMENT_ICON, callback);
};
struct ElementMovingImage {
  FIELD(ELEMENT_MOVING_IMAGE, source_var_x);
  FIELD(ELEMENT_MOVING_IMAGE, source_var_y);
  FIELD(ELEMENT_MOVING_IMAGE, min_x);
  FIELD(ELEMENT_MOVING_IMAGE, max_x);
  FIELD(ELEMENT_MOVING_IMAGE, min_y);
  FIELD(ELEMENT_MOVING_IMAGE, max_y);
  FIELD(ELEMENT_MOVING_IMAGE, callback_x);
  FIELD(ELEMENT_MOVING_IMAGE, callback_y);
};
struct SpriteAxis {
  FIELD(SPRITE_AXIS, source_var);
  FIELD(SPRITE_AXIS, axis_word);
  FIELD(SPRITE_AXIS, scale);
};
struct ElementSprite {
  FIELD(ELEMENT_SPRITE, x);
  FIELD(ELEMENT_SPRITE, y);
  FIELD(ELEMENT_SPRITE, rotation);
  FIELD(ELEMENT_SPRITE, texture_scale_x);
  FIELD(ELEMENT_SPRITE, texture_scale_y);
  FIELD(ELEMENT_SPRITE, callback_x);
  FIELD(ELEMENT_SPRITE, callback_y);
  FIELD(ELEMENT_SPRITE, callback_rotation);
};
struct MouseRect {
  FIELD(MOUSERECT, rect_type);
  FIELD(MOUSERECT, x);
  FIELD(MOUSERECT, cursor);
  FIELD(MOUSERECT, help_id);
  FIELD(MOUSERECT, mouse_flags);
  FIELD(MOUSERECT, event_id);
  FIELD(MOUSERECT, function);
  FIELD(MOUSERECT, data);
  static constexpr uint32_t size = sizeof(MOUSERECT);
};
struct GaugeHeader {
  FIELD(GAUGEHDR, gauge_header_version);
  FIELD(GAUGEHDR, gauge_name);
  FIELD(GAUGEHDR, elements_list);
  FIELD(GAUGEHDR, size_value);
  FIELD(GAUGEHDR, mouse_rect);
  FIELD(GAUGEHDR, gauge_callback);
};
struct GaugesLinkage {
  FIELD(GAUGESLINKAGE, module_id);
  FIELD(GAUGESLINKAGE, module_init);
  FIELD(GAUGESLINKAGE, module_deinit);
  FIELD(GAUGESLINKAGE, flags);
  FIELD(GAUGESLINKAGE, module_priority);
  FIELD(GAUGESLINKAGE, module_version);
  FIELD(GAUGESLINKAGE, gauge_header_ptr);
};
struct GaugesImport {
  static constexpr uint32_t panels_fnid = offsetof(GAUGESIMPORT, panels.fnid);
  static constexpr uint32_t panels_funcptr = offsetof(GAUGESIMPORT, panels.funcptr);
  static constexpr uint32_t end_fnid = offsetof(GAUGESIMPORT, end.fnid);
};

#undef FIELD

}  // namespace layout_native
