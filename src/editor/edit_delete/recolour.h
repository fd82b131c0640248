#pragma once
// Recolouring graphics where they stand: a colour record with the new
// colour goes in before each, and one giving back the colour in force
// after it, so the drawing draws the same apart from the colour, every
// graphic still covering and covered by the same others. The last
// recolouring can be taken back exactly while its records stand.

#include <vector>

#include "editor/edit_delete/edit_state.h"
#include "editor/document.h"
#include "editor/screen.h"
#include "kinds/colour_problem.h"

namespace plv::editing {

// Recolours the live graphics among `picked` (record numbers, ascending)
// and shows them in the new colour; what it did, for restore_colours.
Recolouring recolour(Document& document, Screen& screen, const std::vector<long>& picked, int colour,
                     ColourProblems& messages);

enum class RestoreOutcome {
  kRestored,
  kNothingToRestore,
  kDrawingChanged,  // its colour records were changed or moved since: nothing done
};
// Takes the colour records the recolouring put in out again.
RestoreOutcome restore_colours(Document& document, const Recolouring& done);

}  // namespace plv::editing
