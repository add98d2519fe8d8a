// Artwork of Tarvik_Annunciator: the window 0x1500 (a grey bezel with rounded
// corners about a flat, nearly black face), the cover plate 0x1600 that blanks
// the lights in the face colour, and the empty picture 0x1601.
#include "gauge/artwork.h"

#include <numbers>

#include "gauge/paint.h"

namespace {

namespace paint = gauge::paint;
using paint::Colour;

constexpr int width = 323;
constexpr int height = 107;
constexpr Colour face{27, 26, 27};
// The bezel's greys, lit from the upper left.
constexpr Colour bezel_light{92, 92, 92};
constexpr Colour bezel_dark{33, 33, 33};
constexpr double corner_radius = 14;

struct Area {
  double left, top, right, bottom;  // whole pixels, right and bottom inclusive
};
constexpr Area face_area{12, 12, 310, 94};
constexpr Area cover_area{14, 15, 309, 91};

void rounded_rectangle(cairo_t* cr, double x, double y, double w, double h, double radius) {
  constexpr double quarter = std::numbers::pi / 2;
  cairo_new_path(cr);
  cairo_arc(cr, x + w - radius, y + radius, radius, -quarter, 0);
  cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, quarter);
  cairo_arc(cr, x + radius, y + h - radius, radius, quarter, 2 * quarter);
  cairo_arc(cr, x + radius, y + radius, radius, 2 * quarter, 3 * quarter);
  cairo_close_path(cr);
}

void set_linear(cairo_t* cr, double x0, double y0, double x1, double y1, Colour from, Colour to) {
  cairo_pattern_t* pattern = cairo_pattern_create_linear(x0, y0, x1, y1);
  cairo_pattern_add_color_stop_rgb(pattern, 0, from.red / 255.0, from.green / 255.0, from.blue / 255.0);
  cairo_pattern_add_color_stop_rgb(pattern, 1, to.red / 255.0, to.green / 255.0, to.blue / 255.0);
  cairo_set_source(cr, pattern);
  cairo_pattern_destroy(pattern);
}

void fill_area(cairo_t* cr, const Area& area, Colour colour) {
  paint::fill_rectangle(cr, area.left, area.top, area.right - area.left + 1, area.bottom - area.top + 1, colour);
}

void paint_window(cairo_t* cr) {
  // Hard edges: blended with the transparent black around them, the bezel's
  // rim would fall below its darkest grey.
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  // Outer bezel, light at the upper left and dark at the lower right.
  rounded_rectangle(cr, 0.5, 0.5, width - 1, height - 1, corner_radius);
  set_linear(cr, 0, 0, width * 0.3, height * 1.2, bezel_light, bezel_dark);
  cairo_fill(cr);
  // An inner step lit the other way, so the face sits below the bezel.
  rounded_rectangle(cr, face_area.left - 5, face_area.top - 5, face_area.right - face_area.left + 11,
                    face_area.bottom - face_area.top + 11, 6);
  set_linear(cr, 0, 0, width * 0.3, height * 1.2, bezel_dark, bezel_light);
  cairo_fill(cr);
  fill_area(cr, face_area, face);
}

void paint_cover(cairo_t* cr) {
  fill_area(cr, cover_area, face);
}

void paint_nothing(cairo_t*) {}

const gauge::artwork::Registration registration{
    GAUGE_ARTWORK_DIRECTORY,
    {
        {.number = 0x1500,
         .what = "window",
         .width = width,
         .height = height,
         .colours = 56,
         .paint = paint_window,
         .exact_colours = {face}},
        {.number = 0x1600,
         .what = "cover",
         .width = width,
         .height = height,
         .colours = 2,
         .paint = paint_cover,
         .exact_colours = {face}},
        {.number = 0x1601, .what = "nothing", .width = 4, .height = 3, .colours = 2, .paint = paint_nothing},
    }};

}  // namespace
