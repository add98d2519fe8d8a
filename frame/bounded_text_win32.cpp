// The shipped modules format through msvcrt's _snprintf, the one C runtime
// function they import.
#include "bounded_text.h"

extern "C" __declspec(dllimport) int __cdecl _snprintf(char* buffer, unsigned int count, const char* format, ...);

void write_whole_number(char* buffer, uint32_t capacity, FLOAT64 number) {
  if (capacity == 0) return;
  _snprintf(buffer, capacity, "%.0f", number);
  buffer[capacity - 1] = '\0';  // _snprintf leaves a text that fills the buffer unterminated
}
