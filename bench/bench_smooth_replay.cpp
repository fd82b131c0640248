// The window's smooth picture: short lines replayed onto the exact raster
// and, antialiased, onto the smooth image beside it, as a window showing
// the picture smoothed draws them, at pixel ratios 1 and 2. The largest
// picture smoothed (Picture::kSmoothRecordLimit lines) should take well
// under half a second; the 1,000,000 lines of bench_replay are left exact
// and cost what BM_ReplayOntoWindowAndBitmap there does.

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "host/picture.h"
#include "host/qt/smooth_image.h"
#include "short_lines.h"

namespace {

using plv::host::Picture;
using plv::host::SmoothImage;

void BM_ReplayOntoWindowBitmapAndSmoothImage(benchmark::State& state) {
  Picture picture;
  SmoothImage smooth;
  const int lines = static_cast<int>(state.range(0));
  smooth.set_pixel_ratio(static_cast<double>(state.range(1)));
  picture.set_client_size(1400, 1000);
  picture.renew_bitmap();
  picture.clear();
  draw_short_lines(picture, lines);
  picture.set_smooth_surface(&smooth);
  for (auto _ : state) {
    picture.invalidate_bitmap();
    picture.paint_window();
    benchmark::DoNotOptimize(smooth.image().constBits());
  }
  state.SetItemsProcessed(state.iterations() * lines);
  state.counters["smoothed"] = picture.drawn_smoothly() ? 1 : 0;
}
BENCHMARK(BM_ReplayOntoWindowBitmapAndSmoothImage)
    ->Args({static_cast<int>(Picture::kSmoothRecordLimit) - 1, 1})  // and a colour
    ->Args({static_cast<int>(Picture::kSmoothRecordLimit) - 1, 2})  // and a colour
    ->Args({1'000'000, 2})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
