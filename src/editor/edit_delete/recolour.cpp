#include "editor/edit_delete/recolour.h"

#include <algorithm>

#include "kernel/kernel.h"
#include "kinds/colour_in_force.h"
#include "kinds/colour_mode.h"
#include "kinds/deleted.h"
#include "kinds/layer.h"
#include "kinds/registry.h"
#include "render/redraw.h"

namespace plv::editing {
namespace {

bool is_live_graphic(const Record& record) {
  const Kind& kind = kinds().kind_of(record);
  return !kind.is_deleted() && kind.drawn_in_colour();
}

LayerTransform transform_of(const Record& layer) { return read_layer_record(layer).value_or(LayerTransform{}); }

// The colour records to put in around the picked graphics, at the numbers
// they will have: before each the new colour, after it the colour that was
// in force, unless the next record sets one itself or is the next graphic
// recoloured.
std::vector<PlacedRecord> colour_records_around(const RecordStore& drawing, const std::vector<long>& picked,
                                                const Record& colour) {
  std::vector<PlacedRecord> out;
  long added = 0;
  bool runs_on = false;  // the new colour, set for the graphic before, is still in force
  for (size_t i = 0; i < picked.size(); ++i) {
    const long n = picked[i];
    const Record before = colour_setting_in_force(drawing, n - 1);
    if (!is_live_graphic(drawing.read(n)) || before == colour) {
      runs_on = false;
      continue;
    }
    if (!runs_on) out.push_back({n + added++, colour});
    runs_on = i + 1 < picked.size() && picked[i + 1] == n + 1 && is_live_graphic(drawing.read(n + 1));
    const bool next_sets_colour = n < drawing.count() && is_colour_setting(drawing.read(n + 1));
    if (!runs_on && !next_sets_colour) out.push_back({n + 1 + added++, before});
  }
  return out;
}

}  // namespace

Recolouring recolour(Document& document, Screen& screen, const std::vector<long>& picked, int colour,
                     ColourProblems& messages) {
  Recolouring done;
  if (picked.empty()) return done;
  const Record colour_record = palette_colour_record(colour);
  const LayerTransform kept_layer = screen.render.layer;
  screen.kernel.gkpage(kernel::PageStart::kKept);
  // The graphics on the picture in their new colour, under their layers.
  Record layer = layer_record({0, 1.0, 0.0, 0.0});
  auto next = picked.begin();
  for (long n = 1; next != picked.end() && n <= picked.back(); ++n) {
    const Record& graphic = document.drawing.read(n);
    if (is_layer_record(graphic)) layer = graphic;
    if (n != *next) continue;
    ++next;
    if (!is_live_graphic(graphic)) continue;
    screen.render.layer = transform_of(layer);
    erase_element(graphic, screen.render, screen.kernel);
    draw_element(graphic, colour_record, screen.render, screen.kernel, messages);
  }
  done.inserted = colour_records_around(document.drawing, picked, colour_record);
  document.insert(done.inserted);
  screen.render.layer = kept_layer;
  screen.kernel.tekflush(kernel::Flush::kShowAndWait);
  return done;
}

RestoreOutcome restore_colours(Document& document, const Recolouring& done) {
  RecordStore& drawing = document.drawing;
  if (done.inserted.empty()) return RestoreOutcome::kNothingToRestore;
  std::vector<long> numbers;
  for (const PlacedRecord& r : done.inserted) {
    if (r.number > drawing.count() || drawing.read(r.number) != r.record) return RestoreOutcome::kDrawingChanged;
    numbers.push_back(r.number);
  }
  drawing.remove(numbers);
  return RestoreOutcome::kRestored;
}

}  // namespace plv::editing
