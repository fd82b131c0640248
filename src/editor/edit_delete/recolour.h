#pragma once
// Recolouring graphics without changing any record in place: each old
// graphic is marked deleted, and the graphic is appended again after a
// colour record with the new colour and its own layer record, so the
// drawing draws the same apart from the colour. The last recolouring can
// be taken back exactly while nothing has been appended after it.

#include <vector>

#include "editor/edit_delete/edit_state.h"
#include "editor/editor.h"
#include "kinds/colour_messages.h"

namespace plv::editing {

// Recolours the live graphics among `picked` (record numbers, ascending)
// and shows them in the new colour; what it did, for restore_colours.
Recolouring recolour(Editor& editor, const std::vector<long>& picked, int colour, ColourMessages& messages);

enum class RestoreOutcome {
  kRestored,
  kNothingToRestore,
  kDrawingChanged,  // records were appended or undeleted since: nothing done
};
// Brings the marked graphics back and takes the appended records away.
RestoreOutcome restore_colours(Editor& editor, const Recolouring& done);

}  // namespace plv::editing
