// A gauge made in the test: a description and its bitmaps in memory, for the
// element kinds and cases no built module shows.
#pragma once

#include <gauge/bmp.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

#include "gauge_renderer.h"

namespace bench::testing {

using gauge::bmp::Colour;

inline constexpr Colour face{40, 40, 40};
inline constexpr Colour white{255, 255, 255};
inline constexpr Colour pure_black{0, 0, 0};
inline constexpr Colour window{1, 1, 1};  // in a mask: the moving bitmap shows here

// A bitmap filled with `colour`; `paint` may then set single pixels.
inline gauge::bmp::IndexedBitmap solid(int width, int height, Colour colour) {
  gauge::bmp::IndexedBitmap bitmap{width, height, {colour}, std::vector<uint8_t>(size_t(width) * height, 0)};
  return bitmap;
}

inline void paint(gauge::bmp::IndexedBitmap& bitmap, int x, int y, Colour colour) {
  auto entry = std::find(bitmap.palette.begin(), bitmap.palette.end(), colour);
  if (entry == bitmap.palette.end()) entry = bitmap.palette.insert(bitmap.palette.end(), colour);
  bitmap.pixels[size_t(y) * bitmap.width + x] = static_cast<uint8_t>(entry - bitmap.palette.begin());
}

inline bool operator==(Rgba pixel, Colour colour) {
  return pixel.alpha == 255 && pixel.red == colour.red && pixel.green == colour.green && pixel.blue == colour.blue;
}

struct FixtureGauge {
  GaugeDescription description{.module_name = "Fixture"};
  std::map<int32_t, gauge::bmp::IndexedBitmap> bitmaps;

  // A root of `width` x `height` in the face colour, as bitmap 0x100.
  FixtureGauge(int width, int height) {
    bitmaps[0x100] = solid(width, height, face);
    add({.kind = ElementKind::static_image, .resource = 0x100});
  }

  size_t add(Element element) {
    description.elements.push_back(std::move(element));
    return description.elements.size() - 1;
  }

  // The module's bitmaps as a backend hands them out: without the file header.
  GaugeRenderer renderer() const {
    auto stored = bitmaps;
    return GaugeRenderer(description, [stored](int32_t resource) -> std::optional<std::vector<uint8_t>> {
      auto found = stored.find(resource);
      if (found == stored.end()) return std::nullopt;
      std::vector<uint8_t> file = gauge::bmp::encode(found->second);
      return std::vector<uint8_t>(file.begin() + 14, file.end());
    });
  }
};

// One frame's values for every element: `values` for `element`, the others none.
inline std::vector<ElementValues> frame_with(const FixtureGauge& gauge, size_t element, std::vector<double> values,
                                             uint32_t image_flags = 0x83, std::optional<std::string> text = {}) {
  std::vector<ElementValues> frame(gauge.description.elements.size());
  for (size_t index = 0; index < frame.size(); ++index) {
    frame[index].state.image_flags = gauge.description.elements[index].image_flags;
  }
  frame[element] = {std::move(values), {image_flags, std::move(text)}};
  return frame;
}

// The pixel `radius` pixels from the centre of pixel `pivot`, toward `degrees`
// clockwise from straight up.
inline Rgba pixel_toward(const GaugeImage& image, Point pivot, double degrees, double radius) {
  const double radians = degrees * std::numbers::pi / 180.0;
  return image.pixel(static_cast<int>(std::floor(pivot.x + 0.5 + radius * std::sin(radians))),
                     static_cast<int>(std::floor(pivot.y + 0.5 - radius * std::cos(radians))));
}

}  // namespace bench::testing
