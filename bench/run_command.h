// `gauge-bench run MODULE [STEP]... [--json] [--png FILE] [--sound MODE]`:
// one instance of the gauge, the steps in command-line order, then every
// instance killed. Reports as JSON or as a summary, and draws the gauge as the
// last step left it.
#pragma once

#include <CLI/CLI.hpp>

namespace bench {
void add_run_command(CLI::App& app);
}
