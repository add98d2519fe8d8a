// gauge-bench: loads a gauge module, drives it as the simulator would, and
// shows what it does.
#include <fmt/format.h>

#include <CLI/CLI.hpp>
#include <iostream>

#include "describe_command.h"
#include "panel_command.h"
#include "run_command.h"

int main(int argc, char** argv) {
  CLI::App app{"gauge-bench: loads, runs and shows flight-simulator gauge modules"};
  app.require_subcommand(1);
  bench::add_describe_command(app);
  bench::add_run_command(app);
  bench::add_panel_command(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == 0) return app.exit(error);
    std::cerr << "gauge-bench: " << error.what() << "\n";
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "gauge-bench: " << error.what() << "\n";
    return 2;
  }
  return 0;
}
