// `gauge-bench panel DIR --png FILE`: every module in DIR in one cruise state,
// drawn side by side on one panel picture.
#pragma once

#include <CLI/CLI.hpp>

namespace bench {
void add_panel_command(CLI::App& app);
}
