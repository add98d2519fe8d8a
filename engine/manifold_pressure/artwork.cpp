// Artwork of Tarvik_ManPRturbo: the dial 0x1900 and the common needle, twice
// (0x2000, 0x2100).
#include "gauge/artwork.h"

#include "engine/dial_artwork.h"

namespace {

using namespace gauge;
using namespace gauge::engine_artwork;

constexpr Point pivot = paint::pixel(175, 167);

// Left half: 0 to 60 inches of mercury, every mark numbered, the red arc from 50.
const Scale manifold_pressure_scale{
    .pivot = pivot,
    .first_value = 0,
    .last_value = 60,
    .first_degrees = 209.5,
    .last_degrees = 330,
    .step = 10,
    .long_every = 10,
    .numeral_every = 10,
    .numeral_unit = 10,
    .arcs = {{.from = 50, .to = 60, .colour = colours::arc_red}},
};

// Right half: 0 to 100 percent, rising counter-clockwise from the lower right.
const Scale turbo_scale{
    .pivot = pivot,
    .first_value = 0,
    .last_value = 100,
    .first_degrees = 136.3,
    .last_degrees = 34.9,
    .turn = Turn::counter_clockwise,
    .step = 10,
    .long_every = 20,
    .numeral_every = 20,
    .numeral_unit = 10,
};

void paint_manifold_pressure_dial(cairo_t* cr) {
  paint_case(cr, pivot, colours::face);
  paint_scale(cr, manifold_pressure_scale);
  paint_scale(cr, turbo_scale);
  paint_centre_mark(cr, pivot);
  // Between the needles at full scale, and right of the turbo needle at rest.
  paint_legends(cr, {{"MAN PR", {pivot.x + 2, pivot.y - 73}},
                     {"INHG", {pivot.x + 2, pivot.y - 52}, colours::legend_blue},
                     {"% x10", {pivot.x + 20, pivot.y + 48}, colours::legend_blue},
                     {"TURBO", {pivot.x + 20, pivot.y + 70}}});
}

const artwork::Registration registration{GAUGE_ARTWORK_DIRECTORY,
                                         {
                                             {.number = 0x1900,
                                              .what = "dial",
                                              .width = dial_width,
                                              .height = dial_height,
                                              .paint = paint_manifold_pressure_dial,
                                              .exact_colours = {colours::face}},
                                             artwork::common_needle(0x2000),
                                             artwork::common_needle(0x2100),
                                         }};

}  // namespace
