// Artwork of Tarvik_Altimeter: the dial 0x1500 with its drum window and BARO
// knob, the pressure drum 0x1900 and its window mask 0x1901, the short needle
// 0x1400 and the common needle as the long one.
#include "gauge/artwork.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "gauge/paint.h"

namespace gauge::altimeter_artwork {
namespace {

namespace colours = paint::colours;
using paint::Point;

constexpr Point pivot = paint::pixel(176, 166);
constexpr double scale_edge = 141;
constexpr paint::Mark long_mark{.outer_radius = scale_edge, .length = 20, .width = 3.5};
constexpr paint::Mark short_mark{.outer_radius = scale_edge, .length = 11, .width = 2.5};
constexpr paint::Font numeral_font{.family = "DejaVu Sans Condensed", .bold = true, .size = 30};
constexpr int marks_per_turn = 50;

// The drum's window, on the dial at (258, 144), and in its 42 x 42 mask: the
// strip shows through rows 2 to 38; the left corners are cut on a slant.
constexpr Point drum_window = {258, 144};
constexpr int mask_size = 42;
constexpr double window_left = 0, window_right = 41, window_top = 2, window_bottom = 39, window_slant = 7;

void window_path(cairo_t* cr, Point origin, double grow) {
  const double left = origin.x + window_left - grow, right = origin.x + window_right + grow;
  const double top = origin.y + window_top - grow, bottom = origin.y + window_bottom + grow;
  cairo_new_path(cr);
  cairo_move_to(cr, left + window_slant, top);
  cairo_line_to(cr, right, top);
  cairo_line_to(cr, right, bottom);
  cairo_line_to(cr, left + window_slant, bottom);
  cairo_line_to(cr, left, bottom - window_slant);
  cairo_line_to(cr, left, top + window_slant);
  cairo_close_path(cr);
}

// The three index marks on the window's right edge; the middle one is level
// with the needles' centre.
constexpr double index_rows[] = {158, 166, 174};

constexpr Point baro_knob = {56, 300};  // roughly x 30 to 82, y 274 to 326
constexpr double baro_knob_radius = 26;
constexpr paint::Font baro_font{.family = "DejaVu Sans Condensed", .bold = true, .size = 12};

void paint_baro_knob(cairo_t* cr) {
  // A knurled rim: a ring of small teeth round a darker cap.
  constexpr int teeth = 36;
  cairo_new_path(cr);
  for (int tooth = 0; tooth < 2 * teeth; ++tooth) {
    const Point p = paint::polar(baro_knob, 360.0 * tooth / (2 * teeth),
                                 tooth % 2 == 0 ? baro_knob_radius : baro_knob_radius - 2.5);
    tooth == 0 ? cairo_move_to(cr, p.x, p.y) : cairo_line_to(cr, p.x, p.y);
  }
  cairo_close_path(cr);
  paint::set_colour(cr, {92, 92, 96});
  cairo_fill(cr);
  paint::fill_disc(cr, baro_knob, baro_knob_radius - 5, {46, 46, 50});
  paint::text(cr, "BARO", baro_knob, baro_font, colours::marking);
}

void paint_dial(cairo_t* cr) {
  paint::dial_case(cr, {.centre = pivot, .screws = {.bottom_left = false}});
  for (int step = 0; step < marks_per_turn; ++step) {
    const double degrees = 360.0 * step / marks_per_turn;
    const bool at_numeral = step % 5 == 0;
    paint::mark(cr, pivot, degrees, at_numeral ? long_mark : short_mark);
    if (at_numeral)
      paint::text_inside(cr, std::to_string(step / 5), pivot, degrees, scale_edge - long_mark.length - 5, numeral_font,
                         colours::marking);
  }

  // The drum window: a black opening with a thin grey rim.
  window_path(cr, drum_window, 1.5);
  paint::fill_path(cr, colours::bezel);
  window_path(cr, drum_window, 0);
  paint::fill_path(cr, colours::face);
  for (double row : index_rows)
    paint::fill_rectangle(cr, drum_window.x + window_right + 1, row - 0.5, 7, 2, colours::marking);

  paint_baro_knob(cr);
}

// The drum strip: 35 labels from 28.1 to 31.5, the label of value v centred on
// row 240 * (v - 28.0) - 1, so that 28.0 to 31.6 spans the strip's 862 rows.
constexpr int drum_width = 42;
constexpr int drum_height = 862;
constexpr double rows_per_inch = 240;
constexpr int labels = 35;
constexpr paint::Colour drum_grey{44, 44, 48};
constexpr paint::Font drum_font{.family = "DejaVu Sans Condensed", .size = 16.5};

double label_row(double setting) {
  return rows_per_inch * (setting - 28.0) - 1;
}

void paint_drum(cairo_t* cr) {
  paint::fill_rectangle(cr, 0, 0, drum_width, drum_height, drum_grey);
  for (int label = 0; label < labels; ++label) {
    char text[8];
    std::snprintf(text, sizeof text, "%.1f", 28.1 + 0.1 * label);
    // Centre of the label's ink on the middle of its row.
    paint::text(cr, text, {24.5, label_row(28.1 + 0.1 * label) + 0.5}, drum_font, colours::marking);
  }
  // A long mark above each label and below the last (two rows: 10 + 24k and
  // 11 + 24k), two short marks between each pair.
  for (int k = 0; k <= labels; ++k) {
    const double row = 10 + 24 * k;
    paint::fill_rectangle(cr, 0, row, 9, 2, colours::marking);
    if (k < labels)
      for (double third : {8, 16}) paint::fill_rectangle(cr, 0, row + third, 3.5, 2, colours::marking);
  }
}

void paint_drum_mask(cairo_t* cr) {
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  window_path(cr, {0, 0}, 0);
  paint::fill_path(cr, colours::mask_window);
}

// The short needle: a dark hub about (10, 10), a white forked shaft and a broad
// arrow-shaped tip reaching the right edge.
constexpr Point short_pivot = paint::pixel(10, 10);
constexpr int short_width = 118;
constexpr int short_height = 22;

void paint_short_needle(cairo_t* cr) {
  const double y = short_pivot.y;
  cairo_new_path(cr);  // the fork: two prongs joined at the arrow's base
  cairo_move_to(cr, 14, y - 4.5);
  cairo_line_to(cr, 78, y - 1.5);
  cairo_line_to(cr, 78, y + 1.5);
  cairo_line_to(cr, 14, y + 4.5);
  cairo_line_to(cr, 14, y + 2);
  cairo_line_to(cr, 62, y);
  cairo_line_to(cr, 14, y - 2);
  cairo_close_path(cr);
  paint::fill_path(cr, colours::marking);
  cairo_new_path(cr);  // the arrow
  cairo_move_to(cr, 74, y - 8.5);
  cairo_line_to(cr, short_width, y);
  cairo_line_to(cr, 74, y + 8.5);
  cairo_line_to(cr, 82, y);
  cairo_close_path(cr);
  paint::fill_path(cr, colours::marking);
  paint::fill_disc(cr, short_pivot, 9, {40, 40, 44});
  paint::fill_disc(cr, short_pivot, 6, colours::bezel);
  paint::fill_disc(cr, short_pivot, 2.5, {30, 30, 32});
}

const artwork::Registration registration{GAUGE_ARTWORK_DIRECTORY,
                                         {
                                             {.number = 0x1500,
                                              .what = "dial",
                                              .width = 342,
                                              .height = 338,
                                              .colours = 256,
                                              .paint = paint_dial,
                                              .exact_colours = {colours::face}},
                                             {.number = 0x1900,
                                              .what = "drum",
                                              .width = drum_width,
                                              .height = drum_height,
                                              .colours = 256,
                                              .paint = paint_drum,
                                              .exact_colours = {drum_grey}},
                                             {.number = 0x1901,
                                              .what = "drum_mask",
                                              .width = mask_size,
                                              .height = mask_size,
                                              .colours = 2,
                                              .paint = paint_drum_mask},
                                             {.number = 0x1400,
                                              .what = "short_needle",
                                              .width = short_width,
                                              .height = short_height,
                                              .colours = 256,
                                              .paint = paint_short_needle},
                                             artwork::common_needle(0x1200),
                                         }};

}  // namespace
}  // namespace gauge::altimeter_artwork
