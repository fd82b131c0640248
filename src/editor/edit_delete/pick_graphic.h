#pragma once
// Picking graphics with the pointer: the graphic nearest a point by each
// kind's distance, honouring the work layer and whether deleted graphics
// are shown, and deleting what is picked.

#include <optional>

#include "drawing/drawing_transforms.h"
#include "drawing/record_store.h"
#include "kinds/colour_problem.h"
#include "kinds/render_state.h"

namespace plv::editing {

struct EditMenus;

// The record number of the graphic nearest the point; of two at the same
// distance the earlier. Nothing when no graphic can be picked.
std::optional<long> nearest_graphic(const RecordStore& drawing, const RenderState& render, DrawingPoint point);

enum class PickMode {
  kRepeatedly,  // until Enter or the left button
  kOnce,
};

// Picks and deletes: the nearest graphic leaves the picture, is marked
// deleted, and becomes the last picked and last deleted graphic with its
// colour and layer records. A pick where nothing can be picked deletes
// nothing and forgets the last deleted graphic.
void pick_graphics(const EditMenus& menus, PickMode mode);

// The graphic deleted last comes back, once.
void undelete_last(const EditMenus& menus, ColourProblems& messages);

}  // namespace plv::editing
