#pragma once
// What a painter run puts on a trial page, strokes and letters included,
// as cairo measures the ink. Handing cairo every mark of a large drawing
// is slow, so it is handed only the marks that could reach beyond points
// surely inked. The page's edges come out the same, since only marks at
// the edges decide them.

#include <functional>
#include <optional>

#include "drawing/drawing_transforms.h"
#include "publish/page_frame.h"
#include "publish/paper_canvas.h"

namespace plv::publish {

// Runs the painter onto the canvas it is given.
using PaintRun = std::function<void(PaperCanvas&)>;

// The ink in drawing units, lines `line_width` points wide; nothing when
// the run inks nothing.
std::optional<Extent> measured_ink(const PaintRun& paint, const PageFrame& trial, double line_width);

// The same with every mark handed to cairo: the yardstick for the above.
std::optional<Extent> measured_ink_of_every_mark(const PaintRun& paint, const PageFrame& trial, double line_width);

}  // namespace plv::publish
