// The simulator's text buffer for a string element, as every backend provides
// it: 121 bytes (the longest text a gauge writes and its NUL), followed by a
// guard that shows a callback writing past the end.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <span>

namespace bench::text_buffer {

inline constexpr size_t size = 121;
inline constexpr size_t guard_size = 64;
inline constexpr char guard_byte = '\x5A';

// `buffer` holds the text buffer and its guard.
inline void prepare(std::span<char> buffer) {
  std::fill(buffer.begin(), buffer.begin() + size, '\0');
  std::fill(buffer.begin() + size, buffer.end(), guard_byte);
}

// Whether the callback wrote past the end or left no NUL inside; if so the
// guard and a final NUL are put back, so that the text reads as its first 120 bytes.
inline bool repair_overrun(std::span<char> buffer) {
  const bool overrun = std::any_of(buffer.begin() + size, buffer.end(), [](char c) { return c != guard_byte; });
  if (!overrun && std::memchr(buffer.data(), '\0', size) != nullptr) return false;
  std::fill(buffer.begin() + size, buffer.end(), guard_byte);
  buffer[size - 1] = '\0';
  return true;
}

}  // namespace bench::text_buffer
