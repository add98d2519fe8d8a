#include "gauge_image.h"

#include <fmt/format.h>

#include <stdexcept>

namespace bench {

GaugeImage::GaugeImage(int width, int height)
    : width_(width), height_(height), surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)) {
  if (cairo_surface_status(surface_.get()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error(fmt::format("cannot make a {} x {} picture", width, height));
}

Rgba GaugeImage::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  cairo_surface_flush(surface_.get());
  const unsigned char* row = cairo_image_surface_get_data(surface_.get()) +
                             static_cast<ptrdiff_t>(y) * cairo_image_surface_get_stride(surface_.get());
  const uint32_t argb = reinterpret_cast<const uint32_t*>(row)[x];
  const uint8_t alpha = argb >> 24;
  if (alpha == 0) return {};
  auto channel = [alpha](uint32_t premultiplied) {
    return static_cast<uint8_t>(((premultiplied & 0xFF) * 255 + alpha / 2) / alpha);
  };
  return {channel(argb >> 16), channel(argb >> 8), channel(argb), alpha};
}

void GaugeImage::save_png(const std::filesystem::path& path) const {
  const cairo_status_t status = cairo_surface_write_to_png(surface_.get(), path.c_str());
  if (status != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error(fmt::format("cannot write {}: {}", path.string(), cairo_status_to_string(status)));
}

}  // namespace bench
