// Artwork of Tarvik_EngineRPM: the dial 0x1800 and the common needle 0x1900.
#include "engine/engine_rpm/artwork.h"

#include "engine/dial_artwork.h"
#include "gauge/artwork.h"

namespace gauge::rpm_artwork {

using namespace engine_artwork;

namespace {

constexpr Point pivot = paint::pixel(175, 168);

// 0 to 2000 in hundreds, over the top; the red arc from 1800 to the end.
const Scale rpm_scale{
    .pivot = pivot,
    .first_value = 0,
    .last_value = 2000,
    .first_degrees = 239.7,
    .last_degrees = 120.1,
    .step = 100,
    .long_every = 500,
    .numeral_every = 500,
    .numeral_unit = 100,
    .arcs = {{.from = 1800, .to = 2000, .colour = colours::arc_red}},
};

}  // namespace

void paint_rpm_dial(cairo_t* cr, const std::string& legend_word) {
  paint_case(cr, pivot, colours::face);
  paint_scale(cr, rpm_scale);
  paint_centre_mark(cr, pivot);
  paint_legends(cr, {{"x100", {pivot.x, pivot.y + 42}, colours::legend_blue},
                     {legend_word, {pivot.x, pivot.y + 70}},
                     {"RPM", {pivot.x, pivot.y + 92}}});
}

namespace {

const artwork::Registration registration{GAUGE_ARTWORK_DIRECTORY,
                                         {
                                             {.number = 0x1800,
                                              .what = "dial",
                                              .width = dial_width,
                                              .height = dial_height,
                                              .paint = [](cairo_t* cr) { paint_rpm_dial(cr, "ENG"); },
                                              .exact_colours = {colours::face}},
                                             artwork::common_needle(0x1900),
                                         }};

}  // namespace
}  // namespace gauge::rpm_artwork
