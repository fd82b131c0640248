// Whole plvtool runs on a 1,000,000-record drawing, as a user starts them:
// save (read, convert, write) and render --primitives (memory must stay
// bounded whatever the drawing's size); render to PDF of 100,000 and
// 1,000,000 records, whose page is written as it is drawn. Prints the
// child's wall time and peak resident memory.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "child_run.h"
#include "million_file.h"

namespace {

using plv::bench::ChildRun;

ChildRun run_plvtool(const std::vector<std::string>& args) { return plv::bench::run_program(PLVTOOL_PATH, args); }

void BM_PlvtoolSave(benchmark::State& state) {
  const std::string& in = plv::bench::million_record_file();
  const std::string out = plv::bench::run_folder().file("saved.plv");
  ChildRun run;
  for (auto _ : state) run = run_plvtool({"save", in, out, "--date", " 8-DEC-26"});
  if (!run.ok) state.SkipWithError("plvtool save failed");
  state.counters["peak_MB"] = static_cast<double>(run.peak_kb) / 1000;
}

void BM_PlvtoolPrimitives(benchmark::State& state) {
  const std::string& in = plv::bench::million_record_file();
  ChildRun run;
  for (auto _ : state) run = run_plvtool({"render", in, "--primitives"});
  if (!run.ok) state.SkipWithError("plvtool render failed");
  state.counters["peak_MB"] = static_cast<double>(run.peak_kb) / 1000;
}

void BM_PlvtoolRenderPdf(benchmark::State& state) {
  const std::string in = plv::bench::record_file(state.range(0));
  const std::string out = plv::bench::run_folder().file("rendered.pdf");
  ChildRun run;
  for (auto _ : state) run = run_plvtool({"render", in, "-o", out});
  if (!run.ok) state.SkipWithError("plvtool render failed");
  state.counters["peak_MB"] = static_cast<double>(run.peak_kb) / 1000;
  state.counters["records_per_s"] =
      benchmark::Counter(static_cast<double>(state.range(0)) * state.iterations(), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_PlvtoolSave)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_PlvtoolPrimitives)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();
BENCHMARK(BM_PlvtoolRenderPdf)->Arg(100'000)->Arg(plv::bench::kMillion)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
