#include "kinds/record_context.h"

#include <algorithm>

#include "kinds/colour_in_force.h"
#include "kinds/layer.h"

namespace plv {

Record colour_record_before(const RecordStore& store, long n) {
  return colour_setting_in_force(store, std::min(n - 1, store.count()));
}

Record layer_record_before(const RecordStore& store, long n) {
  for (long k = std::min(n - 1, store.count()); k >= 1; --k) {
    const Record& record = store.read(k);
    if (is_layer_record(record)) return record;
  }
  return layer_record({1, 1.0, 0.0, 0.0});
}

}  // namespace plv
