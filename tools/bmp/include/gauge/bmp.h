// The bitmap format the gauge modules carry as resources: a Windows BMP with a
// BITMAPFILEHEADER, a 40-byte BITMAPINFOHEADER, 8 bits per pixel, a palette of
// 1 to 256 entries (biClrUsed), no compression, rows bottom-up and padded to
// four bytes. The painter writes it; the bench reads it.
#pragma once

#include <compare>
#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <vector>

namespace gauge::bmp {

struct Colour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend constexpr auto operator<=>(const Colour&, const Colour&) = default;
};

// Pure black: the transparent colour of every gauge bitmap.
inline constexpr Colour transparent{0, 0, 0};

// An 8-bit indexed picture. Pixels are stored top row first (as one reads the
// picture); only the file stores them bottom-up.
struct IndexedBitmap {
  int width = 0;
  int height = 0;
  std::vector<Colour> palette;       // 1 to 256 entries
  std::vector<std::uint8_t> pixels;  // width * height palette indices

  std::uint8_t index_at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  Colour colour_at(int x, int y) const { return palette[index_at(x, y)]; }
  friend bool operator==(const IndexedBitmap&, const IndexedBitmap&) = default;
};

// Any file or buffer that is not a well-formed bitmap of this format.
class FormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Bytes of the file. Throws FormatError if the bitmap cannot be written in this
// format (size, palette size, an index outside the palette).
std::vector<std::uint8_t> encode(const IndexedBitmap& bitmap);

// Reads an 8-bit uncompressed bitmap (biClrUsed 0 means 256 entries; a negative
// height, rows top-down, is accepted too). Throws FormatError naming what is wrong.
IndexedBitmap decode(std::span<const std::uint8_t> file);

void write_file(const std::filesystem::path& path, const IndexedBitmap& bitmap);

// Throws FormatError (with the path in its message) for a malformed file and
// std::runtime_error for one that cannot be read.
IndexedBitmap read_file(const std::filesystem::path& path);

}  // namespace gauge::bmp
