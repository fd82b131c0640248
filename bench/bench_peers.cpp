// plivet against the drawing programs users compare it with, on the same
// straight lines: written once as a plivet drawing, a FIG 3.2 file of
// two-point polylines and an Ipe page of paths, then each program makes
// a PNG picture, a PDF page and an SVG page of them, and opens and writes
// its own file. A peer that is not installed is reported as skipped
// (./dev bench installs fig2dev and ipe). PLIVET_PEER_LINES sets the count
// of lines, 1,000,000 by default. Wall times, one run each, side by side:
// the ratios hold for this machine and this run.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "child_run.h"
#include "drawing/translation_setup.h"
#include "million_file.h"
#include "text/field_format.h"

namespace {

using plv::bench::run_folder;

struct Line {
  int x1, y1, x2, y2;  // plot units
};

long line_count() {
  const char* asked = std::getenv("PLIVET_PEER_LINES");
  const long n = asked ? std::atol(asked) : plv::bench::kMillion;
  return n > 0 ? n : plv::bench::kMillion;
}

// Lines of up to 200 plot units (about 1 cm on the page), anywhere.
std::vector<Line> random_lines(long count) {
  std::mt19937 random(2026);
  std::uniform_int_distribution<int> x(-1650, 1650), y(-1150, 1150), step(-100, 100);
  std::vector<Line> lines(static_cast<std::size_t>(count));
  for (Line& l : lines) {
    l.x1 = x(random);
    l.y1 = y(random);
    l.x2 = l.x1 + step(random);
    l.y2 = l.y1 + step(random);
  }
  return lines;
}

void write_plv(const std::string& path, const std::vector<Line>& lines) {
  std::ofstream out(path);
  out << "lines.plv\n" << plv::kDefaultSetupLine << "\nDATE: 11-DEC-26\n";
  auto i6 = [](long v) { return plv::fmt::int_text(6, v); };
  for (const Line& l : lines) out << "LI" << i6(l.x1) << i6(l.y1) << i6(l.x2) << i6(l.y2) << " S\n";
}

// FIG units are 1/1200 inch, y downwards; the 3500 plot units across are
// the drawing's 17.36 cm.
void write_fig(const std::string& path, const std::vector<Line>& lines) {
  constexpr double kScale = 17.36 / 2.54 * 1200 / 3500;
  std::ofstream out(path);
  out << "#FIG 3.2\nPortrait\nCenter\nMetric\nA4\n100.00\nSingle\n-2\n1200 2\n";
  auto fx = [&](int x) { return std::lround((x + 1750) * kScale); };
  auto fy = [&](int y) { return std::lround((1250 - y) * kScale); };
  for (const Line& l : lines) {
    out << "2 1 0 1 0 7 50 -1 -1 0.000 0 0 -1 0 0 2\n\t " << fx(l.x1) << ' ' << fy(l.y1) << ' ' << fx(l.x2) << ' '
        << fy(l.y2) << '\n';
  }
}

// Ipe pages are in points, y upwards.
void write_ipe(const std::string& path, const std::vector<Line>& lines) {
  constexpr double kScale = 17.36 / 2.54 * 72 / 3500;
  std::ofstream out(path);
  out << "<?xml version=\"1.0\"?>\n<!DOCTYPE ipe SYSTEM \"ipe.dtd\">\n<ipe version=\"70000\" creator=\"plivet bench\">\n"
         "<page>\n";
  char text[128];
  for (const Line& l : lines) {
    std::snprintf(text, sizeof text, "<path stroke=\"black\">\n%.3f %.3f m\n%.3f %.3f l\n</path>\n",
                  50 + (l.x1 + 1750) * kScale, 200 + (l.y1 + 1250) * kScale, 50 + (l.x2 + 1750) * kScale,
                  200 + (l.y2 + 1250) * kScale);
    out << text;
  }
  out << "</page>\n</ipe>\n";
}

struct Inputs {
  std::string plv, fig, ipe;
};

const Inputs& inputs() {
  static const Inputs made = [] {
    const std::vector<Line> lines = random_lines(line_count());
    Inputs in{run_folder().file("lines.plv"), run_folder().file("lines.fig"), run_folder().file("lines.ipe")};
    write_plv(in.plv, lines);
    write_fig(in.fig, lines);
    write_ipe(in.ipe, lines);
    return in;
  }();
  return made;
}

bool installed(const std::string& program) {
  return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// One program doing one piece of work; its arguments name the input and
// output by these words.
struct Work {
  const char* name;  // "Svg/fig2dev"
  std::string program;
  std::vector<std::string> args;
};

std::vector<Work> works() {
  const std::string plvtool = PLVTOOL_PATH;
  return {
      {"Png/plivet", plvtool, {"render", "PLV", "-o", "OUT.png"}},
      {"Png/fig2dev", "fig2dev", {"-L", "png", "FIG", "OUT.png"}},
      {"Png/ipe", "iperender", {"-png", "IPE", "OUT.png"}},
      {"Pdf/plivet", plvtool, {"translate", "PLV", "-o", "OUT.pdf"}},
      {"Pdf/fig2dev", "fig2dev", {"-L", "pdf", "FIG", "OUT.pdf"}},
      {"Pdf/ipe", "ipetoipe", {"-pdf", "IPE", "OUT.pdf"}},
      {"Svg/plivet", plvtool, {"translate", "PLV", "-o", "OUT.svg"}},
      {"Svg/fig2dev", "fig2dev", {"-L", "svg", "FIG", "OUT.svg"}},
      {"OpenAndWrite/plivet", plvtool, {"save", "PLV", "OUT.plv"}},
      {"OpenAndWrite/ipe", "ipetoipe", {"-xml", "IPE", "OUT.ipe"}},
  };
}

void run_work(benchmark::State& state, const Work& work) {
  if (!installed(work.program)) {
    state.SkipWithError((work.program + " is not installed").c_str());
    return;
  }
  std::vector<std::string> args;
  for (const std::string& a : work.args) {
    if (a == "PLV") args.push_back(inputs().plv);
    else if (a == "FIG") args.push_back(inputs().fig);
    else if (a == "IPE") args.push_back(inputs().ipe);
    else if (a.starts_with("OUT")) args.push_back(run_folder().file("out" + a.substr(3)));
    else args.push_back(a);
  }
  plv::bench::ChildRun run;
  for (auto _ : state) run = plv::bench::run_program(work.program, args);
  if (!run.ok) state.SkipWithError((work.name + std::string(" failed")).c_str());
  state.counters["lines"] = static_cast<double>(line_count());
  state.counters["peak_MB"] = static_cast<double>(run.peak_kb) / 1000;
}

}  // namespace

int main(int argc, char** argv) {
  for (const Work& work : works()) {
    benchmark::RegisterBenchmark((std::string("BM_") + work.name).c_str(),
                                 [work](benchmark::State& state) { run_work(state, work); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->UseRealTime();
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
