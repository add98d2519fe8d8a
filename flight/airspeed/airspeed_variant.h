// What makes this module the airspeed indicator it is; the wheeled variant's
// directory holds its own airspeed_variant.h for the same gauge source.
#pragma once

#include "gauge_records.h"

inline constexpr char airspeed_gauge_name[] = "Tarvon_Airspeed";
inline constexpr int32_t airspeed_dial_bitmap = 0x1700;
inline constexpr FLOAT64 speed_limit = 160.0;  // knots: the 160 mark, the end of the red arc
