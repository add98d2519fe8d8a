// What running the shipped modules in the emulator costs: one frame (update,
// every value callback, draw) of each module, native and emulated, and of the
// whole panel; printed at the end as a table of ratios, with the x86
// instructions each emulated frame executes and the emulated panel frame's
// share of a 60 Hz frame.
#include <benchmark/benchmark.h>
#include <fmt/format.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "emulated_backend.h"
#include "gauge_session.h"

namespace {

namespace fs = std::filesystem;

constexpr uint32_t power_token = 0x301;
constexpr double sixty_hertz_frame_us = 1e6 / 60;
const std::vector<std::string> backends = {"native", "pe32"};

fs::path module_directory(const std::string& backend) {
  return backend == "native" ? fs::path(GAUGE_NATIVE_MODULES) : fs::path(GAUGE_SHIPPED_MODULES);
}

// The modules present in both builds, by name.
std::vector<std::string> module_names() {
  std::vector<std::string> names;
  if (!fs::is_directory(module_directory("pe32"))) return names;
  for (const auto& entry : fs::directory_iterator(module_directory("pe32"))) {
    if (entry.path().extension() != ".gau") continue;
    const auto name = entry.path().stem().string();
    if (fs::exists(module_directory("native") / (name + ".gau"))) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Powered, and past the first draw, so that every frame measured is alike.
std::unique_ptr<bench::GaugeSession> running_session(const std::string& backend, const std::string& module) {
  auto session = std::make_unique<bench::GaugeSession>(module_directory(backend) / (module + ".gau"));
  session->add_instance();
  session->set_token(power_token, 1.0);
  session->run_frames(2);
  return session;
}

uint64_t instructions(const std::vector<std::unique_ptr<bench::GaugeSession>>& sessions) {
  uint64_t total = 0;
  for (const auto& session : sessions) total += bench::emulated_instructions(session->backend()).value_or(0);
  return total;
}

void run_frames(benchmark::State& state, const std::string& backend, const std::vector<std::string>& modules) {
  std::vector<std::unique_ptr<bench::GaugeSession>> sessions;
  for (const auto& module : modules) sessions.push_back(running_session(backend, module));
  const uint64_t before = instructions(sessions);
  for (auto _ : state) {
    for (auto& session : sessions) session->run_frames(1);
  }
  if (backend == "pe32") {
    state.counters["x86_instructions"] =
        benchmark::Counter(static_cast<double>(instructions(sessions) - before), benchmark::Counter::kAvgIterations);
  }
}

// The console output as usual, then the native and emulated times side by side.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      const std::string name = run.benchmark_name();
      const auto slash = name.rfind('/');
      auto& row = rows_[name.substr(0, slash)];
      const double microseconds = run.GetAdjustedRealTime() *
                                  benchmark::GetTimeUnitMultiplier(benchmark::kMicrosecond) /
                                  benchmark::GetTimeUnitMultiplier(run.time_unit);
      if (name.substr(slash + 1) == "native") {
        row.native_us = microseconds;
      } else {
        row.emulated_us = microseconds;
        if (auto found = run.counters.find("x86_instructions"); found != run.counters.end()) {
          row.instructions = found->second.value;
        }
      }
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    auto& out = GetOutputStream();
    out << fmt::format("\n{:<34} {:>12} {:>12} {:>8} {:>18}\n", "one frame of", "native µs", "emulated µs", "ratio",
                       "x86 instructions");
    for (const auto& [name, row] : rows_) {
      out << fmt::format("{:<34} {:>12.2f} {:>12.2f} {:>8.1f} {:>18.0f}\n", name, row.native_us, row.emulated_us,
                         row.emulated_us / row.native_us, row.instructions);
    }
    if (auto panel = rows_.find("Panel"); panel != rows_.end()) {
      out << fmt::format("\nThe emulated panel frame takes {:.2f} ms, {:.1f}% of a 60 Hz frame ({:.1f} ms).\n",
                         panel->second.emulated_us / 1000, 100 * panel->second.emulated_us / sixty_hertz_frame_us,
                         sixty_hertz_frame_us / 1000);
    }
  }

 private:
  struct Row {
    double native_us = 0;
    double emulated_us = 0;
    double instructions = 0;
  };
  std::map<std::string, Row> rows_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const auto modules = module_names();
  if (modules.empty()) {
    std::cerr << "No shipped modules in " << module_directory("pe32")
              << ": build the win32 preset and copy its modules there first (scripts/build-all).\n";
    return 1;
  }
  for (const auto& backend : backends) {
    for (const auto& module : modules) {
      benchmark::RegisterBenchmark(("Frame/" + module + "/" + backend).c_str(), run_frames, backend,
                                   std::vector{module})
          ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark(("Panel/" + backend).c_str(), run_frames, backend, modules)
        ->Unit(benchmark::kMicrosecond);
  }
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
