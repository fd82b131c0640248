#include "kinds/colour_in_force.h"

#include "drawing/record_layout.h"
#include "kinds/colour_mode.h"

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

bool takes_palette_colours(const RecordStore& store) {
  for (long n = 1; n <= store.count(); ++n) {
    const Record& record = store.read(n);
    if (record.has_code("SC") && record.text(C::kKeyword) == "MODE ") return record.text(C::kModeName) == "BAR  ";
  }
  return true;
}

}  // namespace plv
