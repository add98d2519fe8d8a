#include "bitmap_cache.h"

#include <fmt/format.h>

#include "dib_reader.h"

namespace bench {
namespace {

constexpr gauge::bmp::Colour window_colour{1, 1, 1};

// Cairo keeps ARGB32 pixels premultiplied in native-endian 32-bit words.
uint32_t opaque_argb(gauge::bmp::Colour colour) {
  return 0xFF000000u | uint32_t{colour.red} << 16 | uint32_t{colour.green} << 8 | colour.blue;
}

CairoSurface new_surface(cairo_format_t format, int width, int height) {
  CairoSurface surface(cairo_image_surface_create(format, width, height));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error(fmt::format("cannot make a {} x {} picture", width, height));
  return surface;
}

// Fills `surface` with `pixel(colour)` for every pixel whose colour `keep` accepts; the rest stays clear.
template <typename Pixel, typename Keep, typename Value>
void fill(cairo_surface_t* surface, const gauge::bmp::IndexedBitmap& bitmap, Keep keep, Value value) {
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < bitmap.height; ++y) {
    auto* row = reinterpret_cast<Pixel*>(data + static_cast<ptrdiff_t>(y) * stride);
    for (int x = 0; x < bitmap.width; ++x) {
      const gauge::bmp::Colour colour = bitmap.colour_at(x, y);
      if (keep(colour)) row[x] = value(colour);
    }
  }
  cairo_surface_mark_dirty(surface);
}

GaugeBitmap make_gauge_bitmap(const gauge::bmp::IndexedBitmap& bitmap) {
  GaugeBitmap result{bitmap.width, bitmap.height, new_surface(CAIRO_FORMAT_ARGB32, bitmap.width, bitmap.height),
                     new_surface(CAIRO_FORMAT_A8, bitmap.width, bitmap.height),
                     new_surface(CAIRO_FORMAT_ARGB32, bitmap.width, bitmap.height)};
  auto drawn = [](gauge::bmp::Colour colour) { return colour != gauge::bmp::transparent; };
  auto overlaid = [](gauge::bmp::Colour colour) {
    return colour != gauge::bmp::transparent && colour != window_colour;
  };
  fill<uint32_t>(result.picture.get(), bitmap, drawn, opaque_argb);
  fill<uint8_t>(
      result.window.get(), bitmap, [](gauge::bmp::Colour colour) { return colour == window_colour; },
      [](gauge::bmp::Colour) { return uint8_t{0xFF}; });
  fill<uint32_t>(result.overlay.get(), bitmap, overlaid, opaque_argb);
  return result;
}

}  // namespace

const GaugeBitmap* BitmapCache::find(int32_t resource) {
  auto [place, inserted] = entries_.try_emplace(resource);
  Entry& entry = place->second;
  if (inserted) {
    try {
      if (auto bytes = source_(resource)) {
        entry.bitmap = make_gauge_bitmap(read_dib(*bytes));
      } else {
        entry.problem = fmt::format("bitmap 0x{:X} is missing", resource);
      }
    } catch (const std::exception& error) {
      entry.problem = fmt::format("bitmap 0x{:X} cannot be read: {}", resource, error.what());
    }
  }
  return entry.bitmap ? &*entry.bitmap : nullptr;
}

std::string BitmapCache::problem(int32_t resource) const {
  auto found = entries_.find(resource);
  return found == entries_.end() ? std::string() : found->second.problem;
}

}  // namespace bench
