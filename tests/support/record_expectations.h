// Checks that many gauges' record tests share: every element as it stands at
// load, the order of the mouse rectangle list, and bitmap sizes and palettes.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <vector>

#include "dib_reader.h"
#include "gauge_backend.h"

namespace bench::testing {

// Image flags 0x83, an empty failure list, and the module's own gauge header.
inline void expect_every_element_at_load(const GaugeDescription& gauge) {
  for (const auto& element : gauge.elements) {
    EXPECT_EQ(element.image_flags, 0x83u);
    EXPECT_EQ(element.failure_entries, 0u);
    EXPECT_TRUE(element.has_gauge_header);
  }
}

inline std::vector<MouseRectType> mouse_rect_types(const GaugeDescription& gauge) {
  std::vector<MouseRectType> types;
  for (const MouseRect& rect : gauge.mouse_rects) types.push_back(rect.type);
  return types;
}

struct BitmapSize {
  int32_t resource;
  int width, height;
  size_t colours;
};

inline void expect_bitmap_sizes(const GaugeBackend& backend, std::initializer_list<BitmapSize> bitmaps) {
  for (auto [resource, width, height, colours] : bitmaps) {
    const std::optional<std::vector<uint8_t>> bytes = backend.bitmap(resource);
    ASSERT_TRUE(bytes.has_value()) << "bitmap " << resource;
    const gauge::bmp::IndexedBitmap picture = read_dib(*bytes);
    EXPECT_EQ(picture.width, width) << "bitmap " << resource;
    EXPECT_EQ(picture.height, height) << "bitmap " << resource;
    EXPECT_EQ(picture.palette.size(), colours) << "bitmap " << resource;
  }
}

}  // namespace bench::testing
