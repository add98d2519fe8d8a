#include "gauge/paint.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>

namespace gauge::paint {
namespace {

double radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

// cairo measures angles clockwise from 3 o'clock; the gauges from 12 o'clock.
double cairo_angle(double degrees_from_up) {
  return radians(degrees_from_up - 90.0);
}

double channel(std::uint8_t value) {
  return value / 255.0;
}

Colour shade(Colour colour, double factor) {
  const auto scale = [factor](std::uint8_t value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value * factor), 0L, 255L));
  };
  return {scale(colour.red), scale(colour.green), scale(colour.blue)};
}

void add_colour_stop(cairo_pattern_t* pattern, double offset, Colour colour) {
  cairo_pattern_add_color_stop_rgb(pattern, offset, channel(colour.red), channel(colour.green), channel(colour.blue));
}

struct PatternDeleter {
  void operator()(cairo_pattern_t* pattern) const { cairo_pattern_destroy(pattern); }
};
using Pattern = std::unique_ptr<cairo_pattern_t, PatternDeleter>;

struct ObjectDeleter {
  void operator()(void* object) const { g_object_unref(object); }
};

struct FontDescriptionDeleter {
  void operator()(PangoFontDescription* description) const { pango_font_description_free(description); }
};

// Hinting would make the shapes of the glyphs depend on the machine's font
// settings; the artwork must come out the same everywhere.
std::unique_ptr<PangoLayout, ObjectDeleter> layout_for(cairo_t* cr, std::string_view text, const Font& font) {
  std::unique_ptr<PangoLayout, ObjectDeleter> layout{pango_cairo_create_layout(cr)};
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  pango_cairo_context_set_font_options(pango_layout_get_context(layout.get()), options);
  cairo_font_options_destroy(options);
  pango_layout_context_changed(layout.get());

  std::unique_ptr<PangoFontDescription, FontDescriptionDeleter> description{pango_font_description_new()};
  pango_font_description_set_family(description.get(), std::string(font.family).c_str());
  pango_font_description_set_weight(description.get(), font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_absolute_size(description.get(), font.size * PANGO_SCALE);
  pango_layout_set_font_description(layout.get(), description.get());
  pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
  return layout;
}

struct InkBox {
  double x, y, width, height;  // relative to the layout's origin, pixels
};

InkBox ink_box(PangoLayout* layout) {
  PangoRectangle ink;
  pango_layout_get_extents(layout, &ink, nullptr);
  return {static_cast<double>(ink.x) / PANGO_SCALE, static_cast<double>(ink.y) / PANGO_SCALE,
          static_cast<double>(ink.width) / PANGO_SCALE, static_cast<double>(ink.height) / PANGO_SCALE};
}

}  // namespace

Point polar(Point pivot, double degrees, double radius) {
  return {pivot.x + radius * std::sin(radians(degrees)), pivot.y - radius * std::cos(radians(degrees))};
}

void set_colour(cairo_t* cr, Colour colour) {
  cairo_set_source_rgb(cr, channel(colour.red), channel(colour.green), channel(colour.blue));
}

void fill_path(cairo_t* cr, Colour colour) {
  cairo_save(cr);
  set_colour(cr, colour);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_fill(cr);
  cairo_restore(cr);
}

void clear_path(cairo_t* cr) {
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_fill(cr);
  cairo_restore(cr);
}

void fill_disc(cairo_t* cr, Point centre, double radius, Colour colour) {
  cairo_new_path(cr);
  cairo_arc(cr, centre.x, centre.y, radius, 0, 2 * std::numbers::pi);
  set_colour(cr, colour);
  cairo_fill(cr);
}

void fill_rectangle(cairo_t* cr, double x, double y, double width, double height, Colour colour) {
  cairo_new_path(cr);
  cairo_rectangle(cr, x, y, width, height);
  set_colour(cr, colour);
  cairo_fill(cr);
}

