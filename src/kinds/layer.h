#pragma once
// Layer records ("LA"): the layer number and transform for the records that
// follow, the same layout in both forms.

#include <optional>

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"

namespace plv {

bool is_layer_record(const Record& record);
// The layer a layer record starts; nothing when a field cannot be read.
std::optional<LayerTransform> read_layer_record(const Record& record);
// "LA", the layer number as I3, then scale and shifts as E15.7.
Record layer_record(const LayerTransform& layer);

}  // namespace plv
