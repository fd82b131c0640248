#pragma once
// Colour problems shown on the editor's text screen.

#include "editor/editor.h"
#include "kinds/colour_problem.h"

namespace plv {

// Each problem waits for a key; a fatal one is told with the picture shown
// first, and ends the program as the editor ends it (settings saved).
class ScreenColourMessages final : public ColourProblems {
 public:
  explicit ScreenColourMessages(Editor& editor) : editor_(editor), toolkit_(editor.ui) {}
  void met(const ColourProblem& problem) override;

 private:
  Editor& editor_;
  ui::Toolkit& toolkit_;
};

}  // namespace plv
