// Compiled into the 32-bit build only: any change of the record layout the
// shipped modules present to the simulator fails the build here.
#include <cstddef>

#include "gauge_records.h"
#include "record_layout32.h"

#define CHECK_FIELD(record, field, layout) \
  static_assert(offsetof(record, field) == layout::field, #record "::" #field " moved")
#define CHECK_SIZE(record, layout) static_assert(sizeof(record) == layout::size, "size of " #record " changed")

CHECK_SIZE(MODULE_VAR, layout32::ModuleVar);
CHECK_FIELD(MODULE_VAR, id, layout32::ModuleVar);
CHECK_FIELD(MODULE_VAR, var_ptr, layout32::ModuleVar);
CHECK_FIELD(MODULE_VAR, var_type, layout32::ModuleVar);
CHECK_FIELD(MODULE_VAR, value, layout32::ModuleVar);
CHECK_FIELD(MODULE_VAR, prev_value, layout32::ModuleVar);

CHECK_SIZE(FAILURE_RECORD, layout32::FailureRecord);

CHECK_SIZE(ELEMENT_HEADER, layout32::ElementHeader);
CHECK_FIELD(ELEMENT_HEADER, element_type, layout32::ElementHeader);
CHECK_FIELD(ELEMENT_HEADER, resource_id, layout32::ElementHeader);
CHECK_FIELD(ELEMENT_HEADER, position, layout32::ElementHeader);
CHECK_FIELD(ELEMENT_HEADER, previous_position, layout32::ElementHeader);
CHECK_FIELD(ELEMENT_HEADER, offset, layout32::ElementHeader);
CHECK_FIELD(ELEMENT_HEADER, gauge_header, layout32::ElementHeader);
CHECK_FIELD(ELEMENT_HEADER, previous_element, layout32::ElementHeader);
CHECK_FIELD(ELEMENT_HEADER, next_element, layout32::ElementHeader);
CHECK_FIELD(ELEMENT_HEADER, failure_list, layout32::ElementHeader);
CHECK_FIELD(ELEMENT_HEADER, image_flags, layout32::ElementHeader);
CHECK_FIELD(ELEMENT_HEADER, flags, layout32::ElementHeader);
CHECK_FIELD(ELEMENT_HEADER, reserved, layout32::ElementHeader);

CHECK_SIZE(NONLINEARITY, layout32::Nonlinearity);
CHECK_FIELD(NONLINEARITY, point, layout32::Nonlinearity);
CHECK_FIELD(NONLINEARITY, value, layout32::Nonlinearity);
CHECK_FIELD(NONLINEARITY, degrees, layout32::Nonlinearity);

CHECK_SIZE(ELEMENT_NEEDLE, layout32::ElementNeedle);
CHECK_FIELD(ELEMENT_NEEDLE, source_var, layout32::ElementNeedle);
CHECK_FIELD(ELEMENT_NEEDLE, nonlinearity_table, layout32::ElementNeedle);
CHECK_FIELD(ELEMENT_NEEDLE, nonlinearity_count, layout32::ElementNeedle);
CHECK_FIELD(ELEMENT_NEEDLE, callback, layout32::ElementNeedle);

CHECK_SIZE(ELEMENT_STRING, layout32::ElementString);
CHECK_FIELD(ELEMENT_STRING, source_var, layout32::ElementString);
CHECK_FIELD(ELEMENT_STRING, string, layout32::ElementString);
CHECK_FIELD(ELEMENT_STRING, box_width, layout32::ElementString);
CHECK_FIELD(ELEMENT_STRING, box_height, layout32::ElementString);
CHECK_FIELD(ELEMENT_STRING, fore_color, layout32::ElementString);
CHECK_FIELD(ELEMENT_STRING, back_color, layout32::ElementString);
CHECK_FIELD(ELEMENT_STRING, highlight_color, layout32::ElementString);
CHECK_FIELD(ELEMENT_STRING, font_name, layout32::ElementString);
CHECK_FIELD(ELEMENT_STRING, font_weight, layout32::ElementString);
CHECK_FIELD(ELEMENT_STRING, char_set, layout32::ElementString);
CHECK_FIELD(ELEMENT_STRING, text_setting_1, layout32::ElementString);
CHECK_FIELD(ELEMENT_STRING, text_setting_2, layout32::ElementString);
CHECK_FIELD(ELEMENT_STRING, callback, layout32::ElementString);

CHECK_SIZE(ELEMENT_ICON, layout32::ElementIcon);
CHECK_FIELD(ELEMENT_ICON, source_var, layout32::ElementIcon);
CHECK_FIELD(ELEMENT_ICON, switch_type, layout32::ElementIcon);
CHECK_FIELD(ELEMENT_ICON, icon_count, layout32::ElementIcon);
CHECK_FIELD(ELEMENT_ICON, callback, layout32::ElementIcon);

CHECK_SIZE(ELEMENT_MOVING_IMAGE, layout32::ElementMovingImage);
CHECK_FIELD(ELEMENT_MOVING_IMAGE, source_var_x, layout32::ElementMovingImage);
CHECK_FIELD(ELEMENT_MOVING_IMAGE, source_var_y, layout32::ElementMovingImage);
CHECK_FIELD(ELEMENT_MOVING_IMAGE, min_x, layout32::ElementMovingImage);
CHECK_FIELD(ELEMENT_MOVING_IMAGE, max_x, layout32::ElementMovingImage);
CHECK_FIELD(ELEMENT_MOVING_IMAGE, min_y, layout32::ElementMovingImage);
CHECK_FIELD(ELEMENT_MOVING_IMAGE, max_y, layout32::ElementMovingImage);
CHECK_FIELD(ELEMENT_MOVING_IMAGE, callback_x, layout32::ElementMovingImage);
CHECK_FIELD(ELEMENT_MOVING_IMAGE, callback_y, layout32::ElementMovingImage);

CHECK_SIZE(SPRITE_AXIS, layout32::SpriteAxis);
CHECK_FIELD(SPRITE_AXIS, source_var, layout32::SpriteAxis);
CHECK_FIELD(SPRITE_AXIS, axis_word, layout32::SpriteAxis);
CHECK_FIELD(SPRITE_AXIS, scale, layout32::SpriteAxis);

CHECK_SIZE(ELEMENT_SPRITE, layout32::ElementSprite);
CHECK_FIELD(ELEMENT_SPRITE, x, layout32::ElementSprite);
CHECK_FIELD(ELEMENT_SPRITE, y, layout32::ElementSprite);
CHECK_FIELD(ELEMENT_SPRITE, rotation, layout32::ElementSprite);
CHECK_FIELD(ELEMENT_SPRITE, texture_scale_x, layout32::ElementSprite);
CHECK_FIELD(ELEMENT_SPRITE, texture_scale_y, layout32::ElementSprite);
CHECK_FIELD(ELEMENT_SPRITE, callback_x, layout32::ElementSprite);
CHECK_FIELD(ELEMENT_SPRITE, callback_y, layout32::ElementSprite);
CHECK_FIELD(ELEMENT_SPRITE, callback_rotation, layout32::ElementSprite);

CHECK_SIZE(MOUSERECT, layout32::MouseRect);
CHECK_FIELD(MOUSERECT, rect_type, layout32::MouseRect);
CHECK_FIELD(MOUSERECT, x, layout32::MouseRect);
CHECK_FIELD(MOUSERECT, y, layout32::MouseRect);
CHECK_FIELD(MOUSERECT, width, layout32::MouseRect);
CHECK_FIELD(MOUSERECT, height, layout32::MouseRect);
CHECK_FIELD(MOUSERECT, cursor, layout32::MouseRect);
CHECK_FIELD(MOUSERECT, help_id, layout32::MouseRect);
CHECK_FIELD(MOUSERECT, mouse_flags, layout32::MouseRect);
CHECK_FIELD(MOUSERECT, event_id, layout32::MouseRect);
CHECK_FIELD(MOUSERECT, function, layout32::MouseRect);
CHECK_FIELD(MOUSERECT, data, layout32::MouseRect);

CHECK_SIZE(GAUGEHDR, layout32::GaugeHeader);
CHECK_FIELD(GAUGEHDR, gauge_header_version, layout32::GaugeHeader);
CHECK_FIELD(GAUGEHDR, gauge_name, layout32::GaugeHeader);
CHECK_FIELD(GAUGEHDR, elements_list, layout32::GaugeHeader);
CHECK_FIELD(GAUGEHDR, size_value, layout32::GaugeHeader);
CHECK_FIELD(GAUGEHDR, mouse_rect, layout32::GaugeHeader);
CHECK_FIELD(GAUGEHDR, gauge_callback, layout32::GaugeHeader);

CHECK_SIZE(GAUGESLINKAGE, layout32::GaugesLinkage);
CHECK_FIELD(GAUGESLINKAGE, module_id, layout32::GaugesLinkage);
CHECK_FIELD(GAUGESLINKAGE, module_init, layout32::GaugesLinkage);
CHECK_FIELD(GAUGESLINKAGE, module_deinit, layout32::GaugesLinkage);
CHECK_FIELD(GAUGESLINKAGE, flags, layout32::GaugesLinkage);
CHECK_FIELD(GAUGESLINKAGE, module_priority, layout32::GaugesLinkage);
CHECK_FIELD(GAUGESLINKAGE, module_version, layout32::GaugesLinkage);
CHECK_FIELD(GAUGESLINKAGE, gauge_header_ptr, layout32::GaugesLinkage);

CHECK_SIZE(GAUGESIMPORT, layout32::GaugesImport);
static_assert(offsetof(GAUGESIMPORT, panels.funcptr) == layout32::GaugesImport::panels_funcptr);
static_assert(offsetof(GAUGESIMPORT, end.fnid) == layout32::GaugesImport::end_fnid);

static_assert(offsetof(PANELS, trigger_key_event) == layout32::Panels::trigger_key_event);
static_assert(offsetof(PANELS, lookup_var) == layout32::Panels::lookup_var);
static_assert(sizeof(void*) == layout32::Panels::slot_size);
