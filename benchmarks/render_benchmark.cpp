// The cost of drawing each built gauge in the cruise state, against drawing
// its background alone, untransformed, in the same run: the "ratio" counter
// is what turning needles, masks and text add.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <vector>

#include "cruise_state.h"
#include "gauge_renderer.h"
#include "gauge_session.h"

namespace {

using Clock = std::chrono::steady_clock;

void draw_gauge(benchmark::State& state, const std::filesystem::path& module) {
  bench::GaugeSession session(module);
  bench::set_cruise_state(session);
  session.add_instance();
  session.run_frames(2);
  bench::GaugeRenderer renderer(session.backend());
  renderer.draw_frame(session.last_frame());  // bitmaps are read once, before the timing

  Clock::duration gauge{};
  Clock::duration background{};
  for (auto _ : state) {
    const auto start = Clock::now();
    benchmark::DoNotOptimize(renderer.draw_frame(session.last_frame()));
    const auto middle = Clock::now();
    benchmark::DoNotOptimize(renderer.draw_background());
    gauge += middle - start;
    background += Clock::now() - middle;
  }
  const auto microseconds = [&](Clock::duration total) {
    return std::chrono::duration<double, std::micro>(total).count() / static_cast<double>(state.iterations());
  };
  state.counters["gauge_us"] = microseconds(gauge);
  state.counters["background_us"] = microseconds(background);
  state.counters["ratio"] = microseconds(gauge) / microseconds(background);
  session.kill_all();
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> modules;
  for (const auto& entry : std::filesystem::directory_iterator(GAUGE_NATIVE_MODULES)) {
    if (entry.path().extension() == ".gau") modules.push_back(entry.path());
  }
  std::sort(modules.begin(), modules.end());
  for (const auto& module : modules) {
    benchmark::RegisterBenchmark(("draw/" + module.stem().string()).c_str(), draw_gauge, module)
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
