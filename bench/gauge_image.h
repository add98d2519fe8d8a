// A drawn picture: RGBA pixels that can be read back and saved as PNG.
#pragma once

#include <cstdint>
#include <filesystem>

#include "cairo_handles.h"

namespace bench {

struct Rgba {
  uint8_t red = 0, green = 0, blue = 0, alpha = 0;
  bool operator==(const Rgba&) const = default;
};

class GaugeImage {
 public:
  GaugeImage(int width, int height);  // fully transparent

  int width() const { return width_; }
  int height() const { return height_; }
  cairo_surface_t* surface() const { return surface_.get(); }

  // The colour at (x, y), not premultiplied; transparent outside the picture.
  Rgba pixel(int x, int y) const;
  // Throws std::runtime_error naming the file when it cannot be written.
  void save_png(const std::filesystem::path& path) const;

 private:
  int width_;
  int height_;
  CairoSurface surface_;
};

}  // namespace bench
