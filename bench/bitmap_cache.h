// A module's bitmaps, each read and turned into cairo surfaces once, on first
// use. Pure black (0, 0, 0) is transparent in every one.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cairo_handles.h"

namespace bench {

// Hands out a bitmap resource's bytes (as GaugeBackend::bitmap does), or nothing.
using BitmapSource = std::function<std::optional<std::vector<uint8_t>>(int32_t resource)>;

struct GaugeBitmap {
  int width = 0;
  int height = 0;
  CairoSurface picture;  // every colour but pure black, opaque
  // Read as a mask: `window` (alpha only) is opaque where the bitmap is
  // near-black (1, 1, 1), where the element's moving bitmap shows; `overlay`
  // holds the mask's other colours, drawn over the moving bitmap.
  CairoSurface window;
  CairoSurface overlay;
};

class BitmapCache {
 public:
  explicit BitmapCache(BitmapSource source) : source_(std::move(source)) {}

  // Null when the module has no such bitmap or it cannot be read; problem() says why.
  const GaugeBitmap* find(int32_t resource);
  std::string problem(int32_t resource) const;

 private:
  struct Entry {
    std::optional<GaugeBitmap> bitmap;
    std::string problem;
  };
  BitmapSource source_;
  std::map<int32_t, Entry> entries_;
};

}  // namespace bench
