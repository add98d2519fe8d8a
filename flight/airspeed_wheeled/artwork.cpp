// Artwork of Tarvon_AirspeedWheeled: the airspeed dial with one more mark at
// 170 knots, arcs reaching 10 knots further and KNOTS moved a little right,
// and the common needle.
#include "flight/airspeed/artwork.h"

#include "gauge/artwork.h"

namespace gauge::airspeed_artwork {
namespace {

constexpr ScaleMark mark_170{170, 297};
constexpr double knots_legend_shift = 5;  // pixels to the right

// Built when painted, not at start-up: airspeed_dial is another file's global.
AirspeedDial wheeled_dial() {
  AirspeedDial dial = airspeed_dial;
  dial.marks.push_back(mark_170);
  dial.green_to = 155;
  dial.red_from = 160;
  dial.red_to = 170;
  dial.knots_legend.x += knots_legend_shift;
  return dial;
}

const artwork::Registration registration{GAUGE_ARTWORK_DIRECTORY,
                                         {
                                             {.number = 0x1800,
                                              .what = "dial",
                                              .width = 342,
                                              .height = 338,
                                              .colours = 256,
                                              .paint = [](cairo_t* cr) { paint_airspeed_dial(cr, wheeled_dial()); },
                                              .exact_colours = {paint::colours::face}},
                                             artwork::common_needle(0x1200),
                                         }};

}  // namespace
}  // namespace gauge::airspeed_artwork
