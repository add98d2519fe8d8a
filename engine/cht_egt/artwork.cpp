// Artwork of Tarvik_CHT_EGT: the dial 0x2000 and the common needle, twice
// (0x2100, 0x2200).
#include "gauge/artwork.h"

#include "engine/dial_artwork.h"

namespace {

using namespace gauge;
using namespace gauge::engine_artwork;

constexpr Point pivot = paint::pixel(175, 167);

// Left half: cylinder heads, 0 to 300 degrees Celsius in fifties, all marks
// of one length, numbered in tens at the hundreds; red from 250.
const Scale cht_scale{
    .pivot = pivot,
    .first_value = 0,
    .last_value = 300,
    .first_degrees = 209.4,
    .last_degrees = 330.0,
    .step = 50,
    .long_every = 50,
    .numeral_every = 100,
    .numeral_unit = 10,
    .arcs = {{.from = 250, .to = 300, .colour = colours::arc_red}},
};

// Right half: exhaust gas, 0 to 650 degrees Celsius rising counter-clockwise
// from the lower right, numbered in hundreds; red from 600.
const Scale egt_scale{
    .pivot = pivot,
    .first_value = 0,
    .last_value = 650,
    .first_degrees = 156.3,
    .last_degrees = 24.6,
    .turn = Turn::counter_clockwise,
    .step = 50,
    .long_every = 100,
    .numeral_every = 100,
    .numeral_unit = 100,
    .arcs = {{.from = 600, .to = 650, .colour = colours::arc_red}},
};

void paint_cht_egt_dial(cairo_t* cr) {
  paint_case(cr, pivot, colours::dark_face);
  paint_scale(cr, cht_scale);
  paint_scale(cr, egt_scale);
  paint_centre_mark(cr, pivot);
  // Each column inside its scale's end, clear of its needle at rest and at full scale.
  paint_legends(cr, {{"°C", {pivot.x - 47, pivot.y - 17}, colours::legend_blue},
                     {"x10", {pivot.x - 47, pivot.y + 3}, colours::legend_blue},
                     {"CHT", {pivot.x - 47, pivot.y + 25}},
                     {"EGT", {pivot.x + 47, pivot.y - 45}},
                     {"°C", {pivot.x + 47, pivot.y - 25}, colours::legend_blue},
                     {"x100", {pivot.x + 47, pivot.y - 5}, colours::legend_blue}});
}

const artwork::Registration registration{GAUGE_ARTWORK_DIRECTORY,
                                         {
                                             {.number = 0x2000,
                                              .what = "dial",
                                              .width = dial_width,
                                              .height = dial_height,
                                              .paint = paint_cht_egt_dial,
                                              .exact_colours = {colours::dark_face}},
                                             artwork::common_needle(0x2100),
                                             artwork::common_needle(0x2200),
                                         }};

}  // namespace
