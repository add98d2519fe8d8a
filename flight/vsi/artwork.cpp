// Artwork of Tarvik_VSI: the vertical speed dial 0x1400 and the common needle.
#include "gauge/artwork.h"

#include <cmath>
#include <string>

#include "gauge/paint.h"

namespace gauge::vsi_artwork {
namespace {

namespace colours = paint::colours;
using paint::Point;

constexpr Point pivot = paint::pixel(176, 171);
constexpr double scale_edge = 141;  // outer ends of the marks
constexpr paint::Mark long_mark{.outer_radius = scale_edge, .length = 22, .width = 3.5};
constexpr paint::Mark short_mark{.outer_radius = scale_edge, .length = 13, .width = 2.5};
constexpr paint::Font numeral_font{.family = "DejaVu Sans Condensed", .bold = true, .size = 26};
constexpr paint::Font direction_font{.family = "DejaVu Sans", .bold = true, .size = 13};
constexpr paint::Font title_font{.family = "DejaVu Sans Condensed", .bold = true, .size = 12};
constexpr paint::Font units_font{.family = "DejaVu Sans Condensed", .bold = true, .size = 11};
constexpr paint::Colour descent_brown{160, 72, 44};

struct ScaleMark {
  double degrees;       // clockwise from straight up about the pivot
  const char* numeral;  // hundreds of feet per minute, on long marks only
};

// Climb runs clockwise from 0 at 9 o'clock, descent counter-clockwise.
constexpr ScaleMark long_marks[] = {
    {270, "0"}, {304.5, "5"}, {349, "10"}, {38, "15"},    {82.5, nullptr},  // climb 2000
    {236, "5"}, {191, "10"},  {141, "15"}, {97, nullptr},                   // descent 2000
};
constexpr double short_marks[] = {
    277,   284,   291, 298,   314,   322.5, 331,   340,  // climb 100 to 400, 600 to 900
    263.5, 256.5, 249, 242.5, 226.5, 217.5, 208.5, 200,  // descent
};
constexpr double twenty_degrees = 90;  // one 20 between the two 2000 marks

// A small wedge pointing along the scale, clockwise for UP, counter-clockwise for DN.
void wedge(cairo_t* cr, double degrees, double radius, double direction, paint::Colour colour) {
  const Point tip = paint::polar(pivot, degrees + direction * 7, radius);
  const Point upper = paint::polar(pivot, degrees, radius + 6);
  const Point lower = paint::polar(pivot, degrees, radius - 6);
  cairo_new_path(cr);
  cairo_move_to(cr, tip.x, tip.y);
  cairo_line_to(cr, upper.x, upper.y);
  cairo_line_to(cr, lower.x, lower.y);
  cairo_close_path(cr);
  paint::set_colour(cr, colour);
  cairo_fill(cr);
}

void paint_dial(cairo_t* cr) {
  paint::dial_case(cr, {.centre = pivot});
  for (const ScaleMark& mark : long_marks) {
    paint::mark(cr, pivot, mark.degrees, long_mark);
    if (mark.numeral != nullptr)
      paint::text_inside(cr, mark.numeral, pivot, mark.degrees, scale_edge - long_mark.length - 5, numeral_font,
                         colours::marking);
  }
  for (double degrees : short_marks) paint::mark(cr, pivot, degrees, short_mark);
  paint::text_inside(cr, "20", pivot, twenty_degrees, scale_edge - 8, numeral_font, colours::marking);

  // UP beside the climb 5, DN beside the descent 5, each with its wedge.
  paint::text(cr, "UP", paint::polar(pivot, 318, 72), direction_font, colours::marking);
  wedge(cr, 330, 72, 1, colours::marking);
  paint::text(cr, "DN", paint::polar(pivot, 222, 72), direction_font, colours::marking);
  wedge(cr, 210, 72, -1, descent_brown);

  paint::text(cr, "VERTICAL SPEED", {pivot.x + 52, pivot.y - 26}, title_font, colours::marking);
  paint::text(cr, "100 FEET PER MIN", {pivot.x + 52, pivot.y - 11}, units_font, colours::legend_blue);
  paint::fill_disc(cr, pivot, 4, colours::bezel);
}

const artwork::Registration registration{GAUGE_ARTWORK_DIRECTORY,
                                         {
                                             {.number = 0x1400,
                                              .what = "dial",
                                              .width = 342,
                                              .height = 338,
                                              .colours = 256,
                                              .paint = paint_dial,
                                              .exact_colours = {colours::face}},
                                             artwork::common_needle(0x1200),
                                         }};

}  // namespace
}  // namespace gauge::vsi_artwork
