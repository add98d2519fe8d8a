// The bench's neutral description of a gauge, read from a module's records by
// any backend. The renderer, the command line and the tests work on this.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bench {

enum class ElementKind { static_image, needle, string, icon, moving_image, sprite };

std::string_view kind_name(ElementKind kind);  // "static", "needle", "string", "icon", "moving", "sprite"

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const Point&) const = default;
};

struct Box {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool contains(Point point) const {
    return point.x >= x && point.y >= y && point.x < x + width && point.y < y + height;
  }
  bool operator==(const Box&) const = default;
};

struct CalibrationPoint {
  Point point;
  double value = 0.0;
  double simulator_field = 0.0;
};

// A token variable as stored in a record (source variables and refresh entries).
struct TokenVariable {
  uint32_t token = 0;
  uint32_t type_word = 0;
  double value = 0.0;
};

struct NeedleRecord {
  TokenVariable source;
  std::vector<CalibrationPoint> calibration;
};

struct StringRecord {
  std::vector<TokenVariable> sources;  // three
  uint32_t box_width = 0;
  uint32_t box_height = 0;
  uint32_t fore_color = 0;  // 0x00BBGGRR
  uint32_t back_color = 0;
  uint32_t highlight_color = 0;
  std::string font_name;
  uint32_t font_weight = 0;
  uint32_t char_set = 0;
  uint32_t text_setting_1 = 0;
  uint32_t text_setting_2 = 0;
};

struct IconRecord {
  TokenVariable source;
  uint32_t switch_type = 0;
  uint32_t icon_count = 0;
};

struct MovingImageRecord {
  TokenVariable source_x;
  TokenVariable source_y;
  double min_x = 0, max_x = 0, min_y = 0, max_y = 0;
};

struct SpriteRecord {
  TokenVariable source_x, source_y, source_rotation;
  uint32_t axis_word_x = 0, axis_word_y = 0, axis_word_rotation = 0;
  double scale_x = 0, scale_y = 0, scale_rotation = 0;
  float texture_scale_x = 0, texture_scale_y = 0;
};

struct Element {
  ElementKind kind = ElementKind::static_image;
  int32_t resource = 0;
  Point position;
  Point offset;
  uint32_t image_flags = 0;  // as read when the module was described
  uint32_t flags = 0;
  uint32_t failure_entries = 0;   // entries before the list's end entry
  bool has_gauge_header = false;  // the header points back at the module's gauge header
  // Value callbacks present, in calling order (needle, string, icon: one;
  // moving image: x, y; sprite: x, y, rotation). A missing one is null.
  std::vector<bool> callbacks;
  NeedleRecord needle;
  StringRecord string;
  IconRecord icon;
  MovingImageRecord moving;
  SpriteRecord sprite;
};

enum class MouseRectType : uint32_t { end_list = 0, parent = 1, child = 2, end_parent = 3, tooltip = 4 };

struct MouseRect {
  MouseRectType type = MouseRectType::end_list;
  Box box;
  int32_t cursor = 0;
  uint32_t help_id = 0;
  uint32_t mouse_flags = 0;
  uint32_t event_id = 0;
  bool has_function = false;
  bool has_data = false;
  std::optional<std::string> tooltip_text;  // tooltip entries only
};

struct ClickArea {
  size_t rect_index = 0;  // its place in mouse_rects
  Box box;
  int32_t cursor = 0;
  uint32_t mouse_flags = 0;
};

struct LinkageRecord {
  uint32_t module_id = 0;
  bool has_module_init = false;
  bool has_module_deinit = false;
  uint32_t flags = 0;
  uint32_t priority = 0;
  uint32_t version = 0;
  uint32_t gauge_count = 0;  // headers before the null that ends the table
  uint32_t import_panels_id = 0;
  uint32_t import_end_id = 0;
};

struct GaugeDescription {
  std::string module_name;  // the file name without ".gau"
  std::string gauge_name;
  uint32_t header_version = 0;
  uint32_t size_value = 0;
  LinkageRecord linkage;
  std::vector<Element> elements;  // chain order, root first
  std::vector<MouseRect> mouse_rects;
  std::optional<std::string> tooltip;
  std::vector<ClickArea> click_areas;
};

}  // namespace bench
