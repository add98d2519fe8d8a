// Texts a module hands the bench (string elements, tooltips) are bytes in the
// simulator's single-byte character set; the bench reads them as Latin-1.
#pragma once

#include <string>
#include <string_view>

namespace bench {

// One character per byte, as UTF-8.
inline std::string latin1_to_utf8(std::string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (unsigned char byte : text) {
    if (byte < 0x80) {
      utf8.push_back(static_cast<char>(byte));
    } else {
      utf8.push_back(static_cast<char>(0xC0 | byte >> 6));
      utf8.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    }
  }
  return utf8;
}

}  // namespace bench
