#include "string_painter.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <memory>
#include <string>

#include "latin1.h"

namespace bench {
namespace {

constexpr const char* substitute_face = "DejaVu Sans Condensed Bold";
constexpr double text_height_per_box_height = 0.5625;
// Far above any box a gauge gives; keeps pango's fixed-point sizes in range.
constexpr double largest_text_height = 512;

struct LayoutRelease {
  void operator()(PangoLayout* layout) const { g_object_unref(layout); }
};
struct FontRelease {
  void operator()(PangoFontDescription* font) const { pango_font_description_free(font); }
};

}  // namespace

void paint_string(cairo_t* context, const Element& element, std::string_view text) {
  const auto& record = element.string;
  const double box_height = record.box_height;
  cairo_save(context);
  cairo_rectangle(context, element.position.x, element.position.y, record.box_width, box_height);
  cairo_clip(context);

  std::unique_ptr<PangoLayout, LayoutRelease> layout(pango_cairo_create_layout(context));
  std::unique_ptr<PangoFontDescription, FontRelease> font(pango_font_description_from_string(substitute_face));
  const double text_height = std::min(box_height * text_height_per_box_height, largest_text_height);
  pango_font_description_set_absolute_size(font.get(), text_height * PANGO_SCALE);
  pango_layout_set_font_description(layout.get(), font.get());
  const std::string utf8 = latin1_to_utf8(text);
  pango_layout_set_text(layout.get(), utf8.data(), static_cast<int>(utf8.size()));

  int width = 0;
  int height = 0;
  pango_layout_get_pixel_size(layout.get(), &width, &height);
  const uint32_t colour = record.fore_color;  // 0x00BBGGRR
  cairo_set_source_rgb(context, (colour & 0xFF) / 255.0, (colour >> 8 & 0xFF) / 255.0, (colour >> 16 & 0xFF) / 255.0);
  cairo_move_to(context, element.position.x, element.position.y + (box_height - height) / 2.0);
  pango_cairo_show_layout(context, layout.get());
  cairo_restore(context);
}

}  // namespace bench
