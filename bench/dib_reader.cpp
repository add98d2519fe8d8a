#include "dib_reader.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace bench {
namespace {

constexpr size_t file_header_size = 14;

uint32_t read_u32(std::span<const uint8_t> bytes, size_t offset) {
  if (offset + 4 > bytes.size())
    throw gauge::bmp::FormatError("bitmap truncated: its information header has " + std::to_string(bytes.size()) +
                                  " bytes");
  return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
         static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

void put_u32(std::vector<uint8_t>& bytes, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
}

}  // namespace

// A resource has no file header, so where its pixels start follows from the
// information header and the palette; with that header put back in front, the
// file reader checks everything else.
gauge::bmp::IndexedBitmap read_dib(std::span<const uint8_t> dib) {
  const uint32_t header_size = read_u32(dib, 0);
  const int64_t width = static_cast<int32_t>(read_u32(dib, 4));
  const int64_t height = std::abs(static_cast<int64_t>(static_cast<int32_t>(read_u32(dib, 8))));
  const uint32_t colours_used = read_u32(dib, 32);
  if (width > largest_bitmap_side || height > largest_bitmap_side)
    throw gauge::bmp::FormatError("bitmap of " + std::to_string(width) + " x " + std::to_string(height) +
                                  " pixels is larger than the bench draws");
  if (header_size > dib.size() || colours_used > 256)
    throw gauge::bmp::FormatError("bitmap header states " + std::to_string(header_size) + " header bytes and " +
                                  std::to_string(colours_used) + " palette entries; the resource has " +
                                  std::to_string(dib.size()) + " bytes");
  const uint64_t palette_size = 4 * uint64_t{colours_used == 0 ? 256 : colours_used};
  const uint64_t pixel_offset = file_header_size + header_size + palette_size;
  const uint64_t file_size = file_header_size + dib.size();

  std::vector<uint8_t> file{'B', 'M'};
  file.reserve(file_size);
  put_u32(file, static_cast<uint32_t>(file_size));
  put_u32(file, 0);
  put_u32(file, static_cast<uint32_t>(pixel_offset));
  file.insert(file.end(), dib.begin(), dib.end());
  return gauge::bmp::decode(file);
}

}  // namespace bench
