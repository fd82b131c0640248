#pragma once
// Layer records ("LA"): the layer number and transform for the records that
// follow, the same layout in both forms.

#include <optional>

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"
#include "drawing/record_layout.h"

// The columns of its records.
namespace plv::layout {

namespace stored {
namespace layer {  // LA, both forms
inline constexpr IntField kNumber{{3, 3}};
inline constexpr RealField kScale = e15(6, 7);
inline constexpr RealField kXShift = e15(21, 7);
inline constexpr RealField kYShift = e15(36, 7);
}  // namespace layer
}  // namespace stored

}  // namespace plv::layout

namespace plv {

bool is_layer_record(const Record& record);
// The layer a layer record starts; nothing when a field cannot be read.
std::optional<LayerTransform> read_layer_record(const Record& record);
// "LA", the layer number as I3, then scale and shifts as E15.7.
Record layer_record(const LayerTransform& layer);

}  // namespace plv
