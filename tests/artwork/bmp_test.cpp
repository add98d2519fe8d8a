#include "gauge/bmp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using gauge::bmp::Colour;
using gauge::bmp::decode;
using gauge::bmp::encode;
using gauge::bmp::FormatError;
using gauge::bmp::IndexedBitmap;

std::uint32_t u32_at(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 | std::uint32_t{bytes[offset + 3]} << 24;
}
std::uint16_t u16_at(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

// 3 x 2 pixels (rows padded by one byte), three colours; top row 0 1 2, bottom row 2 1 0.
IndexedBitmap small_bitmap() {
  return {.width = 3, .height = 2, .palette = {{0, 0, 0}, {10, 20, 30}, {200, 100, 50}}, .pixels = {0, 1, 2, 2, 1, 0}};
}

TEST(BmpWriter, WritesTheHeadersOfTheResourceFormat) {
  const std::vector<std::uint8_t> file = encode(small_bitmap());
  const std::size_t pixel_offset = 14 + 40 + 3 * 4;
  ASSERT_EQ(file.size(), pixel_offset + 2 * 4);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(u32_at(file, 2), file.size());    // bfSize
  EXPECT_EQ(u32_at(file, 10), pixel_offset);  // bfOffBits
  EXPECT_EQ(u32_at(file, 14), 40u);           // biSize
  EXPECT_EQ(u32_at(file, 18), 3u);            // biWidth
  EXPECT_EQ(u32_at(file, 22), 2u);            // biHeight, positive: bottom-up
  EXPECT_EQ(u16_at(file, 26), 1);             // biPlanes
  EXPECT_EQ(u16_at(file, 28), 8);             // biBitCount
  EXPECT_EQ(u32_at(file, 30), 0u);            // biCompression BI_RGB
  EXPECT_EQ(u32_at(file, 34), 2u * 4);        // biSizeImage
  EXPECT_EQ(u32_at(file, 46), 3u);            // biClrUsed: the palette's size
}

TEST(BmpWriter, WritesThePaletteAsBlueGreenRedReserved) {
  const std::vector<std::uint8_t> file = encode(small_bitmap());
  const std::vector<std::uint8_t> second_entry(file.begin() + 54 + 4, file.begin() + 54 + 8);
  EXPECT_EQ(second_entry, (std::vector<std::uint8_t>{30, 20, 10, 0}));
}

TEST(BmpWriter, StoresRowsBottomUpPaddedToFourBytes) {
  const std::vector<std::uint8_t> file = encode(small_bitmap());
  const std::vector<std::uint8_t> rows(file.begin() + 66, file.end());
  EXPECT_EQ(rows, (std::vector<std::uint8_t>{2, 1, 0, 0, /* top row: */ 0, 1, 2, 0}));
}

TEST(BmpWriter, RefusesIndexOutsideThePalette) {
  IndexedBitmap bitmap = small_bitmap();
  bitmap.pixels[4] = 3;
  EXPECT_THROW(encode(bitmap), FormatError);
}

TEST(BmpReader, ReadsBackWhatTheWriterWrote) {
  for (const int width : {1, 2, 3, 4, 5, 137}) {
    IndexedBitmap bitmap{.width = width, .height = 3, .palette = std::vector<Colour>(256), .pixels = {}};
    for (int entry = 0; entry < 256; ++entry)
      bitmap.palette[entry] = {static_cast<std::uint8_t>(entry), static_cast<std::uint8_t>(255 - entry), 7};
    for (int i = 0; i < width * 3; ++i) bitmap.pixels.push_back(static_cast<std::uint8_t>(i * 37));
    EXPECT_EQ(decode(encode(bitmap)), bitmap) << "width " << width;
  }
}

TEST(BmpReader, ReadsTopDownRowsAndAFullPaletteWhenNoneIsStated) {
  std::vector<std::uint8_t> file = encode(small_bitmap());
  const std::int32_t top_down = -2;
  for (int i = 0; i < 4; ++i) file[22 + i] = static_cast<std::uint8_t>(top_down >> (8 * i));
  const IndexedBitmap read = decode(file);
  EXPECT_EQ(read.pixels, (std::vector<std::uint8_t>{2, 1, 0, 0, 1, 2}));

  IndexedBitmap full = small_bitmap();
  full.palette.resize(256);
  file = encode(full);
  file[46] = file[47] = 0;  // biClrUsed 0 means 256 entries
  EXPECT_EQ(decode(file).palette.size(), 256u);
}

struct Malformed {
  const char* fault;
  std::size_t offset;  // byte changed, or the length the file is cut to
  int value;           // new byte value; -1: cut the file at offset
};

void PrintTo(const Malformed& fault, std::ostream* out) {
  *out << fault.fault;
}

class BmpReaderRefuses : public testing::TestWithParam<Malformed> {};

TEST_P(BmpReaderRefuses, WithAClearError) {
  std::vector<std::uint8_t> file = encode(small_bitmap());
  const Malformed& fault = GetParam();
  if (fault.value < 0)
    file.resize(fault.offset);
  else
    file[fault.offset] = static_cast<std::uint8_t>(fault.value);
  try {
    decode(file);
    FAIL() << "decoded a bitmap with " << fault.fault;
  } catch (const FormatError& error) {
    EXPECT_STRNE(error.what(), "");
  }
}

INSTANTIATE_TEST_SUITE_P(MalformedFiles, BmpReaderRefuses,
                         testing::Values(Malformed{"an empty file", 0, -1}, Malformed{"a cut file header", 9, -1},
                                         Malformed{"a cut info header", 30, -1}, Malformed{"a cut palette", 60, -1},
                                         Malformed{"cut pixel rows", 70, -1}, Malformed{"a wrong signature", 0, 'X'},
                                         Malformed{"a small info header", 14, 12},
                                         Malformed{"24 bits per pixel", 28, 24}, Malformed{"compression", 30, 1},
                                         Malformed{"a zero width", 18, 0}, Malformed{"a huge width", 21, 0x7F},
                                         Malformed{"300 palette entries", 47, 1},
                                         Malformed{"pixels inside the palette", 10, 20},
                                         Malformed{"an index beyond the palette", 66, 9}),
                         [](const testing::TestParamInfo<Malformed>& info) {
                           std::string name = info.param.fault;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
