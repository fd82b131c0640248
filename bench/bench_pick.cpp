// Pointing at a graphic in a 1,000,000-record drawing: the nearest graphic
// by each kind's distance, as one press of the edit/delete menu finds it,
// and the colour and layer records found backwards for the graphic.

#include <benchmark/benchmark.h>

#include "editor/edit_delete/pick_graphic.h"
#include "kinds/record_context.h"
#include "kinds/registry.h"
#include "million_file.h"

namespace {

plv::RecordStore million_drawing() {
  plv::RecordStore drawing;
  for (long n = 0; n < plv::bench::kMillion; ++n)
    drawing.append(plv::to_stored_form(plv::bench::million_record_line(n)).record);
  return drawing;
}

void BM_NearestGraphic(benchmark::State& state) {
  const plv::RecordStore drawing = million_drawing();
  plv::RenderState render;
  long found = 0;
  for (auto _ : state) found = plv::editing::nearest_graphic(drawing, render, {123.4, -56.7}).value_or(0);
  benchmark::DoNotOptimize(found);
  state.counters["records_per_s"] = benchmark::Counter(static_cast<double>(plv::bench::kMillion) * state.iterations(),
                                                       benchmark::Counter::kIsRate);
}

void BM_RecordsBeforeTheLastGraphic(benchmark::State& state) {
  const plv::RecordStore drawing = million_drawing();
  for (auto _ : state) {
    benchmark::DoNotOptimize(plv::colour_record_before(drawing, drawing.count()));
    benchmark::DoNotOptimize(plv::layer_record_before(drawing, drawing.count()));
  }
}

BENCHMARK(BM_NearestGraphic)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_RecordsBeforeTheLastGraphic)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
