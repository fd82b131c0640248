// The editor as a user runs it on a large drawing, headless: opening it,
// and opening it and drawing all of it (F4), beside a plvtool save of the
// same file in the same run. Prints the draw-all time (the second run less
// the first, best of three), its ratio to the save, and the editor's peak
// resident memory.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "child_run.h"
#include "million_file.h"

namespace {

using plv::bench::ChildRun;
using Clock = std::chrono::steady_clock;

struct Timed {
  ChildRun run;
  double seconds = 0;
};

Timed timed(const std::string& program, const std::vector<std::string>& args) {
  const auto start = Clock::now();
  Timed t;
  t.run = plv::bench::run_program(program, args);
  t.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  return t;
}

std::string script(const std::string& name, const std::string& keys) {
  const std::string path = plv::bench::run_folder().file(name);
  std::ofstream(path) << keys;
  return path;
}

// The editor keeps its settings (in the folder it runs in) and recovery
// copies in the run's folder.
void editor_state_in_run_folder() {
  setenv("PLIVET_STATE_DIR", plv::bench::run_folder().file("state").c_str(), 1);
  setenv("PLIVET_HOST_SETTINGS", plv::bench::run_folder().file("orvlab.ini").c_str(), 1);
  std::filesystem::current_path(plv::bench::run_folder().file(""));
}

void BM_EditorDrawAll(benchmark::State& state) {
  editor_state_in_run_folder();
  // The file name field holds 14 characters.
  const std::string in = plv::bench::run_folder().file("e" + std::to_string(state.range(0)) + ".plv");
  std::filesystem::copy_file(plv::bench::record_file(state.range(0)), in, std::filesystem::copy_options::overwrite_existing);
  const std::string open_only = script("open.txt", "key F10\n"), draw_all = script("draw-all.txt", "key F10\nkey F4\n");
  const std::string saved = plv::bench::run_folder().file("saved.plv");
  double open = 1e9, opened_and_drawn = 1e9, save = 1e9;
  long peak_kb = 0;
  bool ok = true;
  for (auto _ : state) {
    const Timed o = timed(PLIVET_PATH, {"--headless", "--play", open_only, in});
    const Timed d = timed(PLIVET_PATH, {"--headless", "--play", draw_all, in});
    const Timed s = timed(PLVTOOL_PATH, {"save", in, saved, "--date", " 8-DEC-26"});
    ok = ok && o.run.ok && d.run.ok && s.run.ok;
    open = std::min(open, o.seconds);
    opened_and_drawn = std::min(opened_and_drawn, d.seconds);
    save = std::min(save, s.seconds);
    peak_kb = std::max(peak_kb, d.run.peak_kb);
  }
  const double drawn = opened_and_drawn - open;
  if (!ok || !(drawn > 0)) state.SkipWithError("a run failed, or the drawing was not opened");
  state.counters["draw_all_ms"] = drawn * 1000;
  state.counters["save_ms"] = save * 1000;
  state.counters["draw_all_per_save"] = drawn / save;
  state.counters["peak_MB"] = static_cast<double>(peak_kb) / 1000;
}

BENCHMARK(BM_EditorDrawAll)->Arg(100'000)->Arg(plv::bench::kMillion)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace
BENCHMARK_MAIN();
