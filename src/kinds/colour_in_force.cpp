#include "kinds/colour_in_force.h"

#include "drawing/record_layout.h"
#include "kinds/colour.h"

namespace plv {

namespace C = layout::stored::colour;

bool is_colour_setting(const Record& record) { return record.has_code("SC") && record.text(C::kKeyword) != "MODE "; }

Record colour_setting_in_force(const RecordStore& store, long last) {
  for (long n = last; n >= 1; --n) {
    const Record& record = store.read(n);
    if (is_colour_setting(record)) return record;
  }
  return palette_colour_record(7);
}

ColourMode colour_mode_of(const RecordStore& store) {
  ColourTrack track;
  for (long n = 1; n <= store.count(); ++n) {
    const Record& record = store.read(n);
    if (!record.has_code("SC")) continue;
    judge_colour(record, track);
    if (track.mode_seen) return track.mode;
  }
  return ColourMode::kNone;
}

bool takes_palette_colours(const RecordStore& store) {
  const ColourMode mode = colour_mode_of(store);
  return mode == ColourMode::kBar || mode == ColourMode::kNone;
}

}  // namespace plv
