#include "record_reader.h"

#include <fmt/format.h>

#include <cstring>
#include <set>

#include "gauge_backend.h"
#include "record_layout32.h"
#include "record_layout_native.h"

namespace bench {
namespace {

constexpr size_t max_chain_length = 256;
constexpr size_t max_mouse_rects = 256;
constexpr uint32_t max_calibration_entries = 64;
constexpr size_t max_failure_entries = 64;
constexpr size_t max_text = 4096;

struct Native {
  using L = void;
  static constexpr unsigned pointer_size = 8;
  using ModuleVar = layout_native::ModuleVar;
  using FailureRecord = layout_native::FailureRecord;
  using ElementHeader = layout_native::ElementHeader;
  using Nonlinearity = layout_native::Nonlinearity;
  using ElementNeedle = layout_native::ElementNeedle;
  using ElementString = layout_native::ElementString;
  using ElementIcon = layout_native::ElementIcon;
  using ElementMovingImage = layout_native::ElementMovingImage;
  using SpriteAxis = layout_native::SpriteAxis;
  using ElementSprite = layout_native::ElementSprite;
  using MouseRect = layout_native::MouseRect;
  using GaugeHeader = layout_native::GaugeHeader;
  using GaugesLinkage = layout_native::GaugesLinkage;
  using GaugesImport = layout_native::GaugesImport;
};

struct Win32 {
  static constexpr unsigned pointer_size = 4;
  using ModuleVar = layout32::ModuleVar;
  using FailureRecord = layout32::FailureRecord;
  using ElementHeader = layout32::ElementHeader;
  using Nonlinearity = layout32::Nonlinearity;
  using ElementNeedle = layout32::ElementNeedle;
  using ElementString = layout32::ElementString;
  using ElementIcon = layout32::ElementIcon;
  using ElementMovingImage = layout32::ElementMovingImage;
  using SpriteAxis = layout32::SpriteAxis;
  using ElementSprite = layout32::ElementSprite;
  using MouseRect = layout32::MouseRect;
  using GaugeHeader = layout32::GaugeHeader;
  using GaugesLinkage = layout32::GaugesLinkage;
  using GaugesImport = layout32::GaugesImport;
};

template <class L>
class Reader {
 public:
  Reader(const ModuleMemory& memory, const std::string& module_name) : memory_(memory), module_(module_name) {}

  ModuleRecords read(uint64_t linkage, uint64_t import_table) {
    records_.description.module_name = module_;
    read_linkage(linkage, import_table);
    read_header();
    read_chain();
    read_mouse_rects();
    return std::move(records_);
  }

 private:
  [[noreturn]] void fail(const std::string& what) const {
    throw ModuleError(fmt::format("module {}: {}", module_, what));
  }

  template <class T>
  T value_at(uint64_t address, std::string_view what) const {
    T value{};
    if (address == 0 || !memory_.read(address, &value, sizeof value)) {
      fail(fmt::format("{} at 0x{:x} lies outside the module", what, address));
    }
    return value;
  }
  uint32_t u32(uint64_t address, std::string_view what) const { return value_at<uint32_t>(address, what); }
  int32_t i32(uint64_t address, std::string_view what) const { return value_at<int32_t>(address, what); }
  double f64(uint64_t address, std::string_view what) const { return value_at<double>(address, what); }
  uint64_t pointer(uint64_t address, std::string_view what) const {
    if constexpr (L::pointer_size == 4) return value_at<uint32_t>(address, what);
    return value_at<uint64_t>(address, what);
  }
  Point point(uint64_t address, std::string_view what) const { return {i32(address, what), i32(address + 4, what)}; }
  std::string text(uint64_t address, std::string_view what) const {
    std::string result;
    for (;;) {
      char c = value_at<char>(address + result.size(), what);
      if (c == '\0') return result;
      if (result.size() == max_text) fail(fmt::format("{} at 0x{:x} has no end", what, address));
      result.push_back(c);
    }
  }
  // Reads a source variable of the element being read, and notes where its value lies.
  TokenVariable token_variable(uint64_t address, std::string_view what) {
    element_sources_.push_back(address + L::ModuleVar::value);
    return {u32(address + L::ModuleVar::id, what), u32(address + L::ModuleVar::var_type, what),
            f64(address + L::ModuleVar::value, what)};
  }

