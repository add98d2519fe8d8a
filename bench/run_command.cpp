#include "run_command.h"

#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gauge_renderer.h"
#include "gauge_session.h"
#include "run_report.h"
#include "run_steps.h"

namespace bench {
namespace {

struct RunOptions {
  std::string module;
  bool json = false;
  std::string png;
  std::string sound = "present";
  std::vector<std::string> settings, frame_counts, clicks;
  CLI::Option* set_option = nullptr;
  CLI::Option* frames_option = nullptr;
  CLI::Option* click_option = nullptr;
  CLI::Option* add_option = nullptr;
  CLI::Option* kill_option = nullptr;
};

// The steps in the order they stand on the command line.
std::vector<RunStep> steps_in_order(const CLI::App& command, const RunOptions& options) {
  std::vector<RunStep> steps;
  size_t setting = 0, frame_count = 0, click = 0;
  for (const CLI::Option* option : command.parse_order()) {
    if (option == options.set_option) steps.push_back(parse_setting(options.settings.at(setting++)));
    if (option == options.frames_option) steps.push_back(parse_frame_count(options.frame_counts.at(frame_count++)));
    if (option == options.click_option) steps.push_back(parse_click(options.clicks.at(click++)));
    if (option == options.add_option) steps.push_back(AddInstance{});
    if (option == options.kill_option) steps.push_back(KillInstance{});
  }
  return steps;
}

void run(const CLI::App& command, const RunOptions& options) {
  const SoundMode sound_mode = [&] {
    try {
      return parse_sound_mode(options.sound);
    } catch (const std::invalid_argument& error) {
      throw UsageError(std::string("--sound: ") + error.what());
    }
  }();
  const std::vector<RunStep> steps = steps_in_order(command, options);

  GaugeSession session(options.module, sound_mode);
  session.add_instance();
  for (const RunStep& step : steps) perform(session, step);

  GaugeRenderer renderer(session.backend());
  const std::vector<Placement> placements = renderer.place(session.last_frame());
  if (!options.png.empty()) renderer.draw(placements).save_png(options.png);
  session.kill_all();

  const nlohmann::ordered_json report = run_report(session, placements);
  // Built whole before anything is written, so a failure leaves standard output empty.
  std::cout << (options.json ? report.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n"
                             : run_summary(report));
}

}  // namespace

void add_run_command(CLI::App& app) {
  auto options = std::make_shared<RunOptions>();
  auto* command = app.add_subcommand("run", "Run a gauge through scripted steps and report what it shows");
  command->add_option("module", options->module, "the .gau module")->required();
  auto step = [command](const char* name, std::vector<std::string>& texts, const char* help) {
    return command->add_option(name, texts, help)->allow_extra_args(false)->group("Steps, in command-line order");
  };
  options->set_option = step("--set", options->settings, "TOKEN=VALUE: set a token (0x3D=95.5, 61=nan)");
  options->frames_option = step("--frames", options->frame_counts, "N: run N frames of every live instance");
  options->click_option = step("--click", options->clicks, "X,Y: a left click at (X, Y) on the gauge");
  options->add_option = command->add_flag("--add-instance")
                            ->description("create another instance")
                            ->group("Steps, in command-line order");
  options->kill_option = command->add_flag("--kill-instance")
                             ->description("kill the newest live instance")
                             ->group("Steps, in command-line order");
  command->add_flag("--json", options->json, "print one JSON object instead of a summary");
  command->add_option("--png", options->png, "draw the gauge after the last step into this PNG file");
  command->add_option("--sound", options->sound, "the sound library: present, absent or no-terminate");
  command->callback([command, options] { run(*command, *options); });
}

}  // namespace bench
