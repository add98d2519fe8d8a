// Where a needle points for a value, from its calibration table.
//
// Angles are degrees clockwise from straight up (y grows downward), measured
// from the needle's pivot on the background to each table point. Between two
// consecutive entries the angle varies linearly with the value and turns
// clockwise from the earlier entry's point to the later one's, whether the
// values rise or fall along the table; a step whose points lie in the same
// direction does not turn. A two-entry table whose points lie one pixel apart
// at the top therefore sweeps one full turn less that pixel.
//
// Beyond either end of the table the needle goes on at the rate of the end
// segment: an altimeter needle fed 1500 on a 0..999 table keeps turning past
// the top. A value that is not a number, or one so large that no angle
// follows, gives no angle: the needle is not drawn.
#pragma once

#include <optional>
#include <span>

#include "gauge_model.h"

namespace bench {

// The direction of `point` seen from `pivot`, in [0, 360).
double direction_degrees(Point pivot, Point point);

// The needle's angle for `value`, in [0, 360); nothing for an empty table or
// a value that gives no finite angle.
std::optional<double> needle_angle(std::span<const CalibrationPoint> table, Point pivot, double value);

// Any finite angle in degrees brought into [0, 360).
double normalised_degrees(double degrees);

}  // namespace bench