  void read_linkage(uint64_t linkage, uint64_t import_table) {
    using K = typename L::GaugesLinkage;
    auto& record = records_.description.linkage;
    record.module_id = u32(linkage + K::module_id, "Linkage");
    record.has_module_init = pointer(linkage + K::module_init, "Linkage") != 0;
    record.has_module_deinit = pointer(linkage + K::module_deinit, "Linkage") != 0;
    record.flags = u32(linkage + K::flags, "Linkage");
    record.priority = u32(linkage + K::module_priority, "Linkage");
    record.version = u32(linkage + K::module_version, "Linkage");
    records_.gauge_header = pointer(linkage + K::gauge_header_ptr, "Linkage's gauge table");
    if (records_.gauge_header == 0) fail("Linkage names no gauge header");
    record.gauge_count = 1;
    while (pointer(linkage + K::gauge_header_ptr + record.gauge_count * L::pointer_size, "Linkage's gauge table") !=
           0) {
      if (++record.gauge_count > 64) fail("Linkage's gauge table has no end");
    }

    using I = typename L::GaugesImport;
    record.import_panels_id = u32(import_table + I::panels_fnid, "ImportTable");
    record.import_end_id = u32(import_table + I::end_fnid, "ImportTable");
    records_.panels_pointer_field = import_table + I::panels_funcptr;
  }

  void read_header() {
    using H = typename L::GaugeHeader;
    const uint64_t header = records_.gauge_header;
    auto& gauge = records_.description;
    gauge.header_version = u32(header + H::gauge_header_version, "gauge header");
    uint64_t name = pointer(header + H::gauge_name, "gauge header");
    if (name == 0) fail("the gauge header has no gauge name");
    gauge.gauge_name = text(name, "gauge name");
    gauge.size_value = u32(header + H::size_value, "gauge header");
    records_.service_callback = pointer(header + H::gauge_callback, "gauge header");
    if (records_.service_callback == 0) fail("the gauge header has no service callback");
  }

  void read_chain() {
    using H = typename L::GaugeHeader;
    uint64_t list = pointer(records_.gauge_header + H::elements_list, "gauge header");
    if (list == 0) fail("the gauge header has no element list");
    uint64_t element = pointer(list, "element list");
    if (element == 0) fail("the element list holds no root element");
    std::set<uint64_t> seen;
    while (element != 0) {
      const size_t index = records_.element_addresses.size();
      if (!seen.insert(element).second) fail(fmt::format("the element chain loops back at element {}", index + 1));
      if (index == max_chain_length) fail("the element chain is longer than any gauge's");
      read_element(element, index + 1);
      element = next_in_chain(element, index + 1);
    }
    if (records_.description.elements.front().kind != ElementKind::static_image) {
      fail("the root element is not a static image");
    }
  }

  uint64_t next_in_chain(uint64_t element, size_t number) {
    uint64_t next_list = pointer(element + L::ElementHeader::next_element, "element header");
    if (next_list == 0) return 0;
    uint64_t next = pointer(next_list, "next list");
    if (next != 0 && pointer(next_list + L::pointer_size, "next list") != 0) {
      fail(fmt::format("element {}'s next list holds more than one element", number));
    }
    return next;
  }

