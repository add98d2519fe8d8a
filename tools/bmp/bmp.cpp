#include "gauge/bmp.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace gauge::bmp {
namespace {

constexpr std::size_t file_header_size = 14;
constexpr std::size_t info_header_size = 40;
constexpr std::uint32_t bits_per_pixel = 8;
constexpr std::uint32_t no_compression = 0;      // BI_RGB
constexpr std::int32_t pixels_per_metre = 2835;  // 72 dots per inch
// Far beyond any gauge picture; keeps every size computation well inside 64 bits.
constexpr std::int64_t largest_side = 1 << 15;

std::size_t row_stride(int width) {
  return (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
}

class Writer {
 public:
  explicit Writer(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  void u8(std::uint8_t value) { bytes_.push_back(value); }
  void u16(std::uint16_t value) {
    u8(static_cast<std::uint8_t>(value));
    u8(static_cast<std::uint8_t>(value >> 8));
  }
  void u32(std::uint32_t value) {
    u16(static_cast<std::uint16_t>(value));
    u16(static_cast<std::uint16_t>(value >> 16));
  }
  void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }

 private:
  std::vector<std::uint8_t>& bytes_;
};

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint16_t u16(std::size_t offset, const char* field) const {
    need(offset + 2, field);
    return static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
  }
  std::uint32_t u32(std::size_t offset, const char* field) const {
    return u16(offset, field) | static_cast<std::uint32_t>(u16(offset + 2, field)) << 16;
  }
  std::int32_t i32(std::size_t offset, const char* field) const {
    return static_cast<std::int32_t>(u32(offset, field));
  }
  void need(std::size_t end, const char* what) const {
    if (end > bytes_.size())
      throw FormatError("bitmap truncated: " + std::string(what) + " needs " + std::to_string(end) +
                        " bytes, the file has " + std::to_string(bytes_.size()));
  }
  std::uint8_t operator[](std::size_t offset) const { return bytes_[offset]; }

 private:
  std::span<const std::uint8_t> bytes_;
};

}  // namespace

std::vector<std::uint8_t> encode(const IndexedBitmap& bitmap) {
  if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.width > largest_side || bitmap.height > largest_side)
    throw FormatError("bitmap size " + std::to_string(bitmap.width) + " x " + std::to_string(bitmap.height) +
                      " cannot be written");
  if (bitmap.palette.empty() || bitmap.palette.size() > 256)
    throw FormatError("a palette of " + std::to_string(bitmap.palette.size()) + " entries cannot be written");
  if (bitmap.pixels.size() != static_cast<std::size_t>(bitmap.width) * bitmap.height)
    throw FormatError("bitmap has " + std::to_string(bitmap.pixels.size()) + " pixels, its size needs " +
                      std::to_string(static_cast<std::size_t>(bitmap.width) * bitmap.height));
  for (std::uint8_t index : bitmap.pixels)
    if (index >= bitmap.palette.size())
      throw FormatError("pixel index " + std::to_string(index) + " lies outside the palette of " +
                        std::to_string(bitmap.palette.size()) + " entries");

  const std::size_t stride = row_stride(bitmap.width);
  const std::size_t pixel_offset = file_header_size + info_header_size + 4 * bitmap.palette.size();
  const std::size_t image_size = stride * bitmap.height;

  std::vector<std::uint8_t> bytes;
  bytes.reserve(pixel_offset + image_size);
  Writer out(bytes);
  // BITMAPFILEHEADER
  out.u8('B');
  out.u8('M');
  out.u32(static_cast<std::uint32_t>(pixel_offset + image_size));
  out.u16(0);
  out.u16(0);
  out.u32(static_cast<std::uint32_t>(pixel_offset));
  // BITMAPINFOHEADER
  out.u32(info_header_size);
  out.i32(bitmap.width);
  out.i32(bitmap.height);  // positive: rows bottom-up
  out.u16(1);              // planes
  out.u16(bits_per_pixel);
  out.u32(no_compression);
  out.u32(static_cast<std::uint32_t>(image_size));
  out.i32(pixels_per_metre);
  out.i32(pixels_per_metre);
  out.u32(static_cast<std::uint32_t>(bitmap.palette.size()));  // biClrUsed
  out.u32(0);                                                  // biClrImportant: all
  // Palette, RGBQUAD: blue, green, red, reserved.
  for (const Colour& colour : bitmap.palette) {
    out.u8(colour.blue);
    out.u8(colour.green);
    out.u8(colour.red);
    out.u8(0);
  }
  for (int row = bitmap.height - 1; row >= 0; --row) {
    const auto first = bitmap.pixels.begin() + static_cast<std::ptrdiff_t>(row) * bitmap.width;
    bytes.insert(bytes.end(), first, first + bitmap.width);
    bytes.insert(bytes.end(), stride - bitmap.width, std::uint8_t{0});
  }
  return bytes;
}

