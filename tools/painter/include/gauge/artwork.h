// How a gauge declares its artwork. Each gauge directory holds an artwork.cpp
// with one Registration naming the directory's bitmaps; the painter finds the
// file by itself (tools/painter/CMakeLists.txt), so adding a gauge's artwork
// touches no shared file:
//
//   #include "gauge/artwork.h"
//   namespace {
//   void paint_dial(cairo_t* cr) { ... }
//   const gauge::artwork::Registration registration{GAUGE_ARTWORK_DIRECTORY, {
//       {.number = 0x1700, .what = "dial", .width = 342, .height = 338, .colours = 256, .paint = paint_dial},
//       gauge::artwork::common_needle(0x1200),
//   }};
//   }  // namespace
//
// GAUGE_ARTWORK_DIRECTORY is defined by the build for each artwork.cpp: its
// directory relative to the repository root, e.g. "flight/airspeed".
#pragma once

#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

#include "gauge/bmp.h"

namespace gauge::artwork {

struct Bitmap {
  int number = 0;    // resource number
  std::string what;  // names the file: <what>_<hex number>.bmp
  int width = 0;
  int height = 0;
  int colours = 256;                    // palette size, 2 to 256
  std::function<void(cairo_t*)> paint;  // paints on a transparent surface of width x height
  // Colours that must come out exactly as painted (the mask window (1, 1, 1)
  // always does); the rest may be reduced to fit the palette.
  std::vector<bmp::Colour> exact_colours = {};
};

// The bitmap's file name in its gauge directory, e.g. "dial_1700.bmp".
std::string file_name(const Bitmap& bitmap);

// The common needle picture as bitmap `number` of a gauge.
Bitmap common_needle(int number);

struct GaugeArtwork {
  std::string directory;  // relative to the root, e.g. "flight/airspeed"
  std::vector<Bitmap> bitmaps;
};

// Adds a gauge's artwork to the painter's list when the program starts.
class Registration {
 public:
  Registration(std::string directory, std::vector<Bitmap> bitmaps);
};

// Every registered gauge, sorted by directory.
std::vector<GaugeArtwork> registered();

// Paints the bitmap and reduces it to its palette (see gauge/palette.h).
bmp::IndexedBitmap render(const Bitmap& bitmap);

}  // namespace gauge::artwork
