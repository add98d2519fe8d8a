#include "needle_geometry.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace bench {

double normalised_degrees(double degrees) {
  double turned = std::fmod(degrees, 360.0);
  if (turned < 0) turned += 360.0;
  return turned >= 360.0 ? 0.0 : turned;  // -1e-15 + 360 rounds to 360
}

double direction_degrees(Point pivot, Point point) {
  const double right = point.x - pivot.x;
  const double up = pivot.y - point.y;
  return normalised_degrees(std::atan2(right, up) * 180.0 / std::numbers::pi);
}

std::optional<double> needle_angle(std::span<const CalibrationPoint> table, Point pivot, double value) {
  if (table.empty() || std::isnan(value)) return std::nullopt;
  if (table.size() == 1) return direction_degrees(pivot, table.front().point);

  // Each entry's angle unwrapped along the table, so that every step turns clockwise.
  std::vector<double> angles{direction_degrees(pivot, table.front().point)};
  for (size_t entry = 1; entry < table.size(); ++entry) {
    const double step = direction_degrees(pivot, table[entry].point) - direction_degrees(pivot, table[entry - 1].point);
    angles.push_back(angles.back() + normalised_degrees(step));
  }

  auto along = [&](size_t segment) -> std::optional<double> {
    const double from = table[segment].value;
    const double to = table[segment + 1].value;
    if (from == to) return angles[segment];
    const double angle = angles[segment] + (value - from) / (to - from) * (angles[segment + 1] - angles[segment]);
    if (!std::isfinite(angle)) return std::nullopt;
    return normalised_degrees(angle);
  };

  for (size_t segment = 0; segment + 1 < table.size(); ++segment) {
    const double from = table[segment].value;
    const double to = table[segment + 1].value;
    if ((from <= value && value <= to) || (to <= value && value <= from)) return along(segment);
  }
  // Outside the table: continue the end segment on the side the value lies.
  const bool rising = table.back().value >= table.front().value;
  const bool before_first = rising ? value < table.front().value : value > table.front().value;
  return along(before_first ? 0 : table.size() - 2);
}

}  // namespace bench
