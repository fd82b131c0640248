// Opening and writing a 1,000,000-record graphics command file.
// Prints records per second and the peak resident memory against the size
// of the store.

#include <benchmark/benchmark.h>

#include "million_file.h"
#include "peak_memory.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "drawing/command_file.h"
#include "drawing/recovery_journal.h"
#include "drawing/recovery_journal.h"
#include "kinds/registry.h"
#include "text/field_format.h"
#include "drawing/translation_setup.h"

namespace {

constexpr long kRecords = plv::bench::kMillion;
const std::string& input_file() { return plv::bench::million_record_file(); }
std::string bench_dir_file(const std::string& name) { return plv::bench::run_folder().file(name); }

long current_rss_bytes() {
  std::ifstream statm("/proc/self/statm");
  long pages_total = 0, pages_resident = 0;
  statm >> pages_total >> pages_resident;
  return pages_resident * 4096;
}

void reset_peak_rss() { std::ofstream("/proc/self/clear_refs") << "5"; }

void BM_OpenCommandFile(benchmark::State& state) {
  const std::string& path = input_file();
  for (auto _ : state) {
    plv::RecordStore store;
    const plv::CommandFileRead read = plv::read_command_file(path, store, plv::kinds());
    if (!read.ok() || store.count() < kRecords) state.SkipWithError("open failed");
  }
  state.counters["records_per_s"] = benchmark::Counter(static_cast<double>(kRecords) * state.iterations(),
                                                       benchmark::Counter::kIsRate);
}

// Peak memory of one open, measured in a fresh child process so that memory
// the allocator kept from earlier runs does not hide it.
void BM_OpenPeakMemory(benchmark::State& state) {
  const std::string& path = input_file();
  double result[2] = {0, 0};
  for (auto _ : state) {
    int fds[2];
    if (pipe(fds) != 0) state.SkipWithError("pipe failed");
    const pid_t child = fork();
    if (child == 0) {
      const long baseline = current_rss_bytes();
      reset_peak_rss();
      plv::RecordStore store;
      plv::read_command_file(path, store, plv::kinds());
      const double measured[2] = {static_cast<double>(plv::bench::peak_rss_bytes() - baseline),
                                  static_cast<double>(store.count()) * sizeof(plv::Record)};
      (void)!write(fds[1], measured, sizeof measured);
      _exit(0);
    }
    close(fds[1]);
    (void)!read(fds[0], result, sizeof result);
    close(fds[0]);
    waitpid(child, nullptr, 0);
  }
  state.counters["peak_MB"] = result[0] / 1e6;
  state.counters["store_MB"] = result[1] / 1e6;
  state.counters["peak_per_store"] = result[0] / result[1];
}

// Arg 1: as the editor writes, noting where each record went and making
// the head of the recovery copy begun on the file written.
void BM_WriteCommandFile(benchmark::State& state) {
  plv::RecordStore store;
  plv::read_command_file(input_file(), store, plv::kinds());
  const std::string out = bench_dir_file("written.plv");
  const plv::CommandFileHeader header{out, std::string(plv::kDefaultSetupLine), " 8-DEC-26"};
  const bool as_the_editor = state.range(0) == 1;
  for (auto _ : state) {
    plv::FilePlaces places;
    const plv::CommandFileWrite w =
        plv::write_command_file(out, header, store, plv::kinds(), as_the_editor ? &places : nullptr);
    if (!w.ok()) state.SkipWithError(w.error.c_str());
    if (!as_the_editor) continue;
    namespace r = plv::recovery;
    const auto head = r::head_as_written(out, r::identity_of(out).value_or(r::FileIdentity{}), store, places);
    benchmark::DoNotOptimize(r::head_text(head, {}));
  }
  state.counters["records_per_s"] = benchmark::Counter(static_cast<double>(store.count()) * state.iterations(),
                                                       benchmark::Counter::kIsRate);
}

BENCHMARK(BM_OpenCommandFile)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_OpenPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_WriteCommandFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
