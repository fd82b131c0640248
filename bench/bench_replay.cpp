// Replaying a large picture: 1,000,000 line records of at most 20 pixels
// each onto a 1400 x 1000 window, and recording them in the first place.
// Target: a replay in at most 0.1 s. Prints records per second and the
// process's peak memory.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdint>

#include "host/picture.h"
#include "short_lines.h"

namespace {

using plv::host::Picture;

constexpr int kLines = 1'000'000;
constexpr int kWidth = 1400;
constexpr int kHeight = 1000;

Picture picture_of_short_lines() {
  Picture picture;
  picture.set_client_size(kWidth, kHeight);
  picture.renew_bitmap();
  picture.clear();
  draw_short_lines(picture, kLines);
  return picture;
}

double peak_memory_mib() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_ReplayOntoWindow(benchmark::State& state) {
  Picture picture = picture_of_short_lines();
  for (auto _ : state) {
    picture.replay_to_window();  // the bitmap is valid: the window alone is drawn
    benchmark::DoNotOptimize(picture.window_surface().pixels().data());
  }
  state.SetItemsProcessed(state.iterations() * kLines);
  state.counters["buffer_bytes"] = static_cast<double>(picture.buffer().count());
  state.counters["peak_MiB"] = peak_memory_mib();
}
BENCHMARK(BM_ReplayOntoWindow)->Unit(benchmark::kMillisecond);

void BM_ReplayOntoWindowAndBitmap(benchmark::State& state) {
  Picture picture = picture_of_short_lines();
  for (auto _ : state) {
    picture.invalidate_bitmap();
    picture.paint_window();  // erase both, then replay onto both
    benchmark::DoNotOptimize(picture.bitmap().pixels().data());
  }
  state.SetItemsProcessed(state.iterations() * kLines);
  state.counters["peak_MiB"] = peak_memory_mib();
}
BENCHMARK(BM_ReplayOntoWindowAndBitmap)->Unit(benchmark::kMillisecond);

void BM_RecordLines(benchmark::State& state) {
  for (auto _ : state) {
    Picture picture = picture_of_short_lines();
    benchmark::DoNotOptimize(picture.buffer().count());
  }
  state.SetItemsProcessed(state.iterations() * kLines);
  state.counters["peak_MiB"] = peak_memory_mib();
}
BENCHMARK(BM_RecordLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
