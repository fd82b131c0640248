// Importing a large plot made elsewhere: a curve of 100,000 points, 2,000
// round markers and a hundred labels, as an SVG and as a PDF page, into the
// records of a new drawing. Prints the records made a second.

#include <benchmark/benchmark.h>
#include <cairo-pdf.h>

#include <cmath>
#include <string>

#include "import/import_figure.h"

namespace {

constexpr int kPoints = 100000, kMarkers = 2000, kLabels = 100;
constexpr double kWidth = 460.8, kHeight = 345.6;

double curve_y(int i) { return kHeight / 2 + 120 * std::sin(i / 1000.0) * std::cos(i / 7000.0); }
double curve_x(int i) { return 40 + (kWidth - 80) * i / kPoints; }

std::string large_svg() {
  std::string svg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="460.8pt" height="345.6pt" viewBox="0 0 460.8 345.6">)";
  svg += R"(<g id="curve"><path fill="none" stroke="#1f77b4" stroke-width="1.5" d="M)";
  for (int i = 0; i < kPoints; ++i) svg += " " + std::to_string(curve_x(i)) + " " + std::to_string(curve_y(i));
  svg += R"("/></g><g id="markers">)";
  for (int i = 0; i < kMarkers; ++i)
    svg += "<circle cx=\"" + std::to_string(curve_x(i * 50)) + "\" cy=\"" + std::to_string(curve_y(i * 50)) +
           R"(" r="2" fill="#ff7f0e" stroke="#ff7f0e"/>)";
  svg += R"(</g><g id="labels">)";
  for (int i = 0; i < kLabels; ++i)
    svg += "<text x=\"" + std::to_string(40 + i * 3.8) + R"(" y="330" font-size="8">)" + std::to_string(i) + "</text>";
  return svg + "</g></svg>";
}

cairo_status_t append(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

std::string large_pdf() {
  std::string pdf;
  cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(append, &pdf, kWidth, kHeight);
  cairo_t* cr = cairo_create(surface);
  cairo_set_line_width(cr, 1.5);
  for (int i = 0; i < kPoints; ++i) cairo_line_to(cr, curve_x(i), curve_y(i));
  cairo_stroke(cr);
  for (int i = 0; i < kMarkers; ++i) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, curve_x(i * 50), curve_y(i * 50), 2, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  cairo_set_font_size(cr, 8);
  for (int i = 0; i < kLabels; ++i) {
    cairo_move_to(cr, 40 + i * 3.8, 330);
    cairo_show_text(cr, std::to_string(i).c_str());
  }
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  return pdf;
}

void import_bytes(benchmark::State& state, const std::string& figure) {
  long records = 0;
  for (auto _ : state) {
    const plv::import::ImportedFigure made = plv::import::import_figure(figure, {});
    if (!made.error.empty()) state.SkipWithError(made.error.c_str());
    records = made.drawing.count();
  }
  state.counters["records"] = static_cast<double>(records);
  state.counters["records_per_s"] =
      benchmark::Counter(static_cast<double>(records) * state.iterations(), benchmark::Counter::kIsRate);
}

void BM_ImportLargeSvg(benchmark::State& state) { import_bytes(state, large_svg()); }
void BM_ImportLargePdf(benchmark::State& state) { import_bytes(state, large_pdf()); }

}  // namespace

BENCHMARK(BM_ImportLargeSvg)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_ImportLargePdf)->Unit(benchmark::kMillisecond)->MinTime(2);

BENCHMARK_MAIN();
