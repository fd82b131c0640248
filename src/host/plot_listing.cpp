#include "host/plot_listing.h"

namespace plv::host {
namespace {
void add_points(std::string& s, const PlotRecord& r, int n) {
  for (int i = 0; i < n; ++i) s += " " + std::to_string(r.x[i]) + " " + std::to_string(r.y[i]);
}
void add_bytes(std::string& s, const PlotRecord& r, int n) {
  for (int i = 0; i < n; ++i) s += " " + std::to_string(r.bytes[i]);
}
}  // namespace

std::string describe(const PlotRecord& r) {
  std::string s;
  switch (r.kind) {
    case RecordKind::kLine: s = "line"; add_points(s, r, 2); break;
    case RecordKind::kRectangle: s = "rect"; add_points(s, r, 2); break;
    case RecordKind::kFilledRectangle: s = "fillrect"; add_points(s, r, 2); add_bytes(s, r, 1); break;
    case RecordKind::kColour: s = "colour"; add_bytes(s, r, 3); break;
    case RecordKind::kColourGrey: s = "colourgrey"; add_bytes(s, r, 4); break;
    case RecordKind::kColourIndex: s = "colourindex"; add_bytes(s, r, 4); break;
    case RecordKind::kPolygon: s = "polygon " + std::to_string(r.n); add_points(s, r, r.n); break;
  }
  return s;
}

void for_each_plot_record(std::span<const std::uint8_t> bytes, const std::function<void(const std::string&)>& take) {
  PlotReader reader(bytes);
  PlotRecord record;
  while (reader.next(record)) take(describe(record));
}

std::vector<std::string> list_plot_records(std::span<const std::uint8_t> bytes) {
  std::vector<std::string> lines;
  for_each_plot_record(bytes, [&lines](const std::string& line) { lines.push_back(line); });
  return lines;
}

}  // namespace plv::host
