// Artwork of Tarvik_Fuelflow: the dial 0x1900 and the common needle 0x1700.
#include "gauge/artwork.h"

#include "engine/dial_artwork.h"

namespace {

using namespace gauge;
using namespace gauge::engine_artwork;

// 3 px right of the other single-needle dials' pivot; the whole dial is centred on it.
constexpr Point pivot = paint::pixel(178, 168);

// 0 to 600 pounds per hour in steps of 20, over the top with 300 straight up;
// no arc and no visible centre mark.
const Scale fuel_flow_scale{
    .pivot = pivot,
    .first_value = 0,
    .last_value = 600,
    .first_degrees = 252.4,
    .last_degrees = 107.8,
    .step = 20,
    .long_every = 100,
    .numeral_every = 100,
    .numeral_unit = 100,
};

void paint_fuel_flow_dial(cairo_t* cr) {
  paint_case(cr, pivot, colours::face);
  paint_scale(cr, fuel_flow_scale);
  paint_legends(cr,
                {{"PPH x100", {pivot.x, pivot.y + 48}, colours::legend_blue}, {"FUEL FLOW", {pivot.x, pivot.y + 74}}});
}

const artwork::Registration registration{GAUGE_ARTWORK_DIRECTORY,
                                         {
                                             {.number = 0x1900,
                                              .what = "dial",
                                              .width = dial_width,
                                              .height = dial_height,
                                              .paint = paint_fuel_flow_dial,
                                              .exact_colours = {colours::face}},
                                             artwork::common_needle(0x1700),
                                         }};

}  // namespace