void screw_head(cairo_t* cr, Point centre, double radius, double slot_degrees) {
  // A domed head lit from the upper left, in a dark rim, with a slot across it.
  fill_disc(cr, centre, radius, shade(colours::bezel, 0.45));
  const Pattern dome{cairo_pattern_create_radial(centre.x - radius * 0.35, centre.y - radius * 0.35, radius * 0.1,
                                                 centre.x, centre.y, radius * 0.92)};
  add_colour_stop(dome.get(), 0.0, shade(colours::bezel, 1.9));
  add_colour_stop(dome.get(), 0.7, shade(colours::bezel, 1.05));
  add_colour_stop(dome.get(), 1.0, shade(colours::bezel, 0.7));
  cairo_new_path(cr);
  cairo_arc(cr, centre.x, centre.y, radius * 0.86, 0, 2 * std::numbers::pi);
  cairo_set_source(cr, dome.get());
  cairo_fill(cr);

  const Point end = polar(centre, slot_degrees, radius * 0.8);
  const Point start = polar(centre, slot_degrees + 180, radius * 0.8);
  cairo_new_path(cr);
  cairo_move_to(cr, start.x, start.y);
  cairo_line_to(cr, end.x, end.y);
  cairo_set_line_width(cr, std::max(2.0, radius * 0.22));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  set_colour(cr, shade(colours::bezel, 0.3));
  cairo_stroke(cr);
}

void dial_case(cairo_t* cr, const DialCase& dial) {
  cairo_surface_t* target = cairo_get_target(cr);
  const double width = cairo_image_surface_get_width(target);
  const double height = cairo_image_surface_get_height(target);
  const double inset = dial.screw_inset;
  // Each screw's slot at its own angle, as a fitter leaves them.
  const struct {
    bool present;
    Point centre;
    double slot;
  } screws[] = {
      {dial.screws.top_left, {inset, inset}, 35},
      {dial.screws.top_right, {width - inset, inset}, 100},
      {dial.screws.bottom_left, {inset, height - inset}, 160},
      {dial.screws.bottom_right, {width - inset, height - inset}, 70},
  };
  for (const auto& screw : screws)
    if (screw.present) screw_head(cr, screw.centre, dial.screw_radius, screw.slot);

  const Point c = dial.centre;
  const double r = dial.bezel_radius;
  // Bezel: dark grey ring, lighter toward the upper left, with a dark outer edge.
  fill_disc(cr, c, r, shade(colours::bezel, 0.45));
  const Pattern light{cairo_pattern_create_linear(c.x - r, c.y - r, c.x + r, c.y + r)};
  add_colour_stop(light.get(), 0.0, shade(colours::bezel, 1.45));
  add_colour_stop(light.get(), 0.5, colours::bezel);
  add_colour_stop(light.get(), 1.0, shade(colours::bezel, 0.6));
  cairo_new_path(cr);
  cairo_arc(cr, c.x, c.y, r - 1.5, 0, 2 * std::numbers::pi);
  cairo_set_source(cr, light.get());
  cairo_fill(cr);
  // The inner lip, lit the other way, so the face looks set into the bezel.
  const double lip = std::min(5.0, (r - dial.face_radius) / 3);
  const Pattern shadow{cairo_pattern_create_linear(c.x - r, c.y - r, c.x + r, c.y + r)};
  add_colour_stop(shadow.get(), 0.0, shade(colours::bezel, 0.5));
  add_colour_stop(shadow.get(), 1.0, shade(colours::bezel, 1.3));
  cairo_new_path(cr);
  cairo_arc(cr, c.x, c.y, dial.face_radius + lip, 0, 2 * std::numbers::pi);
  cairo_set_source(cr, shadow.get());
  cairo_fill(cr);

  fill_disc(cr, c, dial.face_radius, dial.face);
}

