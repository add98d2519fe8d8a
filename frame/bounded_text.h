// Numbers written into a text buffer the simulator provides: never more than
// the buffer holds, and always terminated, whatever the number.
#pragma once

#include <cstdint>

#include "gauge_records.h"

// Writes `number` formatted as "%.0f" at `buffer`, which holds `capacity`
// bytes: as much of the text as fits before a terminating NUL. A capacity of 0
// writes nothing.
void write_whole_number(char* buffer, uint32_t capacity, FLOAT64 number);