IndexedBitmap decode(std::span<const std::uint8_t> file) {
  const Reader in(file);
  in.need(2, "signature");
  if (in[0] != 'B' || in[1] != 'M') throw FormatError("not a bitmap: the file does not start with \"BM\"");
  const std::uint32_t pixel_offset = in.u32(10, "file header");
  const std::uint32_t header_size = in.u32(14, "info header");
  if (header_size < info_header_size)
    throw FormatError("info header of " + std::to_string(header_size) + " bytes; at least 40 expected");
  in.need(file_header_size + info_header_size, "info header");
  const std::int64_t width = in.i32(18, "info header");
  const std::int64_t signed_height = in.i32(22, "info header");
  const std::uint16_t planes = in.u16(26, "info header");
  const std::uint16_t bit_count = in.u16(28, "info header");
  const std::uint32_t compression = in.u32(30, "info header");
  const std::uint32_t colours_used = in.u32(46, "info header");

  const std::int64_t height = std::abs(signed_height);
  if (width <= 0 || height == 0 || width > largest_side || height > largest_side)
    throw FormatError("unsupported bitmap size " + std::to_string(width) + " x " + std::to_string(signed_height));
  if (planes != 1) throw FormatError("bitmap has " + std::to_string(planes) + " planes; 1 expected");
  if (bit_count != bits_per_pixel)
    throw FormatError("bitmap has " + std::to_string(bit_count) + " bits per pixel; 8 expected");
  if (compression != no_compression)
    throw FormatError("bitmap is compressed (method " + std::to_string(compression) + "); none expected");
  if (colours_used > 256)
    throw FormatError("bitmap states " + std::to_string(colours_used) + " palette entries; at most 256 allowed");

  IndexedBitmap bitmap;
  bitmap.width = static_cast<int>(width);
  bitmap.height = static_cast<int>(height);
  const std::size_t palette_size = colours_used == 0 ? 256 : colours_used;
  const std::size_t palette_offset = file_header_size + header_size;
  in.need(palette_offset + 4 * palette_size, "palette");
  if (pixel_offset < palette_offset + 4 * palette_size)
    throw FormatError("pixel data at offset " + std::to_string(pixel_offset) + " overlaps the palette");
  bitmap.palette.reserve(palette_size);
  for (std::size_t entry = 0; entry < palette_size; ++entry) {
    const std::size_t at = palette_offset + 4 * entry;
    bitmap.palette.push_back(Colour{.red = in[at + 2], .green = in[at + 1], .blue = in[at]});
  }

  const std::size_t stride = row_stride(bitmap.width);
  in.need(pixel_offset + stride * bitmap.height, "pixel data");
  bitmap.pixels.resize(static_cast<std::size_t>(bitmap.width) * bitmap.height);
  for (int stored_row = 0; stored_row < bitmap.height; ++stored_row) {
    const int row = signed_height > 0 ? bitmap.height - 1 - stored_row : stored_row;
    for (int x = 0; x < bitmap.width; ++x) {
      const std::uint8_t index = in[pixel_offset + stride * stored_row + x];
      if (index >= palette_size)
        throw FormatError("pixel (" + std::to_string(x) + ", " + std::to_string(row) + ") uses palette entry " +
                          std::to_string(index) + " of " + std::to_string(palette_size));
      bitmap.pixels[static_cast<std::size_t>(row) * bitmap.width + x] = index;
    }
  }
  return bitmap;
}

void write_file(const std::filesystem::path& path, const IndexedBitmap& bitmap) {
  const std::vector<std::uint8_t> bytes = encode(bitmap);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

IndexedBitmap read_file(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open " + path.string());
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) throw std::runtime_error("cannot read " + path.string());
  try {
    return decode(bytes);
  } catch (const FormatError& error) {
    throw FormatError(path.string() + ": " + error.what());
  }
}

}  // namespace gauge::bmp
