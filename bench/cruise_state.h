// One plausible moment of flight for the whole panel: a powered aircraft
// cruising and gently turning right while it climbs. The panel picture and the
// render benchmark show every gauge in this state.
#pragma once

#include "gauge_session.h"

namespace bench {

void set_cruise_state(GaugeSession& session);

}  // namespace bench
