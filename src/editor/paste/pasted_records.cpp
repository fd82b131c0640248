#include "editor/paste/pasted_records.h"

#include <algorithm>
#include <cmath>

#include "kinds/paste_layer.h"
#include "kinds/registry.h"

namespace plv::paste {
namespace {

constexpr double kRadiansPerDegree = 0.01745329;
// The ratio a buffer without width (or height) is given: never the smaller.
constexpr double kNoSize = 10000.0;

std::vector<Record> simple_paste(const RecordStore& buffer, const PasteTransform& paste, int work_layer) {
  std::vector<Record> out{paste_layer_record(paste, work_layer)};
  for (long n = 1; n <= buffer.count(); ++n) {
    const Record& r = buffer.read(n);
    out.push_back(kinds().kind_of(r).layer_of(r) ? composed_layer_record(r, paste, work_layer) : r);
  }
  return out;
}

std::vector<Record> general_paste(const RecordStore& buffer, const PasteTransform& paste, DrawingPoint centre,
                                  int work_layer) {
  std::vector<Record> out;
  PastePlacement placement{paste, LayerTransform{}, centre};
  for (long n = 1; n <= buffer.count(); ++n) {
    const Record& r = buffer.read(n);
    const Kind& kind = kinds().kind_of(r);
    if (const auto layer = kind.layer_of(r)) {
      placement.buffer_layer = *layer;
      out.push_back(flattened_layer_record(r, work_layer));
    } else {
      out.push_back(kind.transformed(r, placement));
    }
  }
  return out;
}

}  // namespace

bool is_simple(const PasteTransform& paste) { return paste.rotation == 0 && paste.scale_x == paste.scale_y; }

PasteTransform with_rotation(PasteTransform paste, double degrees) {
  paste.rotation = degrees;
  paste.cos = std::cos(degrees * kRadiansPerDegree);
  paste.sin = std::sin(degrees * kRadiansPerDegree);
  return paste;
}

std::vector<Record> pasted_records(const RecordStore& buffer, const PasteTransform& paste, DrawingPoint centre,
                                   int work_layer) {
  return is_simple(paste) ? simple_paste(buffer, paste, work_layer)
                          : general_paste(buffer, paste, centre, work_layer);
}

std::optional<PasteTransform> fitted_into(const Extent& buffer, const Extent& box) {
  const double width = buffer.xmax - buffer.xmin, height = buffer.ymax - buffer.ymin;
  const double rx = width == 0 ? kNoSize : (box.xmax - box.xmin) / width;
  const double ry = height == 0 ? kNoSize : (box.ymax - box.ymin) / height;
  const double s = std::min(rx, ry);
  if (s == kNoSize || !(s > 0)) return std::nullopt;
  PasteTransform fit;
  fit.scale_x = fit.scale_y = s;
  fit.shift_x = box.xmin - buffer.xmin * s;
  fit.shift_y = box.ymin - buffer.ymin * s;
  return fit;
}

}  // namespace plv::paste
