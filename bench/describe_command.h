// `gauge-bench describe MODULE`: the gauge's records as the bench reads them,
// and the values its callbacks give after one frame.
#pragma once

#include <CLI/CLI.hpp>

namespace bench {
void add_describe_command(CLI::App& app);
}
