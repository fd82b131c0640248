#include "editor/screen_colour_messages.h"

#include "editor/shutdown.h"
#include "kernel/kernel.h"
#include "ui/messages.h"
#include "ui/toolkit.h"

namespace plv {

void ScreenColourMessages::met(const ColourProblem& problem) {
  using Telling = ColourProblem::Telling;
  toolkit_.lines().set_message(problem.first);
  switch (problem.telling) {
    case Telling::kError: return ui::error_and_wait(toolkit_);
    case Telling::kNote: return ui::note_and_wait(toolkit_);
    case Telling::kTwoLines:
    case Telling::kFatal: break;
  }
  // A fatal problem is told after the picture as far as it got.
  if (problem.telling == Telling::kFatal) editor_.kernel.tekflush(kernel::Flush::kShowAndWait);
  ui::begin_messages(toolkit_);
  toolkit_.lines().set_message(problem.second);
  ui::message_and_wait(toolkit_);
  if (problem.telling == Telling::kFatal) plv::shutdown(editor_);
}

}  // namespace plv
