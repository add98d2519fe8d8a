// The airspeed dial's drawing, shared with the wheeled variant,
// which paints the same dial with one more mark, other arc ends and its KNOTS
// legend moved: it copies airspeed_dial, changes those fields and calls
// paint_airspeed_dial.
#pragma once

#include <cairo.h>

#include <vector>

#include "gauge/paint.h"

namespace gauge::airspeed_artwork {

struct ScaleMark {
  double knots;
  double degrees;  // clockwise from straight up about the pivot
};

struct AirspeedDial {
  std::vector<ScaleMark> marks;  // the white marks, in rising knots
  std::vector<double> numbered;  // the marks that carry numerals, in knots
  double white_from = 0;         // the white arc, knots
  double white_to = 0;
  double green_from = 0;  // green, then yellow up to red_from, then red
  double green_to = 0;
  double red_from = 0;
  double red_to = 0;
  paint::Point knots_legend;  // centre of the word KNOTS
};

// The airspeed dial 0x1700.
extern const AirspeedDial airspeed_dial;

// The angle of `knots` on the dial, straight between the neighbouring marks.
double degrees_at(const AirspeedDial& dial, double knots);

void paint_airspeed_dial(cairo_t* cr, const AirspeedDial& dial);

}  // namespace gauge::airspeed_artwork
