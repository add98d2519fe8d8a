#include "cruise_state.h"

namespace bench {
namespace {

struct TokenSetting {
  uint32_t token;
  double value;
};

// Units are those the gauges read: temperatures in degrees Rankine, pressures
// in pounds per square foot, vertical speed in feet per second.
constexpr double rankine_of_celsius(double celsius) {
  return celsius / 0.5556 + 32.0 + 459.7;
}
constexpr double square_feet_per_square_inch = 1.0 / 0.00694;
constexpr double square_feet_per_inch_of_mercury = 70.72619;

constexpr TokenSetting cruise[] = {
    {0x301, 1.0},                                     // electrical power available
    {0x3D, 120.0},                                    // airspeed, knots
    {0x22C, 500.0 / 60.0},                            // climbing 500 feet per minute
    {0x4A, 3500.0},                                   // altitude, feet
    {0x4C, 29.92},                                    // pressure setting, inches of mercury
    {0x50, 15.0},                                     // bank, degrees, right wing down
    {0x4E, 2.0},                                      // pitch, degrees, nose up
    {0x46, 450.0},                                    // rate of turn to the right, below the two-minute mark
    {0x45, 0.0},                                      // ball centred: a coordinated turn
    {0x186, 1700.0},                                  // engine RPM, below the red arc at 1800
    {0x2BC, 1700.0},                                  // propeller RPM
    {0x194, 2200.0},                                  // propeller torque, foot-pounds
    {0x187, 24.0 * square_feet_per_inch_of_mercury},  // manifold pressure, 24 inches of mercury
    {0x19A, 0.45},                                    // turbo level
    {0x27E, 300.0},                                   // fuel flow, pounds per hour
    {0x19F, rankine_of_celsius(180.0)},               // cylinder-head temperature
    {0x237, rankine_of_celsius(480.0)},               // exhaust-gas temperature
    {0x231, rankine_of_celsius(80.0)},                // oil temperature
    {0x232, 55.0 * square_feet_per_square_inch},      // oil pressure, 55 psi
    {0x130, 60.0},                                    // front tank, gallons
    {0x12F, 45.0},                                    // rear tank, gallons
    {0x2F0, 28.0},                                    // bus voltage
    {0x2EF, 10.0},                                    // charging current, amperes
};

}  // namespace

void set_cruise_state(GaugeSession& session) {
  for (const TokenSetting& setting : cruise) session.set_token(setting.token, setting.value);
}

}  // namespace bench
