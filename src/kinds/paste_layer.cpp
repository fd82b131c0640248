#include "kinds/paste_layer.h"

#include "kinds/layer.h"

namespace plv {

Record paste_layer_record(const PasteTransform& paste, int work_layer) {
  return layer_record({work_layer, paste.scale_x, paste.shift_x, paste.shift_y});
}

Record composed_layer_record(const Record& record, const PasteTransform& paste, int work_layer) {
  auto layer = read_layer_record(record);
  if (!layer) return record;
  if (work_layer != 0) layer->layer = work_layer;
  // Equal scales: scale x stands for both.
  const double s = paste.scale_x;
  return layer_record({layer->layer, s * layer->scale, s * layer->x_shift + paste.shift_x,
                       s * layer->y_shift + paste.shift_y});
}

Record flattened_layer_record(const Record& record, int work_layer) {
  auto layer = read_layer_record(record);
  if (!layer) return record;
  return layer_record({work_layer != 0 ? work_layer : layer->layer, 1.0, 0.0, 0.0});
}

}  // namespace plv