  void read_element(uint64_t address, size_t number) {
    using E = typename L::ElementHeader;
    const std::string where = fmt::format("element {}", number);
    Element element;
    uint32_t kind = u32(address + E::element_type, where);
    element.resource = i32(address + E::resource_id, where);
    element.position = point(address + E::position, where);
    element.offset = point(address + E::offset, where);
    element.image_flags = u32(address + E::image_flags, where);
    element.flags = u32(address + E::flags, where);
    element.has_gauge_header = pointer(address + E::gauge_header, where) == records_.gauge_header;
    element.failure_entries = failure_entries(pointer(address + E::failure_list, where), where);

    std::vector<uint64_t> callbacks;
    uint64_t text_buffer_field = 0;
    switch (kind) {
      case 0:
        element.kind = ElementKind::static_image;
        break;
      case 1: {
        using N = typename L::ElementNeedle;
        element.kind = ElementKind::needle;
        element.needle.source = token_variable(address + N::source_var, where);
        uint64_t table = pointer(address + N::nonlinearity_table, where);
        uint32_t count = u32(address + N::nonlinearity_count, where);
        if (table == 0 || count < 2 || count > max_calibration_entries) {
          fail(fmt::format("{} (needle) has no usable calibration table ({} entries)", where, count));
        }
        for (uint32_t entry = 0; entry < count; ++entry) {
          uint64_t at = table + entry * L::Nonlinearity::size;
          element.needle.calibration.push_back({point(at + L::Nonlinearity::point, where + "'s calibration table"),
                                                f64(at + L::Nonlinearity::value, where + "'s calibration table"),
                                                f64(at + L::Nonlinearity::degrees, where + "'s calibration table")});
        }
        callbacks = {pointer(address + N::callback, where)};
        break;
      }
      case 2: {
        using S = typename L::ElementString;
        element.kind = ElementKind::string;
        auto& string = element.string;
        for (int source = 0; source < 3; ++source) {
          string.sources.push_back(token_variable(address + S::source_var + source * L::ModuleVar::size, where));
        }
        string.box_width = u32(address + S::box_width, where);
        string.box_height = u32(address + S::box_height, where);
        string.fore_color = u32(address + S::fore_color, where);
        string.back_color = u32(address + S::back_color, where);
        string.highlight_color = u32(address + S::highlight_color, where);
        char font[S::font_name_size + 1] = {};
        if (!memory_.read(address + S::font_name, font, S::font_name_size)) fail(where + "'s font name is unreadable");
        string.font_name = font;
        string.font_weight = u32(address + S::font_weight, where);
        string.char_set = u32(address + S::char_set, where);
        string.text_setting_1 = u32(address + S::text_setting_1, where);
        string.text_setting_2 = u32(address + S::text_setting_2, where);
        text_buffer_field = address + S::string;
        callbacks = {pointer(address + S::callback, where)};
        break;
      }
      case 4: {
        using I = typename L::ElementIcon;
        element.kind = ElementKind::icon;
        element.icon.source = token_variable(address + I::source_var, where);
        element.icon.switch_type = u32(address + I::switch_type, where);
        element.icon.icon_count = u32(address + I::icon_count, where);
        if (element.icon.icon_count == 0 || element.icon.icon_count > 256) {
          fail(fmt::format("{} (icon) has {} pictures", where, element.icon.icon_count));
        }
        callbacks = {pointer(address + I::callback, where)};
        break;
      }
      case 5: {
        using M = typename L::ElementMovingImage;
        element.kind = ElementKind::moving_image;
        auto& moving = element.moving;
        moving.source_x = token_variable(address + M::source_var_x, where);
        moving.source_y = token_variable(address + M::source_var_y, where);
        moving.min_x = f64(address + M::min_x, where);
        moving.max_x = f64(address + M::max_x, where);
        moving.min_y = f64(address + M::min_y, where);
        moving.max_y = f64(address + M::max_y, where);
        callbacks = {pointer(address + M::callback_x, where), pointer(address + M::callback_y, where)};
        break;
      }
      case 6: {
        using S = typename L::ElementSprite;
        using A = typename L::SpriteAxis;
        element.kind = ElementKind::sprite;
        auto& sprite = element.sprite;
        sprite.source_x = token_variable(address + S::x + A::source_var, where);
        sprite.source_y = token_variable(address + S::y + A::source_var, where);
        sprite.source_rotation = token_variable(address + S::rotation + A::source_var, where);
        sprite.axis_word_x = u32(address + S::x + A::axis_word, where);
        sprite.axis_word_y = u32(address + S::y + A::axis_word, where);
        sprite.axis_word_rotation = u32(address + S::rotation + A::axis_word, where);
        sprite.scale_x = f64(address + S::x + A::scale, where);
        sprite.scale_y = f64(address + S::y + A::scale, where);
        sprite.scale_rotation = f64(address + S::rotation + A::scale, where);
        sprite.texture_scale_x = value_at<float>(address + S::texture_scale_x, where);
        sprite.texture_scale_y = value_at<float>(address + S::texture_scale_y, where);
        callbacks = {pointer(address + S::callback_x, where), pointer(address + S::callback_y, where),
                     pointer(address + S::callback_rotation, where)};
        break;
      }
      default:
        fail(fmt::format("{} has the unknown kind {}", where, kind));
    }
    for (size_t axis = 0; axis < callbacks.size(); ++axis) {
      if (callbacks[axis] == 0) {
        fail(fmt::format("{} ({}) has no value callback {}", where, kind_name(element.kind), axis + 1));
      }
      element.callbacks.push_back(true);
    }
    records_.description.elements.push_back(std::move(element));
    records_.element_addresses.push_back(address);
    records_.value_callbacks.push_back(std::move(callbacks));
    records_.text_buffer_fields.push_back(text_buffer_field);
    records_.source_value_fields.push_back(std::move(element_sources_));
    element_sources_.clear();
  }

