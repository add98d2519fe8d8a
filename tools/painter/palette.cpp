#include "gauge/palette.h"

#include <libimagequant.h>
#include <omp.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "gauge/paint.h"

namespace gauge::palette {
namespace {

using bmp::Colour;

constexpr std::uint8_t transparent_index = 0;

struct AttrDeleter {
  void operator()(liq_attr* attr) const { liq_attr_destroy(attr); }
};
struct HistogramDeleter {
  void operator()(liq_histogram* histogram) const { liq_histogram_destroy(histogram); }
};
struct ResultDeleter {
  void operator()(liq_result* result) const { liq_result_destroy(result); }
};

void check(liq_error error, const char* step) {
  if (error != LIQ_OK)
    throw std::runtime_error(std::string("libimagequant failed to ") + step + " (error " +
                             std::to_string(static_cast<int>(error)) + ")");
}

// The colour of each pixel after the transparency rule: a transparent pixel is
// pure black, which no opaque pixel ever is.
std::vector<Colour> pixel_colours(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  if (cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32)
    throw std::invalid_argument("the painted surface must be ARGB32");
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  std::vector<Colour> colours;
  colours.reserve(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint32_t argb;  // premultiplied, native byte order: that is the colour over black
      std::memcpy(&argb, data + static_cast<std::ptrdiff_t>(y) * stride + 4 * x, sizeof argb);
      const auto alpha = static_cast<std::uint8_t>(argb >> 24);
      Colour colour{static_cast<std::uint8_t>(argb >> 16), static_cast<std::uint8_t>(argb >> 8),
                    static_cast<std::uint8_t>(argb)};
      if (alpha < 128)
        colour = bmp::transparent;
      else if (colour == bmp::transparent)
        colour = paint::colours::mask_window;
      colours.push_back(colour);
    }
  }
  return colours;
}

int distance(Colour a, Colour b) {
  const int red = a.red - b.red, green = a.green - b.green, blue = a.blue - b.blue;
  return 2 * red * red + 4 * green * green + 3 * blue * blue;
}

// libimagequant's choice of at most `count` entries for the opaque colours.
std::vector<Colour> quantised_palette(const std::map<Colour, unsigned>& histogram, int count,
                                      const std::vector<Colour>& exact) {
  // libimagequant may spread its work over threads, and the order in which
  // they add up changes the last bits of its sums: one thread keeps every run alike.
  omp_set_num_threads(1);
  const std::unique_ptr<liq_attr, AttrDeleter> attr{liq_attr_create()};
  check(liq_set_max_colors(attr.get(), count), "set the number of colours");
  check(liq_set_speed(attr.get(), 1), "set the speed");
  check(liq_set_quality(attr.get(), 0, 100), "set the quality");
  const std::unique_ptr<liq_histogram, HistogramDeleter> liq_histogram_{liq_histogram_create(attr.get())};
  std::vector<liq_histogram_entry> entries;
  entries.reserve(histogram.size());
  for (const auto& [colour, pixels] : histogram)
    entries.push_back({.color = {colour.red, colour.green, colour.blue, 255}, .count = pixels});
  check(liq_histogram_add_colors(liq_histogram_.get(), attr.get(), entries.data(), static_cast<int>(entries.size()), 0),
        "take the colours");
  for (const Colour& colour : exact)
    check(liq_histogram_add_fixed_color(liq_histogram_.get(), {colour.red, colour.green, colour.blue, 255}, 0),
          "fix a colour");
  liq_result* raw_result = nullptr;
  check(liq_histogram_quantize(liq_histogram_.get(), attr.get(), &raw_result), "choose the palette");
  const std::unique_ptr<liq_result, ResultDeleter> result{raw_result};
  const liq_palette* chosen = liq_get_palette(result.get());
  std::vector<Colour> palette;
  for (unsigned entry = 0; entry < chosen->count; ++entry) {
    const liq_color& c = chosen->entries[entry];
    const Colour colour{c.r, c.g, c.b};
    palette.push_back(colour == bmp::transparent ? paint::colours::mask_window : colour);
  }
  // The exact colours must be there exactly, whatever libimagequant's rounding.
  for (const Colour& colour : exact)
    if (std::find(palette.begin(), palette.end(), colour) == palette.end())
      throw std::runtime_error("libimagequant did not keep a fixed colour");
  return palette;
}

}  // namespace

bmp::IndexedBitmap to_indexed(cairo_surface_t* surface, int colours, std::span<const bmp::Colour> exact_colours) {
  if (colours < 2 || colours > 256)
    throw std::invalid_argument("a palette of " + std::to_string(colours) + " colours; 2 to 256 expected");
  const std::vector<Colour> pixels = pixel_colours(surface);

  std::map<Colour, unsigned> histogram;  // opaque colours only; ordered, so every run sees the same order
  for (const Colour& colour : pixels)
    if (colour != bmp::transparent) ++histogram[colour];

  std::vector<Colour> exact;  // the exact colours that occur, the mask window always among them
  for (const auto& [colour, count] : histogram)
    if (colour == paint::colours::mask_window ||
        std::find(exact_colours.begin(), exact_colours.end(), colour) != exact_colours.end())
      exact.push_back(colour);

  const int opaque_entries = colours - 1;  // entry 0 is the transparent black
  std::vector<Colour> opaque;
  if (static_cast<int>(histogram.size()) <= opaque_entries) {
    for (const auto& [colour, count] : histogram) opaque.push_back(colour);
  } else if (opaque_entries == 1) {
    // One colour for every opaque pixel: the exact one if given, else the most common.
    const auto most_common = std::max_element(histogram.begin(), histogram.end(),
                                              [](const auto& a, const auto& b) { return a.second < b.second; });
    opaque.push_back(exact.empty() ? most_common->first : exact.front());
  } else {
    if (static_cast<int>(exact.size()) > opaque_entries)
      throw std::invalid_argument("more exact colours than the palette holds");
    opaque = quantised_palette(histogram, opaque_entries, exact);
  }

  bmp::IndexedBitmap bitmap;
  bitmap.width = cairo_image_surface_get_width(surface);
  bitmap.height = cairo_image_surface_get_height(surface);
  bitmap.palette.assign(colours, bmp::transparent);
  std::copy(opaque.begin(), opaque.end(), bitmap.palette.begin() + 1);

  // Nearest entry for each opaque colour. The mask window's entry is kept for
  // pixels of exactly that colour: in a mask it means "the picture shows here".
  std::map<Colour, std::uint8_t> index_of;
  for (const auto& [colour, count] : histogram) {
    int best_distance = std::numeric_limits<int>::max();
    std::uint8_t best = transparent_index;
    for (std::size_t entry = 1; entry <= opaque.size(); ++entry) {
      const Colour candidate = bitmap.palette[entry];
      const bool reserved = candidate == paint::colours::mask_window && colour != candidate && opaque.size() > 1;
      if (reserved) continue;
      const int d = distance(colour, candidate);
      if (d < best_distance) {
        best_distance = d;
        best = static_cast<std::uint8_t>(entry);
      }
    }
    index_of[colour] = best;
  }
  bitmap.pixels.reserve(pixels.size());
  for (const Colour& colour : pixels)
    bitmap.pixels.push_back(colour == bmp::transparent ? transparent_index : index_of.at(colour));
  return bitmap;
}

}  // namespace gauge::palette
