#include "panel_picture.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace bench {
namespace {

constexpr int columns = 5;
constexpr int margin = 24;
constexpr int label_height = 28;
constexpr int placeholder_width = 342;  // the size of most gauges
constexpr int placeholder_height = 338;
constexpr double panel_grey = 0.17;

struct Size {
  int width;
  int height;
};

Size size_of(const PanelGauge& gauge) {
  return gauge.picture ? Size{gauge.picture->width(), gauge.picture->height()}
                       : Size{placeholder_width, placeholder_height};
}

void paint_label(cairo_t* context, const std::string& text, double centre_x, double top, double size, double grey) {
  std::unique_ptr<PangoLayout, decltype(&g_object_unref)> layout(pango_cairo_create_layout(context), g_object_unref);
  std::unique_ptr<PangoFontDescription, decltype(&pango_font_description_free)> font(
      pango_font_description_from_string("DejaVu Sans"), pango_font_description_free);
  pango_font_description_set_absolute_size(font.get(), size * PANGO_SCALE);
  pango_layout_set_font_description(layout.get(), font.get());
  pango_layout_set_text(layout.get(), text.c_str(), -1);
  int width = 0;
  int height = 0;
  pango_layout_get_pixel_size(layout.get(), &width, &height);
  cairo_set_source_rgb(context, grey, grey, grey);
  cairo_move_to(context, centre_x - width / 2.0, top);
  pango_cairo_show_layout(context, layout.get());
}

// A crossed red frame where a gauge would stand.
void paint_placeholder(cairo_t* context, double x, double y) {
  cairo_save(context);
  cairo_set_source_rgb(context, 0.75, 0.15, 0.15);
  cairo_set_line_width(context, 3);
  cairo_rectangle(context, x + 1.5, y + 1.5, placeholder_width - 3, placeholder_height - 3);
  cairo_move_to(context, x, y);
  cairo_line_to(context, x + placeholder_width, y + placeholder_height);
  cairo_move_to(context, x + placeholder_width, y);
  cairo_line_to(context, x, y + placeholder_height);
  cairo_stroke(context);
  cairo_restore(context);
  paint_label(context, "not drawn", x + placeholder_width / 2.0, y + placeholder_height / 2.0 - 12, 20, 0.9);
}

}  // namespace

GaugeImage compose_panel(const std::vector<PanelGauge>& gauges) {
  const int column_count = std::clamp(static_cast<int>(gauges.size()), 1, columns);
  const int row_count = std::max(1, static_cast<int>((gauges.size() + column_count - 1) / column_count));
  std::vector<int> column_widths(column_count, 0);
  std::vector<int> row_heights(row_count, 0);
  for (size_t index = 0; index < gauges.size(); ++index) {
    const Size size = size_of(gauges[index]);
    int& width = column_widths[index % column_count];
    int& height = row_heights[index / column_count];
    width = std::max(width, size.width);
    height = std::max(height, size.height + label_height);
  }
  std::vector<int> column_left{margin};
  for (int width : column_widths) column_left.push_back(column_left.back() + width + margin);
  std::vector<int> row_top{margin};
  for (int height : row_heights) row_top.push_back(row_top.back() + height + margin);

  GaugeImage panel(column_left.back(), row_top.back());
  CairoContext context(cairo_create(panel.surface()));
  cairo_t* canvas = context.get();
  cairo_set_source_rgb(canvas, panel_grey, panel_grey, panel_grey);
  cairo_paint(canvas);
  for (size_t index = 0; index < gauges.size(); ++index) {
    const int column = static_cast<int>(index) % column_count;
    const int row = static_cast<int>(index) / column_count;
    const Size size = size_of(gauges[index]);
    const double centre_x = column_left[column] + column_widths[column] / 2.0;
    const double x = std::floor(centre_x - size.width / 2.0);
    const double y = row_top[row] + row_heights[row] - label_height - size.height;
    if (gauges[index].picture) {
      cairo_set_source_surface(canvas, gauges[index].picture->surface(), x, y);
      cairo_paint(canvas);
    } else {
      paint_placeholder(canvas, x, y);
    }
    paint_label(canvas, gauges[index].name, centre_x, y + size.height + 6, 15, 0.8);
  }
  return panel;
}

}  // namespace bench
