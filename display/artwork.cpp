// Artwork of Pelmora_MDbckgrnd: the display's blank panel 0x1100, a near-black
// rectangle whose corners are cut away to pure black, pixel by pixel.
#include "gauge/artwork.h"

#include <array>

#include "gauge/paint.h"

namespace {

namespace paint = gauge::paint;

constexpr int width = 800;
constexpr int height = 180;
constexpr paint::Colour panel{5, 5, 5};

// The transparent run in each row of a corner, from the top or bottom edge
// inwards, counted from the side edge: 111 pixels in an 18 x 18 square.
constexpr std::array corner_runs = {18, 15, 12, 11, 9, 8, 7, 6, 5, 4, 4, 3, 2, 2, 2, 1, 1, 1};

void paint_background(cairo_t* cr) {
  paint::fill_rectangle(cr, 0, 0, width, height, panel);
  for (int row = 0; row < static_cast<int>(corner_runs.size()); ++row) {
    const int run = corner_runs[row];
    for (const int y : {row, height - 1 - row}) {
      cairo_new_path(cr);
      cairo_rectangle(cr, 0, y, run, 1);
      cairo_rectangle(cr, width - run, y, run, 1);
      paint::clear_path(cr);
    }
  }
}

const gauge::artwork::Registration registration{GAUGE_ARTWORK_DIRECTORY,
                                                {
                                                    {.number = 0x1100,
                                                     .what = "background",
                                                     .width = width,
                                                     .height = height,
                                                     .colours = 2,
                                                     .paint = paint_background,
                                                     .exact_colours = {panel}},
                                                }};

}  // namespace
