// The unit conversions the gauges apply to simulator tokens before placing a
// needle or judging a warning light. One definition, so that every gauge that
// reads the same token (the oil dial and the annunciator's oil lights, the CHT
// and EGT dial) shows the same number for it.
//
// Each is written with the 64-bit constants and in the order the instruments
// define them; do not fold or reorder the steps, the results are pinned to
// these operations. The 32-bit build computes on the x87 unit, which may keep
// intermediate results with more precision than a double: its results can
// differ from the native build's in the last place or two, never more.
#pragma once

#include "gauge_records.h"

// Degrees Rankine to degrees Celsius: to Fahrenheit, then to Celsius.
constexpr FLOAT64 rankine_to_celsius(FLOAT64 rankine) {
  return ((rankine - 459.7) - 32.0) * 0.5556;
}

// Pounds per square foot to inches of mercury (70.72619 psf in one inHg).
constexpr FLOAT64 psf_to_inches_of_mercury(FLOAT64 psf) {
  return psf / 70.72619;
}

// Pounds per square foot to pounds per square inch.
constexpr FLOAT64 psf_to_psi(FLOAT64 psf) {
  return psf * 0.00694;
}
