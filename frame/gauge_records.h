// The records through which a gauge module and the simulator's panel system
// meet: module linkage, gauge header, elements, calibration tables, token
// variables and mouse rectangles. Field order is the interface's; the 32-bit
// layout is pinned by gauge_layout_checks.h.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define GAUGE_CALL __stdcall
#else
#define GAUGE_CALL
#endif

using FLOAT64 = double;
using FLOAT32 = float;

struct GAUGEHDR;
struct ELEMENT_HEADER;
struct ELEMENT_NEEDLE;
struct ELEMENT_STRING;
struct ELEMENT_ICON;
struct ELEMENT_MOVING_IMAGE;
struct ELEMENT_SPRITE;

struct PIXPOINT {
  int32_t x;
  int32_t y;
};

// A simulator token variable; `value` is current after lookup_var.
struct MODULE_VAR {
  uint32_t id;
  void* var_ptr;
  uint32_t var_type;
  FLOAT64 value;
  FLOAT64 prev_value;
};

struct FAILURE_RECORD {
  uint32_t failure_key;
  uint32_t failure_action;
  uint32_t reserved;
};

enum ElementKind : uint32_t {
  element_static_image = 0,
  element_needle = 1,
  element_string = 2,
  element_icon = 4,
  element_moving_image = 5,
  element_sprite = 6,
};

struct ELEMENT_HEADER {
  uint32_t element_type;
  int32_t resource_id;
  PIXPOINT position;
  PIXPOINT previous_position;
  PIXPOINT offset;
  GAUGEHDR* gauge_header;
  ELEMENT_HEADER* previous_element;
  ELEMENT_HEADER** next_element;
  FAILURE_RECORD* failure_list;
  uint32_t image_flags;
  uint32_t flags;
  uint32_t reserved;
};

using NEEDLE_CALLBACK = FLOAT64(GAUGE_CALL*)(ELEMENT_NEEDLE*);
using STRING_CALLBACK = FLOAT64(GAUGE_CALL*)(ELEMENT_STRING*);
using ICON_CALLBACK = FLOAT64(GAUGE_CALL*)(ELEMENT_ICON*);
using MOVING_IMAGE_CALLBACK = FLOAT64(GAUGE_CALL*)(ELEMENT_MOVING_IMAGE*);
using SPRITE_CALLBACK = FLOAT64(GAUGE_CALL*)(ELEMENT_SPRITE*);
using MOUSE_CALLBACK = int32_t(GAUGE_CALL*)(PIXPOINT* point, uint32_t mouse_flags);
using SERVICE_CALLBACK = void(GAUGE_CALL*)(GAUGEHDR* gauge, uint32_t service, uint32_t extra);
using MODULE_ENTRY = void(GAUGE_CALL*)();

struct ELEMENT_STATIC_IMAGE {
  ELEMENT_HEADER header;
};

// One point of a needle's calibration table.
struct NONLINEARITY {
  PIXPOINT point;
  FLOAT64 value;
  FLOAT64 degrees;
};

struct ELEMENT_NEEDLE {
  ELEMENT_HEADER header;
  MODULE_VAR source_var;
  NONLINEARITY* nonlinearity_table;
  uint32_t nonlinearity_count;
  NEEDLE_CALLBACK callback;
};

struct ELEMENT_STRING {
  ELEMENT_HEADER header;
  MODULE_VAR source_var[3];
  char* string;
  uint32_t box_width;
  uint32_t box_height;
  uint32_t fore_color;
  uint32_t back_color;
  uint32_t highlight_color;
  char font_name[32];
  uint32_t font_weight;
  uint32_t char_set;
  uint32_t text_setting_1;
  uint32_t text_setting_2;
  STRING_CALLBACK callback;
};

struct ELEMENT_ICON {
  ELEMENT_HEADER header;
  MODULE_VAR source_var;
  uint32_t switch_type;
  uint32_t icon_count;
  ICON_CALLBACK callback;
};

struct ELEMENT_MOVING_IMAGE {
  ELEMENT_HEADER header;
  MODULE_VAR source_var_x;
  MODULE_VAR source_var_y;
  FLOAT64 min_x;
  FLOAT64 max_x;
  FLOAT64 min_y;
  FLOAT64 max_y;
  MOVING_IMAGE_CALLBACK callback_x;
  MOVING_IMAGE_CALLBACK callback_y;
};

struct SPRITE_AXIS {
  MODULE_VAR source_var;
  uint32_t axis_word;
  FLOAT64 scale;
};

struct ELEMENT_SPRITE {
  ELEMENT_HEADER header;
  SPRITE_AXIS x;
  SPRITE_AXIS y;
  SPRITE_AXIS rotation;
  FLOAT32 texture_scale_x;
  FLOAT32 texture_scale_y;
  SPRITE_CALLBACK callback_x;
  SPRITE_CALLBACK callback_y;
  SPRITE_CALLBACK callback_rotation;
};

enum MouseRectType : uint32_t {
  mouse_rect_end_list = 0,
  mouse_rect_parent = 1,
  mouse_rect_child = 2,
  mouse_rect_end_parent = 3,
  mouse_rect_tooltip = 4,
};

struct MOUSERECT {
  uint32_t rect_type;
  int32_t x;
  int32_t y;
  int32_t width;
  int32_t height;
  int32_t cursor;
  uint32_t help_id;
  uint32_t mouse_flags;
  uint32_t event_id;
  union {
    const char* tooltip_text;
    MOUSE_CALLBACK callback;
  } function;
  const void* data;
};

// The gauge header. The gauge sets the named fields; the simulator owns the
// rest and fills them at run time.
struct GAUGEHDR {
  uint32_t gauge_header_version;
  const char* gauge_name;
  ELEMENT_HEADER** elements_list;
  uint32_t size_value;
  MOUSERECT* mouse_rect;
  SERVICE_CALLBACK gauge_callback;
  uint32_t simulator_fields[16];
};

struct GAUGESLINKAGE {
  uint32_t module_id;
  MODULE_ENTRY module_init;
  MODULE_ENTRY module_deinit;
  uint32_t flags;
  uint32_t module_priority;
  uint32_t module_version;
  GAUGEHDR* gauge_header_ptr[2];
};

using TRIGGER_KEY_EVENT = int32_t(GAUGE_CALL*)(uint32_t event, uint32_t value);
using LOOKUP_VAR = void(GAUGE_CALL*)(MODULE_VAR* variable);
using PANEL_SLOT = void(GAUGE_CALL*)();

// The simulator's function table; the gauges use two of its slots.
inline constexpr int trigger_key_event_slot = 36;
inline constexpr int lookup_var_slot = 40;

struct PANELS {
  PANEL_SLOT unused_slots_0_35[trigger_key_event_slot];
  TRIGGER_KEY_EVENT trigger_key_event;
  PANEL_SLOT unused_slots_37_39[lookup_var_slot - trigger_key_event_slot - 1];
  LOOKUP_VAR lookup_var;
};

struct GAUGESIMPORT {
  struct {
    uint32_t fnid;
    PANELS* funcptr;
  } panels;
  struct {
    uint32_t fnid;
    void* funcptr;
  } end;
};
