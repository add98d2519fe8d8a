// Artwork of Tarvik_Attitude: the backdrop disc 0x100, the bank ring 0x1400
// with the mask 0x1401 that holds the instrument's fixed face, and the horizon
// card 0x1200 with its window mask 0x1201. Both layers turn about the texture
// centre (171, 168).
#include "gauge/artwork.h"

#include <cairo.h>

#include <numbers>

#include "gauge/paint.h"

namespace gauge::attitude_artwork {
namespace {

namespace colours = paint::colours;
using paint::Colour;
using paint::Point;

constexpr int width = 342;
constexpr int height = 338;
constexpr Point texture_centre = paint::pixel(171, 168);

constexpr Colour sky{72, 142, 212};
constexpr Colour ground{128, 84, 46};
constexpr Colour ring_grey{52, 52, 56};
constexpr Colour pitch_dark{24, 34, 64};
constexpr Colour fixture_dark{38, 38, 42};

void ellipse_path(cairo_t* cr, Point centre, double radius_x, double radius_y) {
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_translate(cr, centre.x, centre.y);
  cairo_scale(cr, radius_x, radius_y);
  cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
  cairo_restore(cr);
}

// The backdrop: a flat near-black disc, x 19 to 327, y 14 to 321.
constexpr Colour backdrop_grey{5, 5, 5};

void paint_backdrop(cairo_t* cr) {
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  ellipse_path(cr, {173.5, 168}, 154.5, 154);
  paint::fill_path(cr, backdrop_grey);
}

// The bank ring: a disc, x 25 to 319 and y 25 to 319, with a dark annulus
// carrying the bank marks round a sky-and-ground face.
constexpr Point ring_disc_centre = {172.5, 172.5};
constexpr double ring_disc_radius = 147.5;
constexpr double annulus_inner_radius = 104;
constexpr double ring_horizon = 176;  // the face's sky ends with row 175, its ground starts on row 176

void paint_bank_ring(cairo_t* cr) {
  paint::fill_disc(cr, ring_disc_centre, ring_disc_radius, ring_grey);
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_arc(cr, texture_centre.x, texture_centre.y, annulus_inner_radius, 0, 2 * std::numbers::pi);
  cairo_clip(cr);
  paint::fill_rectangle(cr, 0, 0, width, ring_horizon, sky);
  paint::fill_rectangle(cr, 0, ring_horizon, width, height - ring_horizon, ground);
  cairo_restore(cr);

  // Bank marks on the upper half, about the turning point: short at 10 and
  // 20 degrees, long at 30 and 60, a bar at 90, a large triangle at the top.
  const double marks_inner = annulus_inner_radius + 3;
  const paint::Mark short_mark{.outer_radius = marks_inner + 14, .length = 14, .width = 3};
  const paint::Mark long_mark{.outer_radius = marks_inner + 26, .length = 26, .width = 3.5};
  const paint::Mark bar{.outer_radius = marks_inner + 30, .length = 30, .width = 5};
  for (double side : {-1.0, 1.0}) {
    for (double bank : {10.0, 20.0}) paint::mark(cr, texture_centre, side * bank, short_mark);
    for (double bank : {30.0, 60.0}) paint::mark(cr, texture_centre, side * bank, long_mark);
    paint::mark(cr, texture_centre, side * 90, bar);
  }
  const Point apex = paint::polar(texture_centre, 0, marks_inner);
  const Point left = paint::polar(texture_centre, -5, marks_inner + 28);
  const Point right = paint::polar(texture_centre, 5, marks_inner + 28);
  cairo_new_path(cr);
  cairo_move_to(cr, apex.x, apex.y);
  cairo_line_to(cr, left.x, left.y);
  cairo_line_to(cr, right.x, right.y);
  cairo_close_path(cr);
  paint::fill_path(cr, colours::marking);
}

// The fixed face, shared by the ring's mask (which paints it) and the card's
// mask (which cuts it out, so that the card never covers it).
constexpr double window_bottom = 254;  // the lower plate covers the dial from here down

void index_path(cairo_t* cr) {  // x 163 to 179, y 65 to 94
  cairo_new_path(cr);
  cairo_move_to(cr, 171.5, 65);
  cairo_line_to(cr, 180, 95);
  cairo_line_to(cr, 163, 95);
  cairo_close_path(cr);
}

void pedestal_path(cairo_t* cr) {
  cairo_new_path(cr);
  cairo_move_to(cr, 167.5, 180);
  cairo_line_to(cr, 175.5, 180);
  cairo_line_to(cr, 192, window_bottom + 1);
  cairo_line_to(cr, 151, window_bottom + 1);
  cairo_close_path(cr);
}

void wings_path(cairo_t* cr) {  // x 101 to 240, y 172 to 182
  cairo_new_path(cr);
  cairo_rectangle(cr, 101, 175, 50, 5);
  cairo_rectangle(cr, 191, 175, 50, 5);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 171.5, 177.5, 5.5, 0, 2 * std::numbers::pi);
}

void paint_bank_ring_mask(cairo_t* cr) {
  constexpr double window_radius = 141;
  paint::dial_case(cr, {.centre = texture_centre, .face_radius = window_radius, .face = colours::mask_window});

  // The lower plate with its adjusting knob, inside the bezel.
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_arc(cr, texture_centre.x, texture_centre.y, window_radius + 0.5, 0, 2 * std::numbers::pi);
  cairo_clip(cr);
  paint::fill_rectangle(cr, 0, window_bottom, width, height - window_bottom, fixture_dark);
  paint::fill_rectangle(cr, 0, window_bottom, width, 2, colours::bezel);
  cairo_restore(cr);
  const Point knob = {171.5, 289};
  paint::fill_disc(cr, knob, 15, {90, 90, 94});
  paint::fill_disc(cr, knob, 11, {60, 60, 64});
  paint::fill_rectangle(cr, knob.x - 1.5, knob.y - 9, 3, 18, {110, 110, 114});

  pedestal_path(cr);
  paint::fill_path(cr, fixture_dark);
  wings_path(cr);
  paint::fill_path(cr, colours::marking);
  index_path(cr);
  paint::fill_path(cr, colours::marking);
}

// The horizon card: an oval, x 61 to 282 and y 78 to 273, sky over ground,
// the horizon a white line on rows 174 to 176.
constexpr Point card_centre = {172, 176};
constexpr double card_radius_x = 111;
constexpr double card_radius_y = 98;
constexpr double card_horizon = 175.5;
constexpr double pitch_step = 12.5;  // pixels between pitch marks

void paint_horizon_card(cairo_t* cr) {
  // A hard edge: a soft one would darken into a rim round the card.
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  ellipse_path(cr, card_centre, card_radius_x, card_radius_y);
  cairo_clip(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
  paint::fill_rectangle(cr, 0, 0, width, card_horizon, sky);
  paint::fill_rectangle(cr, 0, card_horizon, width, height - card_horizon, ground);

  // Perspective lines on the ground, converging on the middle of the horizon.
  for (double spread : {-150.0, -80.0, -35.0, 0.0, 35.0, 80.0, 150.0}) {
    cairo_new_path(cr);
    cairo_move_to(cr, texture_centre.x, card_horizon);
    cairo_line_to(cr, texture_centre.x + spread, card_horizon + 100);
    cairo_set_line_width(cr, 1.5);
    paint::set_colour(cr, colours::marking);
    cairo_stroke(cr);
  }
  paint::fill_rectangle(cr, 0, card_horizon - 1.5, width, 3, colours::marking);

  // Four marks each side of the horizon: dark above (long first), white below (short first).
  for (int step = 1; step <= 4; ++step) {
    const bool long_above = step % 2 == 1;
    const double above_half = long_above ? 26 : 13;
    const double below_half = long_above ? 13 : 26;
    paint::fill_rectangle(cr, texture_centre.x - above_half, card_horizon - step * pitch_step - 1, 2 * above_half, 2,
                          pitch_dark);
    paint::fill_rectangle(cr, texture_centre.x - below_half, card_horizon + step * pitch_step - 1, 2 * below_half, 2,
                          colours::marking);
  }
}

// The card's window: the inner disc of the dial (x 63 to 280, top at y 65)
// down to the lower plate, less the index and the miniature aircraft.
void paint_horizon_card_mask(cairo_t* cr) {
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, width, window_bottom);
  cairo_clip(cr);
  paint::fill_disc(cr, {172, 174}, 109, colours::mask_window);
  cairo_restore(cr);
  cairo_set_line_width(cr, 2);  // the cut-outs a pixel larger than the fixtures
  for (void (*fixture)(cairo_t*) : {index_path, pedestal_path, wings_path}) {
    fixture(cr);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill_preserve(cr);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
}

const artwork::Registration registration{GAUGE_ARTWORK_DIRECTORY,
                                         {
                                             {.number = 0x100,
                                              .what = "backdrop",
                                              .width = width,
                                              .height = height,
                                              .colours = 2,
                                              .paint = paint_backdrop,
                                              .exact_colours = {backdrop_grey}},
                                             {.number = 0x1400,
                                              .what = "bank_ring",
                                              .width = width,
                                              .height = height,
                                              .colours = 256,
                                              .paint = paint_bank_ring,
                                              .exact_colours = {sky, ground}},
                                             {.number = 0x1401,
                                              .what = "bank_ring_mask",
                                              .width = width,
                                              .height = height,
                                              .colours = 256,
                                              .paint = paint_bank_ring_mask},
                                             {.number = 0x1200,
                                              .what = "horizon_card",
                                              .width = width,
                                              .height = height,
                                              .colours = 256,
                                              .paint = paint_horizon_card,
                                              .exact_colours = {sky, ground}},
                                             {.number = 0x1201,
                                              .what = "horizon_card_mask",
                                              .width = width,
                                              .height = height,
                                              .colours = 2,
                                              .paint = paint_horizon_card_mask},
                                         }};

}  // namespace
}  // namespace gauge::attitude_artwork
