#include "describe_command.h"

#include <fmt/format.h>

#include <iostream>
#include <memory>

#include "gauge_session.h"

namespace bench {
namespace {

struct DescribeOptions {
  std::string module;
};

std::string describe_element(const Element& element, size_t index, const ElementValues* values) {
  std::string line = fmt::format("  {:>2} {:<7} bitmap 0x{:04X} at ({}, {})", index + 1, kind_name(element.kind),
                                 static_cast<uint32_t>(element.resource), element.position.x, element.position.y);
  if (element.kind == ElementKind::needle) {
    line += fmt::format(" pivot ({}, {}), table", element.offset.x, element.offset.y);
    for (const auto& entry : element.needle.calibration) {
      line += fmt::format(" ({},{})={}", entry.point.x, entry.point.y, entry.value);
    }
  }
  if (values != nullptr && !values->values.empty()) {
    line += " ->";
    for (double value : values->values) line += fmt::format(" {}", value);
  }
  return line;
}

void describe(const DescribeOptions& options) {
  GaugeSession session(options.module);
  session.set_token(0x301, 1.0);
  session.add_instance();
  session.run_frames(2);  // the first frame's draw resets power_on; the second shows the powered gauge
  const auto& gauge = session.description();
  std::cout << fmt::format("{} ({} module): gauge {}, tooltip {}\n", gauge.module_name, session.backend().format(),
                           gauge.gauge_name, gauge.tooltip ? "\"" + *gauge.tooltip + "\"" : "none");
  std::cout << "elements, in drawing order, with their values after a powered frame:\n";
  for (size_t index = 0; index < gauge.elements.size(); ++index) {
    const auto& frame = session.last_frame();
    std::cout << describe_element(gauge.elements[index], index, index < frame.size() ? &frame[index] : nullptr) << "\n";
  }
  for (const auto& area : gauge.click_areas) {
    std::cout << fmt::format("  click area ({}, {}, {}, {})\n", area.box.x, area.box.y, area.box.width,
                             area.box.height);
  }
  session.kill_all();
}

}  // namespace

void add_describe_command(CLI::App& app) {
  auto options = std::make_shared<DescribeOptions>();
  auto* command = app.add_subcommand("describe", "Show a module's gauge records and its values after a frame");
  command->add_option("module", options->module, "the .gau module")->required();
  command->callback([options] { describe(*options); });
}

}  // namespace bench
