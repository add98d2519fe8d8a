// Artwork of Tarvik_FuelQTY: the dial 0x2300 with the front tank's scale on
// the left and the rear tank's on the right, and the common needle as 0x2100
// and 0x2200. Every mark stands where the gauge's calibration tables send the
// needles, so the angles here come from the same table points.
#include "gauge/artwork.h"

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

#include "gauge/paint.h"

namespace {

namespace paint = gauge::paint;
namespace colours = paint::colours;
using paint::Point;

constexpr int dial_width = 342;
constexpr int dial_height = 338;
constexpr int pivot_x = 178, pivot_y = 170;
constexpr Point pivot = paint::pixel(pivot_x, pivot_y);

struct TablePoint {
  int x, y;
  double gallons;
};

// The needles' calibration tables (fuel_quantity.cpp), each in clockwise order.
const std::vector<TablePoint> front_table = {{151, 301, 0}, {65, 247, 50}, {65, 95, 150}, {79, 79, 165}};
const std::vector<TablePoint> rear_table = {{272, 79, 165}, {285, 96, 150}, {285, 246, 50}, {200, 301, 0}};

double angle_of(const TablePoint& point) {
  const double degrees = std::atan2(point.x - pivot_x, pivot_y - point.y) * 180 / std::numbers::pi;
  return degrees < 0 ? degrees + 360 : degrees;
}

// Where the needle stands for `gallons`: linear by angle between the
// neighbouring table entries, as the panel turns it.
double degrees_at(const std::vector<TablePoint>& table, double gallons) {
  for (size_t entry = 1; entry < table.size(); ++entry) {
    const TablePoint& a = table[entry - 1];
    const TablePoint& b = table[entry];
    if ((gallons - a.gallons) * (gallons - b.gallons) <= 0) {
      return angle_of(a) + (gallons - a.gallons) / (b.gallons - a.gallons) * (angle_of(b) - angle_of(a));
    }
  }
  throw std::out_of_range("no table entries around " + std::to_string(gallons) + " gallons");
}

constexpr double scale_edge = 142;  // outer ends of the marks
constexpr paint::Mark long_mark{.outer_radius = scale_edge, .length = 24, .width = 4};
constexpr paint::Mark short_mark{.outer_radius = scale_edge, .length = 14, .width = 3};
constexpr paint::Mark empty_mark{.outer_radius = scale_edge, .length = 24, .width = 5, .colour = colours::arc_red};
constexpr paint::Font numeral_font{.family = "DejaVu Sans Condensed", .bold = true, .size = 26};
constexpr paint::Font letter_font{.family = "DejaVu Sans", .bold = true, .size = 26};
constexpr paint::Font title_font{.family = "DejaVu Sans", .bold = true, .size = 20};
constexpr paint::Font unit_font{.family = "DejaVu Sans", .bold = true, .size = 16};

void paint_scale(cairo_t* cr, const std::vector<TablePoint>& table, std::string_view letter) {
  paint::mark(cr, pivot, degrees_at(table, 0), empty_mark);
  for (int gallons = 10; gallons <= 150; gallons += 10) {
    const double degrees = degrees_at(table, gallons);
    const bool numbered = gallons % 50 == 0;
    paint::mark(cr, pivot, degrees, numbered ? long_mark : short_mark);
    if (numbered) {
      paint::text_inside(cr, std::to_string(gallons / 10), pivot, degrees, scale_edge - long_mark.length - 6,
                         numeral_font, colours::marking);
    }
  }
  const double full = degrees_at(table, 165);
  paint::mark(cr, pivot, full, long_mark);
  // The tank's letter above the full mark, toward the top of the dial.
  const double toward_top = full > 180 ? full + 12 : full - 12;
  paint::text_inside(cr, letter, pivot, toward_top, scale_edge - 4, letter_font, colours::marking);
}

void paint_dial(cairo_t* cr) {
  paint::dial_case(cr, {.centre = pivot, .bezel_radius = 163, .face_radius = 148, .face = colours::dark_face});
  paint_scale(cr, front_table, "F");
  paint_scale(cr, rear_table, "R");
  paint::text_inside(cr, "0", pivot, 180, scale_edge - 6, numeral_font, colours::marking);
  paint::text(cr, "FUEL QTY", {pivot.x, pivot.y - 92}, title_font, colours::marking);
  paint::text(cr, "GALS", {pivot.x, pivot.y - 66}, unit_font, colours::legend_blue);
  paint::text(cr, "x10", {pivot.x, pivot.y - 45}, unit_font, colours::legend_blue);
}

const gauge::artwork::Registration registration{GAUGE_ARTWORK_DIRECTORY,
                                                {
                                                    {.number = 0x2300,
                                                     .what = "dial",
                                                     .width = dial_width,
                                                     .height = dial_height,
                                                     .colours = 256,
                                                     .paint = paint_dial,
                                                     .exact_colours = {colours::dark_face}},
                                                    gauge::artwork::common_needle(0x2100),
                                                    gauge::artwork::common_needle(0x2200),
                                                }};

}  // namespace
