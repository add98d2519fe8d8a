// Artwork of Tarvik_FuelSelector: the placard 0x100, a disc cut by a light
// grey X into the sectors BOTH (top), FRONT (left), REAR (right) and OFF
// (bottom), and the red handle 0x1100 to 0x1103 turned to each in that order
// of positions: OFF, FRONT, BOTH, REAR. Each handle picture covers the whole
// placard, transparent but for the handle.
#include "gauge/artwork.h"

#include <numbers>
#include <string>

#include "gauge/paint.h"

namespace {

namespace paint = gauge::paint;
using paint::Colour;
using paint::Point;

constexpr int width = 342;
constexpr int height = 338;
constexpr Point hub = paint::pixel(178, 170);

constexpr double rim_radius = 161;
constexpr double disc_radius = 152;
constexpr Colour light_grey{196, 198, 200};
constexpr Colour dark_grey{58, 60, 64};
constexpr Colour lettering{238, 238, 234};
constexpr Colour off_lettering{36, 36, 40};
constexpr paint::Font sector_font{.family = "DejaVu Sans", .bold = true, .size = 26};

double radians(double degrees) {
  return degrees * std::numbers::pi / 180;
}

// The sector between `from` and `to`, clockwise from straight up.
void fill_sector(cairo_t* cr, double from, double to, Colour colour) {
  cairo_new_path(cr);
  cairo_move_to(cr, hub.x, hub.y);
  cairo_arc(cr, hub.x, hub.y, disc_radius, radians(from - 90), radians(to - 90));
  cairo_close_path(cr);
  paint::fill_path(cr, colour);
}

// A word read top to bottom, one letter under the next, centred on `centre`.
void stacked_word(cairo_t* cr, std::string_view word, Point centre, double pitch) {
  const double top = centre.y - pitch * (word.size() - 1) / 2;
  for (size_t letter = 0; letter < word.size(); ++letter) {
    paint::text(cr, word.substr(letter, 1), {centre.x, top + pitch * letter}, sector_font, lettering);
  }
}

void paint_placard(cairo_t* cr) {
  paint::fill_disc(cr, hub, rim_radius, light_grey);
  fill_sector(cr, -45, 45, dark_grey);
  fill_sector(cr, 45, 135, dark_grey);
  fill_sector(cr, 135, 225, light_grey);
  fill_sector(cr, 225, 315, dark_grey);
  // The X between the sectors.
  cairo_set_line_width(cr, 7);
  paint::set_colour(cr, light_grey);
  for (const double degrees : {45.0, 135.0}) {
    const Point a = paint::polar(hub, degrees, disc_radius);
    const Point b = paint::polar(hub, degrees + 180, disc_radius);
    cairo_new_path(cr);
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    cairo_stroke(cr);
  }
  paint::text(cr, "BOTH", {hub.x, hub.y - 108}, sector_font, lettering);
  stacked_word(cr, "FRONT", {hub.x - 110, hub.y}, 27);
  stacked_word(cr, "REAR", {hub.x + 110, hub.y}, 27);
  paint::text(cr, "OFF", {hub.x, hub.y + 108}, sector_font, off_lettering);
}

constexpr Colour handle_red{204, 32, 28};
constexpr Colour handle_edge{110, 14, 12};
constexpr double hub_radius = 43;
constexpr double tail_length = 130;  // from the hub's centre to the blunt end
constexpr double tip_length = 129;   // to the point
constexpr double bar_half_width = 19;

// The handle pointing at `degrees` clockwise from straight up: a bar through
// the hub, blunt behind it and tapered to a point in front.
void paint_handle(cairo_t* cr, double degrees) {
  cairo_save(cr);
  cairo_translate(cr, hub.x, hub.y);
  cairo_rotate(cr, radians(degrees));  // from here on the handle points up (negative y)
  const double taper_start = -tip_length + 48;
  cairo_new_path(cr);
  cairo_move_to(cr, -bar_half_width, tail_length - 8);
  cairo_line_to(cr, -bar_half_width, taper_start);
  cairo_line_to(cr, -4, -tip_length + 2);
  cairo_line_to(cr, 4, -tip_length + 2);
  cairo_line_to(cr, bar_half_width, taper_start);
  cairo_line_to(cr, bar_half_width, tail_length - 8);
  cairo_arc(cr, bar_half_width - 8, tail_length - 8, 8, 0, std::numbers::pi / 2);
  cairo_arc(cr, -bar_half_width + 8, tail_length - 8, 8, std::numbers::pi / 2, std::numbers::pi);
  cairo_close_path(cr);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, hub_radius, 0, 2 * std::numbers::pi);
  paint::set_colour(cr, handle_red);
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 3);
  paint::set_colour(cr, handle_edge);
  cairo_stroke(cr);
  // The ridge along the bar and the hub's cap.
  cairo_new_path(cr);
  cairo_move_to(cr, 0, tail_length - 14);
  cairo_line_to(cr, 0, -tip_length + 24);
  cairo_set_line_width(cr, 4);
  paint::set_colour(cr, handle_edge);
  cairo_stroke(cr);
  cairo_restore(cr);
  // The hub's cap, lit from the upper left whichever way the handle points.
  paint::fill_disc(cr, hub, 14, handle_edge);
  paint::fill_disc(cr, {hub.x - 3, hub.y - 3}, 9, {232, 84, 76});
}

// Picture 0x1100 + position shows the handle pointing at that position's sector.
gauge::artwork::Bitmap handle(int position, const char* what, double degrees) {
  return {.number = 0x1100 + position,
          .what = what,
          .width = width,
          .height = height,
          .colours = 256,
          .paint = [degrees](cairo_t* cr) { paint_handle(cr, degrees); }};
}

const gauge::artwork::Registration registration{
    GAUGE_ARTWORK_DIRECTORY,
    {
        {.number = 0x100, .what = "placard", .width = width, .height = height, .colours = 256, .paint = paint_placard},
        handle(0, "handle_off", 180),
        handle(1, "handle_front", 270),
        handle(2, "handle_both", 0),
        handle(3, "handle_rear", 90),
    }};

}  // namespace
