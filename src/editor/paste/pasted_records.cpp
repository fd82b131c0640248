#include "editor/paste/pasted_records.h"

#include <algorithm>
#include <cmath>

#include "kinds/colour.h"
#include "kinds/layer.h"
#include "kinds/paste_layer.h"
#include "kinds/registry.h"

namespace plv::paste {
namespace {

constexpr double kRadiansPerDegree = 0.01745329;
// The ratio a buffer without width (or height) is given: never the smaller.
constexpr double kNoSize = 10000.0;

// Whether the drawing takes the buffer record: colours only those its
// mode sets.
bool taken_by(const Record& r, ColourMode mode) {
  const FileRole role = kinds().file_role(r);
  if (role == FileRole::kColourMode) return false;
  if (role != FileRole::kColourRun) return true;
  ColourTrack track{mode, mode != ColourMode::kNone};
  return judge_colour(r, track) == ColourVerdict::kSetsColour;
}

std::vector<Record> simple_paste(const RecordStore& buffer, const PasteTransform& paste, const PasteTarget& target) {
  std::vector<Record> out{paste_layer_record(paste, target.work_layer)};
  for (long n = 1; n <= buffer.count(); ++n) {
    const Record& r = buffer.read(n);
    if (!taken_by(r, target.colour_mode)) continue;
    out.push_back(kinds().kind_of(r).layer_of(r) ? composed_layer_record(r, paste, target.work_layer) : r);
  }
  return out;
}

// True when a graphic of the buffer comes before any layer record of its own.
bool starts_without_layer(const RecordStore& buffer) {
  for (long n = 1; n <= buffer.count(); ++n) {
    const Record& r = buffer.read(n);
    const Kind& kind = kinds().kind_of(r);
    if (kind.layer_of(r)) return false;
    if (kind.drawn_in_colour()) return true;
  }
  return false;
}

std::vector<Record> general_paste(const RecordStore& buffer, const PasteTransform& paste, DrawingPoint centre,
                                  const PasteTarget& target) {
  std::vector<Record> out;
  if (starts_without_layer(buffer)) out.push_back(layer_record({target.work_layer, 1.0, 0.0, 0.0}));
  PastePlacement placement{paste, LayerTransform{}, centre};
  for (long n = 1; n <= buffer.count(); ++n) {
    const Record& r = buffer.read(n);
    if (!taken_by(r, target.colour_mode)) continue;
    const Kind& kind = kinds().kind_of(r);
    if (const auto layer = kind.layer_of(r)) {
      placement.buffer_layer = *layer;
      out.push_back(flattened_layer_record(r, target.work_layer));
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
                                   const PasteTarget& target) {
  std::vector<Record> out =
      is_simple(paste) ? simple_paste(buffer, paste, target) : general_paste(buffer, paste, centre, target);
  for (Record& r : out) r = as_written(r);
  return out;
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
