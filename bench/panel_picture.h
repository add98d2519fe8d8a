// The panel picture: gauges in a grid on a dark panel, each with its module's
// name under it; a module that could not be drawn leaves a marked placeholder.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "gauge_image.h"

namespace bench {

struct PanelGauge {
  std::string name;
  std::optional<GaugeImage> picture;  // nothing: the module could not be drawn
};

GaugeImage compose_panel(const std::vector<PanelGauge>& gauges);

}  // namespace bench
