// Artwork of Tarvik_Torque: the dial 0x1600 and the common needle 0x1700.
#include "gauge/artwork.h"

#include "engine/dial_artwork.h"

namespace {

using namespace gauge;
using namespace gauge::engine_artwork;

constexpr Point pivot = paint::pixel(175, 168);

// 0 to 3500 foot-pounds in hundreds, over the top; the last mark is red and
// there is no arc.
const Scale torque_scale{
    .pivot = pivot,
    .first_value = 0,
    .last_value = 3500,
    .first_degrees = 255.3,
    .last_degrees = 105,
    .step = 100,
    .long_every = 500,
    .numeral_every = 500,
    .numeral_unit = 100,
    .red_marks = {3500},
};

void paint_torque_dial(cairo_t* cr) {
  paint_case(cr, pivot, colours::face);
  paint_scale(cr, torque_scale);
  paint_centre_mark(cr, pivot);
  paint_legends(cr, {{"FT-LB", {pivot.x, pivot.y + 40}, colours::legend_blue},
                     {"x100", {pivot.x, pivot.y + 60}, colours::legend_blue},
                     {"PROP", {pivot.x, pivot.y + 86}},
                     {"TORQUE", {pivot.x, pivot.y + 108}}});
}

const artwork::Registration registration{GAUGE_ARTWORK_DIRECTORY,
                                         {
                                             {.number = 0x1600,
                                              .what = "dial",
                                              .width = dial_width,
                                              .height = dial_height,
                                              .paint = paint_torque_dial,
                                              .exact_colours = {colours::face}},
                                             artwork::common_needle(0x1700),
                                         }};

}  // namespace
