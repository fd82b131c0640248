#pragma once
// Thrown when the user asks for the program to end during a wait: the
// window was closed, or a menu's way out of the program was chosen. The
// screens below the editor cannot end the program in order themselves
// (the editor's settings must be saved first), so the editor catches this
// once, at the top, and ends there.

namespace plv::ui {

struct CloseRequested {};

}  // namespace plv::ui
