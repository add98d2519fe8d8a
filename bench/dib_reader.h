// Reads a module's bitmap resources. A resource holds the bytes of a .bmp file
// without its 14-byte file header: information header, palette, pixel rows.
#pragma once

#include <gauge/bmp.h>

#include <cstdint>
#include <span>

namespace bench {

// The largest side the bench draws; anything bigger is refused before any
// memory is taken for it (a gauge background is a few hundred pixels).
inline constexpr int largest_bitmap_side = 8192;

// Throws gauge::bmp::FormatError naming what is wrong with the bytes.
gauge::bmp::IndexedBitmap read_dib(std::span<const uint8_t> dib);

}  // namespace bench
