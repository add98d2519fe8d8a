// Artwork of Tarvik_TurnCoordinator: the 400-pixel-tall dial 0x1900 (the dial
// in its lower part, the rows above it transparent, so that the ball can hang
// from the top), the ball needle 0x1600, the glass tube 0x1700 with its empty
// second picture 0x1701, and the turn needle 0x1800.
#include "gauge/artwork.h"

#include <cairo.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "gauge/paint.h"

namespace gauge::turn_coordinator_artwork {
namespace {

namespace colours = paint::colours;
using paint::Point;

constexpr int dial_width = 342;
constexpr int dial_height = 400;
// The instrument, x 10 to 338 and y 65 to 393, is painted as a 342 x 338
// dial and set this far down.
constexpr int case_height = 338;
constexpr double case_drop = 56;
constexpr Point case_centre = {174, 173};  // in the case picture: (174, 229) on the dial

constexpr Point turn_pivot = paint::pixel(175, 240);
constexpr Point ball_pivot = paint::pixel(175, 1);

// The inclinometer: a band about the ball's pivot along which the ball swings,
// wide enough for the ball, with round ends past the ball's travel of ±15.2 degrees.
constexpr double tube_radius = 289;
constexpr double tube_width = 50;
constexpr double tube_half_sweep = 15.2;

void tube_path(cairo_t* cr, Point offset) {
  const Point centre = {ball_pivot.x + offset.x, ball_pivot.y + offset.y};
  // cairo's angles start at 3 o'clock; straight down is 90 degrees.
  const double degrees = std::numbers::pi / 180;
  cairo_new_path(cr);
  cairo_arc(cr, centre.x, centre.y, tube_radius, (90 - tube_half_sweep) * degrees, (90 + tube_half_sweep) * degrees);
}

void stroke_tube(cairo_t* cr, Point offset, double width, paint::Colour colour) {
  tube_path(cr, offset);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  paint::set_colour(cr, colour);
  cairo_stroke(cr);
}

constexpr paint::Font letter_font{.family = "DejaVu Sans", .bold = true, .size = 22};
constexpr paint::Font legend_font{.family = "DejaVu Sans", .bold = true, .size = 15};

struct SurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};

void paint_case(cairo_t* cr) {
  const std::unique_ptr<cairo_surface_t, SurfaceDeleter> picture{
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, dial_width, case_height)};
  {
    const std::unique_ptr<cairo_t, ContextDeleter> case_cr{cairo_create(picture.get())};
    paint::dial_case(case_cr.get(), {.centre = case_centre});
  }
  cairo_set_source_surface(cr, picture.get(), 0, case_drop);
  cairo_paint(cr);
}

void paint_dial(cairo_t* cr) {
  paint_case(cr);

  // The index at the top, pointing down at the needle's tip, and the
  // two-minute-turn marks either side of it.
  cairo_new_path(cr);
  cairo_move_to(cr, 167, 107);
  cairo_line_to(cr, 183, 107);
  cairo_line_to(cr, 175.5, 124);
  cairo_close_path(cr);
  paint::fill_path(cr, colours::marking);
  for (Point centre : {paint::pixel(139, 122), paint::pixel(208, 122)}) {
    const double dx = centre.x - turn_pivot.x, dy = centre.y - turn_pivot.y;
    const double radius = std::hypot(dx, dy);
    const double degrees = std::atan2(dx, -dy) * 180 / std::numbers::pi;
    paint::mark(cr, turn_pivot, degrees, {.outer_radius = radius + 8, .length = 16, .width = 5});
  }
  paint::text(cr, "L", paint::pixel(92, 168), letter_font, colours::marking);
  paint::text(cr, "R", paint::pixel(249, 166), letter_font, colours::marking);

  // The inclinometer window, in a thin grey rim.
  stroke_tube(cr, {0, 0}, tube_width + 4, colours::bezel);
  stroke_tube(cr, {0, 0}, tube_width, {4, 4, 5});

  paint::text(cr, "2 MIN TURN", {175.5, 334}, legend_font, colours::marking);
  paint::text(cr, "DC ELEC", {175.5, 354}, legend_font, colours::legend_blue);
}

