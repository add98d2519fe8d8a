// Artwork of Tarvon_Airspeed: the dial 0x1700 and the common needle 0x1200.
#include "flight/airspeed/artwork.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "gauge/artwork.h"

namespace gauge::airspeed_artwork {

namespace colours = paint::colours;
using paint::Point;

namespace {

constexpr int dial_width = 342;
constexpr int dial_height = 338;
constexpr Point pivot = paint::pixel(173, 168);

// Radii about the pivot: the marks and the white arc end at the scale edge,
// the colour arcs lie inside the white arc, the numerals inside the marks.
constexpr double scale_edge = 141;  // outer ends of the marks and the white arc
constexpr double white_arc_width = 6;
constexpr double colour_arc_width = 8;
constexpr paint::Mark numbered_mark{.outer_radius = scale_edge, .length = 23, .width = 3.5};
constexpr paint::Mark plain_mark{.outer_radius = scale_edge, .length = 15, .width = 3};
constexpr paint::Font numeral_font{.family = "DejaVu Sans Condensed", .bold = true, .size = 25};
constexpr paint::Font legend_font{.family = "DejaVu Sans", .bold = true, .size = 15};

bool is_numbered(const AirspeedDial& dial, double knots) {
  return std::find(dial.numbered.begin(), dial.numbered.end(), knots) != dial.numbered.end();
}

void arc(cairo_t* cr, const AirspeedDial& dial, double from_knots, double to_knots, double outer_radius, double width,
         paint::Colour colour) {
  paint::arc_band(cr, pivot, degrees_at(dial, from_knots), degrees_at(dial, to_knots), outer_radius, width, colour);
}

}  // namespace

// The dial's marks: knots, degrees clockwise from straight up.
// clang-format off
const AirspeedDial airspeed_dial{
    .marks = {{0, 0.5},   {20, 12},   {40, 22},   {50, 34},    {60, 50},
              {70, 67.5}, {80, 87.5}, {90, 108},  {100, 129.5}, {110, 151},
              {120, 175}, {130, 199}, {140, 224}, {150, 248.5}, {160, 273}},
    .numbered = {0, 40, 60, 80, 100, 120, 140, 160},
    .white_from = 50,
    .white_to = 108,
    .green_from = 70,
    .green_to = 144,
    .red_from = 150,
    .red_to = 160,
    .knots_legend = {pivot.x, pivot.y - 48},
};
// clang-format on

double degrees_at(const AirspeedDial& dial, double knots) {
  const auto& marks = dial.marks;
  const auto above = std::find_if(marks.begin(), marks.end(), [knots](const auto& m) { return m.knots >= knots; });
  if (above == marks.end() || (above == marks.begin() && above->knots != knots))
    throw std::out_of_range("the dial has no mark at or around the speed asked for");
  if (above->knots == knots) return above->degrees;
  const auto below = std::prev(above);
  return below->degrees + (knots - below->knots) / (above->knots - below->knots) * (above->degrees - below->degrees);
}

void paint_airspeed_dial(cairo_t* cr, const AirspeedDial& dial) {
  paint::dial_case(cr, {.centre = pivot});

  // The coloured arcs: white outermost, green, yellow and red inside it.
  const double colour_edge = scale_edge - white_arc_width;
  arc(cr, dial, dial.white_from, dial.white_to, scale_edge, white_arc_width, colours::arc_white);
  arc(cr, dial, dial.green_from, dial.green_to, colour_edge, colour_arc_width, colours::arc_green);
  arc(cr, dial, dial.green_to, dial.red_from, colour_edge, colour_arc_width, colours::arc_yellow);
  arc(cr, dial, dial.red_from, dial.red_to, colour_edge, colour_arc_width, colours::arc_red);

  for (const ScaleMark& mark : dial.marks) {
    const bool numbered = is_numbered(dial, mark.knots);
    paint::mark(cr, pivot, mark.degrees, numbered ? numbered_mark : plain_mark);
    if (numbered)
      paint::text_inside(cr, std::to_string(static_cast<int>(mark.knots)), pivot, mark.degrees,
                         scale_edge - numbered_mark.length - 6, numeral_font, colours::marking);
  }

  paint::text(cr, "KNOTS", dial.knots_legend, legend_font, colours::legend_blue);
}

namespace {

const artwork::Registration registration{GAUGE_ARTWORK_DIRECTORY,
                                         {
                                             {.number = 0x1700,
                                              .what = "dial",
                                              .width = dial_width,
                                              .height = dial_height,
                                              .colours = 256,
                                              .paint = [](cairo_t* cr) { paint_airspeed_dial(cr, airspeed_dial); },
                                              .exact_colours = {colours::face}},
                                             artwork::common_needle(0x1200),
                                         }};

}  // namespace
}  // namespace gauge::airspeed_artwork
