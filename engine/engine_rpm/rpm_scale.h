// The RPM scale shared by the engine and propeller RPM dials: 0 to 2000
// revolutions per minute over 241 degrees through the top, about one pivot.
#pragma once

#include "gauge_records.h"

inline constexpr PIXPOINT rpm_pivot = {175, 168};
inline constexpr FLOAT64 rpm_limit = 2000.0;  // the 2000 mark, the end of the red arc

// The two calibration entries, lower left and lower right on one row.
inline constexpr NONLINEARITY rpm_zero_mark = {.point = {58, 237}, .value = 0};
inline constexpr NONLINEARITY rpm_limit_mark = {.point = {292, 237}, .value = rpm_limit};
