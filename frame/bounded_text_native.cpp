// The native modules format through the C library.
#include <cstdio>

#include "bounded_text.h"

void write_whole_number(char* buffer, uint32_t capacity, FLOAT64 number) {
  if (capacity == 0) return;
  std::snprintf(buffer, capacity, "%.0f", number);
}