  uint32_t failure_entries(uint64_t list, const std::string& where) const {
    if (list == 0) fail(where + " has no failure list");
    for (uint32_t entry = 0; entry < max_failure_entries; ++entry) {
      uint64_t at = list + entry * L::FailureRecord::size;
      if (u32(at, where + "'s failure list") == 0 && u32(at + 4, where + "'s failure list") == 0) return entry;
    }
    fail(where + "'s failure list has no end entry");
  }

  void read_mouse_rects() {
    using H = typename L::GaugeHeader;
    using R = typename L::MouseRect;
    uint64_t list = pointer(records_.gauge_header + H::mouse_rect, "gauge header");
    if (list == 0) fail("the gauge header has no mouse rectangle list");
    auto& gauge = records_.description;
    for (size_t index = 0;; ++index) {
      if (index == max_mouse_rects) fail("the mouse rectangle list has no end entry");
      const uint64_t at = list + index * R::size;
      const std::string where = fmt::format("mouse rectangle {}", index + 1);
      MouseRect rect;
      uint32_t type = u32(at + R::rect_type, where);
      if (type > 4) fail(fmt::format("{} has the unknown type {}", where, type));
      rect.type = static_cast<MouseRectType>(type);
      rect.box = {i32(at + R::x, where), i32(at + R::x + 4, where), i32(at + R::x + 8, where),
                  i32(at + R::x + 12, where)};
      rect.cursor = i32(at + R::cursor, where);
      rect.help_id = u32(at + R::help_id, where);
      rect.mouse_flags = u32(at + R::mouse_flags, where);
      rect.event_id = u32(at + R::event_id, where);
      uint64_t function = pointer(at + R::function, where);
      rect.has_function = function != 0;
      rect.has_data = pointer(at + R::data, where) != 0;
      uint64_t callback = 0;
      if (rect.type == MouseRectType::tooltip && function != 0) {
        rect.tooltip_text = text(function, where + "'s tooltip text");
        if (!gauge.tooltip) gauge.tooltip = rect.tooltip_text;
      }
      if (rect.type == MouseRectType::child) {
        callback = function;
        gauge.click_areas.push_back({index, rect.box, rect.cursor, rect.mouse_flags});
      }
      gauge.mouse_rects.push_back(std::move(rect));
      records_.mouse_callbacks.push_back(callback);
      if (type == 0) break;
    }
  }

  const ModuleMemory& memory_;
  std::string module_;
  ModuleRecords records_;
  std::vector<uint64_t> element_sources_;
};

}  // namespace

ModuleRecords read_module_records(const ModuleMemory& memory, RecordLayout layout, uint64_t linkage,
                                  uint64_t import_table, const std::string& module_name) {
  if (layout == RecordLayout::win32) return Reader<Win32>(memory, module_name).read(linkage, import_table);
  return Reader<Native>(memory, module_name).read(linkage, import_table);
}

}  // namespace bench
