// Opening and writing a 1,000,000-record graphics command file.
// Prints records per second and the peak resident memory against the size
// of the store.

#include <benchmark/benchmark.h>

#include "peak_memory.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "drawing/command_file.h"
#include "kinds/registry.h"
#include "text/field_format.h"
#include "drawing/translation_setup.h"

namespace {

constexpr long kRecords = 1'000'000;

std::string bench_dir() {
  static const std::string dir = [] {
    auto d = std::filesystem::temp_directory_path() / "plivet-bench";
    std::filesystem::create_directories(d);
    return d.string();
  }();
  return dir;
}

std::string i6(long v) { return plv::fmt::int_text(6, v); }

// Mixed lines, LI most common, as a plotting program would write them.
std::string make_line(long n) {
  const long x = (n * 37) % 3000 - 1500, y = (n * 91) % 2400 - 1200;
  switch (n % 10) {
    case 0: return "SC BAR" + plv::fmt::int_text(4, n % 16);
    case 1: return "LA" + plv::fmt::int_text(3, n % 5) + "  0.1000000E+01  0.0000000E+00  0.0000000E+00";
    case 2: return "AR" + i6(x) + i6(y) + i6(-x) + i6(-y) + " N N Y N N 0.000";
    case 3: return "CH" + i6(x) + i6(y) + " 12 S 0 LABEL " + std::to_string(n);
    case 4: return "CI" + i6(x) + i6(y) + i6(x + 50) + i6(y) + i6(x + 50) + i6(y);
    default: return "LI" + i6(x) + i6(y) + i6(x + 17) + i6(y - 23) + " S";
  }
}

const std::string& input_file() {
  static const std::string path = [] {
    const std::string p = bench_dir() + "/million.plv";
    std::ofstream out(p);
    out << "million.plv\n" << plv::kDefaultSetupLine << "\nDATE:  8-DEC-26\n";
    for (long n = 0; n < kRecords; ++n) out << make_line(n) << '\n';
    return p;
  }();
  return path;
}


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
    if (!read.opened() || store.count() < kRecords) state.SkipWithError("open failed");
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

void BM_WriteCommandFile(benchmark::State& state) {
  plv::RecordStore store;
  plv::read_command_file(input_file(), store, plv::kinds());
  const std::string out = bench_dir() + "/written.plv";
  const plv::CommandFileHeader header{out, std::string(plv::kDefaultSetupLine), " 8-DEC-26"};
  for (auto _ : state) {
    const plv::CommandFileWrite w = plv::write_command_file(out, header, store, plv::kinds());
    if (!w.written()) state.SkipWithError(w.error.c_str());
  }
  state.counters["records_per_s"] = benchmark::Counter(static_cast<double>(store.count()) * state.iterations(),
                                                       benchmark::Counter::kIsRate);
}

BENCHMARK(BM_OpenCommandFile)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_OpenPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_WriteCommandFile)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
