// Drawing shared by the engine dials: a round case with its face, and scales
// of evenly spaced marks about a needle's pivot, with numerals inside the
// long marks and coloured arcs on the outer edge under the marks. Each
// gauge's artwork.cpp describes its scales and legends and paints them with
// these.
#pragma once

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "gauge/paint.h"

namespace gauge::engine_artwork {

namespace colours = paint::colours;
using paint::Point;

inline constexpr int dial_width = 342;
inline constexpr int dial_height = 338;

// Which way the needle turns as the value rises.
enum class Turn { clockwise, counter_clockwise };

struct Arc {
  double from = 0;  // values; the band is drawn between their marks
  double to = 0;
  paint::Colour colour = colours::arc_red;
};

struct Scale {
  Point pivot;
  double first_value = 0;  // the first and last marks, and their angles
  double last_value = 0;   // clockwise from straight up
  double first_degrees = 0;
  double last_degrees = 0;
  Turn turn = Turn::clockwise;
  double step = 0;                     // value between neighbouring marks
  double long_every = 0;               // value between long marks
  double numeral_every = 0;            // value between numbered marks (0: none)
  double numeral_unit = 1;             // a numeral shows value / numeral_unit
  std::vector<double> red_marks = {};  // marks drawn in red instead of white
  std::vector<Arc> arcs = {};
  double outer_radius = 138;  // outer ends of the marks and the arcs
  double long_length = 22;
  double short_length = 13;
  double arc_width = 7;
  paint::Font numeral_font = {.family = "DejaVu Sans Condensed", .bold = true, .size = 24};
};

// The angle of `value` on the scale, between its first and last marks.
inline double degrees_at(const Scale& scale, double value) {
  double sweep = scale.last_degrees - scale.first_degrees;
  if (scale.turn == Turn::clockwise && sweep < 0) sweep += 360;
  if (scale.turn == Turn::counter_clockwise && sweep > 0) sweep -= 360;
  return scale.first_degrees + (value - scale.first_value) / (scale.last_value - scale.first_value) * sweep;
}

// A multiple of `every` (with a little slack for the steps' rounding).
inline bool is_multiple(double value, double every) {
  if (every <= 0) return false;
  const double steps = value / every;
  return std::abs(steps - std::round(steps)) < 1e-6;
}

inline void paint_arc(cairo_t* cr, const Scale& scale, const Arc& arc) {
  double from = degrees_at(scale, arc.from);
  double to = degrees_at(scale, arc.to);
  if (to < from) std::swap(from, to);  // bands are swept clockwise
  paint::arc_band(cr, scale.pivot, from, to, scale.outer_radius, scale.arc_width, arc.colour);
}

inline void paint_scale(cairo_t* cr, const Scale& scale) {
  for (const Arc& arc : scale.arcs) paint_arc(cr, scale, arc);
  const int marks = static_cast<int>(std::lround((scale.last_value - scale.first_value) / scale.step));
  for (int index = 0; index <= marks; ++index) {
    const double value = scale.first_value + index * scale.step;
    const double degrees = degrees_at(scale, value);
    const bool is_long = is_multiple(value, scale.long_every);
    bool is_red = false;
    for (double red : scale.red_marks) is_red = is_red || red == value;
    const paint::Mark mark{.outer_radius = scale.outer_radius,
                           .length = is_long ? scale.long_length : scale.short_length,
                           .width = is_long ? 3.5 : 2.5,
                           .colour = is_red ? colours::arc_red : colours::marking};
    paint::mark(cr, scale.pivot, degrees, mark);
    if (is_multiple(value, scale.numeral_every)) {
      const std::string numeral = std::to_string(std::lround(value / scale.numeral_unit));
      paint::text_inside(cr, numeral, scale.pivot, degrees, scale.outer_radius - scale.long_length - 5,
                         scale.numeral_font, colours::marking);
    }
  }
}

// The case every engine dial sits in, centred on its pivot, with four screws.
inline void paint_case(cairo_t* cr, Point pivot, paint::Colour face) {
  // The bezel keeps inside the bitmap however far the pivot lies from its centre.
  const double room = std::min({pivot.x, dial_width - pivot.x, pivot.y, dial_height - pivot.y});
  paint::dial_case(cr, {.centre = pivot, .bezel_radius = std::min(164.0, room - 1), .face = face});
}

// A small light mark for the needle's hub to cover.
inline void paint_centre_mark(cairo_t* cr, Point centre) {
  paint::fill_disc(cr, centre, 4, colours::marking);
}

struct Legend {
  std::string text;
  Point centre;
  paint::Colour colour = colours::marking;
  double size = 16;
};

inline void paint_legends(cairo_t* cr, const std::vector<Legend>& legends) {
  for (const Legend& legend : legends)
    paint::text(cr, legend.text, legend.centre, {.family = "DejaVu Sans", .bold = true, .size = legend.size},
                legend.colour);
}

}  // namespace gauge::engine_artwork
