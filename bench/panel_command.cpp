#include "panel_command.h"

#include <fmt/format.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <stdexcept>

#include "cruise_state.h"
#include "gauge_renderer.h"
#include "gauge_session.h"
#include "panel_picture.h"

namespace bench {
namespace {

struct PanelOptions {
  std::string directory;
  std::string png;
};

std::vector<std::filesystem::path> modules_in(const std::filesystem::path& directory) {
  if (!std::filesystem::is_directory(directory))
    throw std::runtime_error(fmt::format("panel: {} is not a directory", directory.string()));
  std::vector<std::filesystem::path> modules;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    if (entry.path().extension() == ".gau") modules.push_back(entry.path());
  }
  std::sort(modules.begin(), modules.end());
  return modules;
}

// The gauge after two frames of the cruise state: the first frame's draw
// turns power_on off again, the second shows the powered gauge.
GaugeImage cruising(const std::filesystem::path& module) {
  GaugeSession session(module);
  set_cruise_state(session);
  session.add_instance();
  session.run_frames(2);
  GaugeImage picture = GaugeRenderer(session.backend()).draw_frame(session.last_frame());
  session.kill_all();
  return picture;
}

void draw_panel(const PanelOptions& options) {
  std::vector<PanelGauge> gauges;
  bool any_drawn = false;
  for (const auto& module : modules_in(options.directory)) {
    PanelGauge gauge{module.stem().string(), std::nullopt};
    try {
      gauge.picture = cruising(module);
      any_drawn = true;
    } catch (const std::exception& error) {
      std::cerr << "gauge-bench: panel: skipping " << module.filename().string() << ": " << error.what() << "\n";
    }
    gauges.push_back(std::move(gauge));
  }
  if (!any_drawn) throw std::runtime_error(fmt::format("panel: no module in {} could be drawn", options.directory));
  compose_panel(gauges).save_png(options.png);
}

}  // namespace

void add_panel_command(CLI::App& app) {
  auto options = std::make_shared<PanelOptions>();
  auto* command = app.add_subcommand("panel", "Draw every module of a directory on one panel, cruising");
  command->add_option("directory", options->directory, "the directory of .gau modules")->required();
  command->add_option("--png", options->png, "the PNG file to write")->required();
  command->callback([options] { draw_panel(*options); });
}

}  // namespace bench
