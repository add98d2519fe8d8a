// Draws the text of a string element.
//
// The gauges ask for the face "Glass Gauge", which this machine does not
// have; the bench draws every string in DejaVu Sans Condensed Bold, its
// height 0.5625 of the element's box (18 pixels in a 32-pixel box), from the
// box's left edge, centred in its height and clipped to the box. The text is
// read as Latin-1, one character per byte, whatever it holds. The back
// colour, pure black in every gauge, is transparent, so no box is filled. The
// lit bit changes nothing in the bench's drawing: the bench shows the panel
// by day, where a lit and an unlit element look the same.
#pragma once

#include <cairo.h>

#include <string_view>

#include "gauge_model.h"

namespace bench {

void paint_string(cairo_t* context, const Element& element, std::string_view text);

}  // namespace bench
