// The airspeed indicator of the wheeled aircraft: the same gauge source
// (flight/airspeed/airspeed.cpp) with its own dial, whose scale and arcs reach
// 10 knots further.
#pragma once

#include "gauge_records.h"

inline constexpr char airspeed_gauge_name[] = "Tarvon_AirspeedWheeled";
inline constexpr int32_t airspeed_dial_bitmap = 0x1800;
inline constexpr FLOAT64 speed_limit = 170.0;  // knots: the 170 mark, the end of the red arc
