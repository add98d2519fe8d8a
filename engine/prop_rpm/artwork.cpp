// Artwork of Tarvik_PropRPM: the engine RPM dial with PROP in its legend
// (0x1700), and the common needle 0x1800.
#include "engine/engine_rpm/artwork.h"

#include "engine/dial_artwork.h"
#include "gauge/artwork.h"

namespace {

using namespace gauge;

const artwork::Registration registration{GAUGE_ARTWORK_DIRECTORY,
                                         {
                                             {.number = 0x1700,
                                              .what = "dial",
                                              .width = engine_artwork::dial_width,
                                              .height = engine_artwork::dial_height,
                                              .paint = [](cairo_t* cr) { rpm_artwork::paint_rpm_dial(cr, "PROP"); },
                                              .exact_colours = {paint::colours::face}},
                                             artwork::common_needle(0x1800),
                                         }};

}  // namespace
