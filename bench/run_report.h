// What `gauge-bench run` reports: one JSON object (its fields are described in
// bench/README.md; other tools read it, so it changes only by adding fields),
// and a short summary for people, made from the same object.
#pragma once

#include <nlohmann/json.hpp>
#include <span>
#include <string>

#include "element_placement.h"
#include "gauge_session.h"

namespace bench {

// Finite numbers as numbers; NaN and infinities as "nan", "inf", "-inf".
nlohmann::ordered_json json_number(double value);

// `placements` are those of the gauge as it stands after the last step.
nlohmann::ordered_json run_report(GaugeSession& session, std::span<const Placement> placements);

std::string run_summary(const nlohmann::ordered_json& report);

}  // namespace bench
