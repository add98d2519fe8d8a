// The service numbers the simulator calls a gauge with.
#pragma once

#include <cstdint>

namespace bench::service {
inline constexpr uint32_t initialize = 4;
inline constexpr uint32_t update = 6;
inline constexpr uint32_t draw = 10;
inline constexpr uint32_t kill = 12;
}  // namespace bench::service