void mark(cairo_t* cr, Point pivot, double degrees, const Mark& style) {
  const Point outer = polar(pivot, degrees, style.outer_radius);
  const Point inner = polar(pivot, degrees, style.outer_radius - style.length);
  cairo_new_path(cr);
  cairo_move_to(cr, inner.x, inner.y);
  cairo_line_to(cr, outer.x, outer.y);
  cairo_set_line_width(cr, style.width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  set_colour(cr, style.colour);
  cairo_stroke(cr);
}

void arc_band(cairo_t* cr, Point pivot, double from_degrees, double to_degrees, double outer_radius, double width,
              Colour colour) {
  cairo_new_path(cr);
  cairo_arc(cr, pivot.x, pivot.y, outer_radius, cairo_angle(from_degrees), cairo_angle(to_degrees));
  cairo_arc_negative(cr, pivot.x, pivot.y, outer_radius - width, cairo_angle(to_degrees), cairo_angle(from_degrees));
  cairo_close_path(cr);
  set_colour(cr, colour);
  cairo_fill(cr);
}

void text(cairo_t* cr, std::string_view text, Point centre, const Font& font, Colour colour, double rotation_degrees) {
  const auto layout = layout_for(cr, text, font);
  const InkBox ink = ink_box(layout.get());
  cairo_save(cr);
  cairo_translate(cr, centre.x, centre.y);
  cairo_rotate(cr, radians(rotation_degrees));
  cairo_move_to(cr, -(ink.x + ink.width / 2), -(ink.y + ink.height / 2));
  set_colour(cr, colour);
  pango_cairo_show_layout(cr, layout.get());
  cairo_restore(cr);
}

void text_inside(cairo_t* cr, std::string_view text, Point pivot, double degrees, double radius, const Font& font,
                 Colour colour) {
  const auto layout = layout_for(cr, text, font);
  const InkBox ink = ink_box(layout.get());
  // Half the extent of the ink box along the radius at this angle.
  const double half_depth =
      std::abs(std::sin(radians(degrees))) * ink.width / 2 + std::abs(std::cos(radians(degrees))) * ink.height / 2;
  paint::text(cr, text, polar(pivot, degrees, radius - half_depth), font, colour);
}

void common_needle(cairo_t* cr) {
  const Point pivot = common_needle_pivot;
  // Shaft: broad by the hub, then three pixels wide on the pivot's rows, then
  // a point on the right edge.
  const double base = 2.5, shaft = 1.5, taper_end = pivot.x + 40, tip_start = common_needle_width - 19.0;
  cairo_new_path(cr);
  cairo_move_to(cr, pivot.x, pivot.y - base);
  cairo_line_to(cr, taper_end, pivot.y - shaft);
  cairo_line_to(cr, tip_start, pivot.y - shaft);
  cairo_line_to(cr, common_needle_width, pivot.y);
  cairo_line_to(cr, tip_start, pivot.y + shaft);
  cairo_line_to(cr, taper_end, pivot.y + shaft);
  cairo_line_to(cr, pivot.x, pivot.y + base);
  cairo_close_path(cr);
  set_colour(cr, colours::marking);
  cairo_fill(cr);

  // Hub: a dark round boss, lit from the upper left, with a lighter centre pin.
  const double hub = 9.5;
  fill_disc(cr, pivot, hub, shade(colours::bezel, 0.4));
  const Pattern boss{cairo_pattern_create_radial(pivot.x - 3, pivot.y - 3, 1, pivot.x, pivot.y, hub)};
  add_colour_stop(boss.get(), 0.0, shade(colours::bezel, 1.1));
  add_colour_stop(boss.get(), 1.0, shade(colours::bezel, 0.5));
  cairo_new_path(cr);
  cairo_arc(cr, pivot.x, pivot.y, hub - 1.2, 0, 2 * std::numbers::pi);
  cairo_set_source(cr, boss.get());
  cairo_fill(cr);
  fill_disc(cr, pivot, 2.5, shade(colours::bezel, 1.5));
}

void release_fonts() {
  pango_cairo_font_map_set_default(nullptr);
  cairo_debug_reset_static_data();
  FcFini();
}

}  // namespace gauge::paint
