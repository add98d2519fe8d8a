// Reduction of a painted surface to an 8-bit indexed bitmap.
#pragma once

#include <cairo.h>

#include <span>

#include "gauge/bmp.h"

namespace gauge::palette {

// Converts a painted ARGB32 surface to an indexed bitmap whose palette has
// exactly `colours` entries (2 to 256):
// - a pixel less than half covered is transparent: palette entry 0, pure black;
// - every other pixel is its colour over black, and never pure black (it is
//   lifted to the near-black (1, 1, 1));
// - colours in `exact_colours`, and (1, 1, 1), keep their exact value;
// - if more colours remain than fit, libimagequant chooses the palette (with
//   fixed settings on one thread, so the result is the same on every run) and
//   each pixel takes the nearest entry, without dithering.
// Unused palette entries are pure black.
bmp::IndexedBitmap to_indexed(cairo_surface_t* surface, int colours, std::span<const bmp::Colour> exact_colours = {});

}  // namespace gauge::palette
