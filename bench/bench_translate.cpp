// Translating a 1,000,000-record drawing for publication: one PDF page and
// one SVG page made in memory, and the printer's picture at 300 dots per
// inch. Prints records per second and the size of what was made.

#include <benchmark/benchmark.h>

#include "million_file.h"

#include "drawing/command_file.h"
#include "kinds/registry.h"
#include "publish/translation.h"

namespace {

const plv::RecordStore& million_drawing() {
  static const plv::RecordStore drawing = [] {
    plv::RecordStore store;
    if (!plv::read_command_file(plv::bench::million_record_file(), store, plv::kinds()).ok()) std::abort();
    return store;
  }();
  return drawing;
}

void translate_to(benchmark::State& state, plv::publish::PageFormat format) {
  const plv::RecordStore& drawing = million_drawing();
  plv::publish::TranslationRequest request;
  request.format = format;
  double bytes = 0;
  for (auto _ : state) {
    const plv::publish::TranslatedPage page = plv::publish::translate(drawing, plv::RenderState{}, request);
    if (!page.error.empty()) state.SkipWithError(page.error.c_str());
    bytes = static_cast<double>(page.bytes.size());
  }
  state.counters["records_per_s"] =
      benchmark::Counter(static_cast<double>(drawing.count()) * state.iterations(), benchmark::Counter::kIsRate);
  state.counters["megabytes"] = bytes / 1e6;
}

void BM_TranslateMillionToPdf(benchmark::State& state) { translate_to(state, plv::publish::PageFormat::kPdf); }
void BM_TranslateMillionToSvg(benchmark::State& state) { translate_to(state, plv::publish::PageFormat::kSvg); }

void BM_PrintedPictureOfAMillion(benchmark::State& state) {
  const plv::RecordStore& drawing = million_drawing();
  for (auto _ : state) {
    const auto page = plv::publish::translate_to_pixels(drawing, plv::RenderState{}, {}, 300);
    if (!page.error.empty()) state.SkipWithError(page.error.c_str());
  }
  state.counters["records_per_s"] =
      benchmark::Counter(static_cast<double>(drawing.count()) * state.iterations(), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_TranslateMillionToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_TranslateMillionToSvg)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PrintedPictureOfAMillion)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
BENCHMARK_MAIN();
