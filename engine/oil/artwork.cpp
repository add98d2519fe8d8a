// Artwork of Tarvik_Oil: the dial 0x1600 and the common needle, twice
// (0x1700, 0x1800).
#include "gauge/artwork.h"

#include "engine/dial_artwork.h"

namespace {

using namespace gauge;
using namespace gauge::engine_artwork;

constexpr Point pivot = paint::pixel(174, 169);

// Left half: pressure, 0 to 80 pounds per square inch, numbered in tens at
// the even marks; red below 20 (the 10 mark splitting it in two blocks),
// yellow from 20 to 30 and from 70 to 80.
const Scale pressure_scale{
    .pivot = pivot,
    .first_value = 0,
    .last_value = 80,
    .first_degrees = 229.6,
    .last_degrees = 310.0,
    .step = 10,
    .long_every = 20,
    .numeral_every = 20,
    .numeral_unit = 10,
    .arcs = {{.from = 0, .to = 20, .colour = colours::arc_red},
             {.from = 20, .to = 30, .colour = colours::arc_yellow},
             {.from = 70, .to = 80, .colour = colours::arc_yellow}},
};

// Right half: temperature, 0 to 120 degrees Celsius rising counter-clockwise
// from the lower right; yellow while cold (the marks splitting it in four
// blocks), red from 110.
const Scale temperature_scale{
    .pivot = pivot,
    .first_value = 0,
    .last_value = 120,
    .first_degrees = 149.5,
    .last_degrees = 30.2,
    .turn = Turn::counter_clockwise,
    .step = 10,
    .long_every = 20,
    .numeral_every = 40,
    .arcs = {{.from = 0, .to = 40, .colour = colours::arc_yellow},
             {.from = 110, .to = 120, .colour = colours::arc_red}},
};

void paint_oil_dial(cairo_t* cr) {
  paint_case(cr, pivot, colours::dark_face);
  paint_scale(cr, pressure_scale);
  paint_scale(cr, temperature_scale);
  paint_centre_mark(cr, {pivot.x, pivot.y - 3});
  // The legends keep clear of the needles at rest.
  paint_legends(cr, {{"PSI", {pivot.x - 59, pivot.y + 1}, colours::legend_blue},
                     {"x10", {pivot.x - 59, pivot.y + 21}, colours::legend_blue},
                     {"°C", {pivot.x + 50, pivot.y + 48}, colours::legend_blue},
                     {"OIL", {pivot.x, pivot.y + 100}, colours::marking, 20}});
}

const artwork::Registration registration{GAUGE_ARTWORK_DIRECTORY,
                                         {
                                             {.number = 0x1600,
                                              .what = "dial",
                                              .width = dial_width,
                                              .height = dial_height,
                                              .paint = paint_oil_dial,
                                              .exact_colours = {colours::dark_face}},
                                             artwork::common_needle(0x1700),
                                             artwork::common_needle(0x1800),
                                         }};

}  // namespace
