// Redrawing a 1,000,000-record drawing of mixed elements into the plot
// buffer and the window's rasters. Prints records per second and the peak
// resident memory.

#include <benchmark/benchmark.h>

#include "peak_memory.h"

#include <fstream>
#include <string>

#include "kinds/colour_problem.h"
#include "text/field_format.h"
#include "kinds/registry.h"
#include "render/redraw.h"
#include "host/host.h"
#include "host/program_exit.h"
#include "host/scripted/scripted_window_system.h"
#include "kernel/kernel.h"

namespace {

constexpr long kRecords = 1'000'000;

class QuietMessages final : public plv::ColourProblems {
 public:
  void met(const plv::ColourProblem& p) override {
    if (p.telling == plv::ColourProblem::Telling::kFatal) throw plv::ProgramExit{1};
  }
};

std::string i6(long v) { return plv::fmt::int_text(6, v); }

// Short elements spread over the picture, as a dense plot would have them.
std::string file_line(long n) {
  const long x = (n * 37) % 3000 - 1500, y = (n * 91) % 2400 - 1200;
  switch (n % 20) {
    case 0: return "SC BAR" + plv::fmt::int_text(4, 1 + n % 15);
    case 1: return "LA  1  0.1000000E+01  0.0000000E+00  0.0000000E+00";
    case 2: return "AR" + i6(x) + i6(y) + i6(x + 15) + i6(y + 9) + " N N Y N N 0.000";
    case 3: return "CH" + i6(x) + i6(y) + "  2 S 0 A1";
    case 4: return "CI" + i6(x) + i6(y) + i6(x + 8) + i6(y) + i6(x + 8) + i6(y);
    case 5: return "RB" + plv::fmt::fixed_text(6, 0, x) + plv::fmt::fixed_text(6, 0, y) +
                   plv::fmt::fixed_text(6, 0, x + 12) + plv::fmt::fixed_text(6, 0, y + 7);
    case 6: return "LI" + i6(x) + i6(y) + i6(x + 40) + i6(y - 10) + " D";
    default: return "LI" + i6(x) + i6(y) + i6(x + 17) + i6(y - 13) + " S";
  }
}


void BM_RedrawMillionRecords(benchmark::State& state) {
  plv::RecordStore drawing;
  drawing.append(plv::Record("SC MODE BAR"));
  for (long n = 1; n < kRecords; ++n) drawing.append(plv::to_stored_form(file_line(n)).record);

  plv::host::ScriptedWindowSystem window({}, 1400, 1000);
  plv::host::Host host(window, plv::host::kNoHostSettings);
  plv::kernel::Kernel kernel(host);
  kernel.gkopen("plivet");
  kernel.gkclipon(plv::kernel::Clipping::kOn);
  kernel.gkclip(-1750, 1750, -1250, 1250);
  QuietMessages messages;
  plv::RenderState render;
  size_t plot_bytes = 0;
  for (auto _ : state) {
    kernel.gkpage(plv::kernel::PageStart::kErased);
    plv::redraw_all(drawing, render, kernel, messages);
    plot_bytes = host.picture().buffer().bytes().size();
  }
  state.counters["records_per_s"] =
      benchmark::Counter(static_cast<double>(kRecords) * state.iterations(), benchmark::Counter::kIsRate);
  state.counters["plot_buffer_MB"] = static_cast<double>(plot_bytes) / 1e6;
  state.counters["peak_MB"] = static_cast<double>(plv::bench::peak_rss_bytes()) / 1e6;
}

BENCHMARK(BM_RedrawMillionRecords)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