// The ball needle, pointing right from its pivot (0, 20): only the ball at its
// far end, 46 by 36 pixels, off-white and lit from above.
constexpr int ball_width = 315;
constexpr int ball_height = 40;
constexpr Point ball_centre = {292, 20};  // the ball fills x 269 to 314, y 2 to 37

void paint_ball(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, ball_centre.x, ball_centre.y);
  cairo_scale(cr, 23, 18);
  cairo_new_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
  cairo_restore(cr);
  cairo_pattern_t* shine =
      cairo_pattern_create_radial(ball_centre.x - 7, ball_centre.y - 6, 2, ball_centre.x, ball_centre.y, 24);
  cairo_pattern_add_color_stop_rgb(shine, 0, 1, 1, 0.98);
  cairo_pattern_add_color_stop_rgb(shine, 1, 0.74, 0.73, 0.68);
  cairo_set_source(cr, shine);
  cairo_fill(cr);
  cairo_pattern_destroy(shine);
}

// The glass tube over the ball, placed at (67, 245) on the dial: the tube's
// outline, and two reference wires either side of the ball's resting place.
constexpr int tube_picture_width = 217;
constexpr int tube_picture_height = 83;
constexpr Point tube_picture_corner = {67, 245};
constexpr paint::Colour wire_colour{206, 206, 196};

void paint_glass_tube(cairo_t* cr) {
  const Point offset = {-tube_picture_corner.x, -tube_picture_corner.y};
  stroke_tube(cr, offset, tube_width + 4, {86, 86, 90});
  tube_path(cr, offset);  // clear the inside again: the ball shows through
  cairo_set_line_width(cr, tube_width - 2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_stroke(cr);
  cairo_restore(cr);
  paint::fill_rectangle(cr, 92, 28, 7, 38, wire_colour);
  paint::fill_rectangle(cr, 126, 28, 8, 38, wire_colour);
}

// The turn needle, pointing right: a dark grey ring hub about (15, 14), a dark
// grey shaft and a white tip bar.
constexpr int turn_needle_width = 130;
constexpr int turn_needle_height = 29;
constexpr Point turn_needle_pivot = paint::pixel(15, 14);
constexpr paint::Colour needle_grey{78, 78, 82};

void paint_turn_needle(cairo_t* cr) {
  paint::fill_rectangle(cr, 24, 11, 62, 7, needle_grey);
  paint::fill_rectangle(cr, 86, 9, 44, 10, colours::marking);
  paint::fill_disc(cr, turn_needle_pivot, 13.5, needle_grey);
  paint::fill_disc(cr, turn_needle_pivot, 8, {26, 26, 28});
  paint::fill_disc(cr, turn_needle_pivot, 4, needle_grey);
}

const artwork::Registration registration{
    GAUGE_ARTWORK_DIRECTORY,
    {
        {.number = 0x1900,
         .what = "dial",
         .width = dial_width,
         .height = dial_height,
         .colours = 256,
         .paint = paint_dial,
         .exact_colours = {colours::face}},
        {.number = 0x1600,
         .what = "ball",
         .width = ball_width,
         .height = ball_height,
         .colours = 256,
         .paint = paint_ball},
        {.number = 0x1700,
         .what = "glass_tube",
         .width = tube_picture_width,
         .height = tube_picture_height,
         .colours = 255,
         .paint = paint_glass_tube},
        {.number = 0x1701, .what = "glass_tube_off", .width = 3, .height = 3, .colours = 255, .paint = [](cairo_t*) {}},
        {.number = 0x1800,
         .what = "turn_needle",
         .width = turn_needle_width,
         .height = turn_needle_height,
         .colours = 229,
         .paint = paint_turn_needle},
    }};

}  // namespace
}  // namespace gauge::turn_coordinator_artwork
