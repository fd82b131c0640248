#pragma once
// The recovery copy of the open drawing's changes: begun when a drawing is
// opened, with what an earlier run left offered back to the user; begun
// again when the drawing is written; gone when the user leaves it.

#include <string>

#include "drawing/command_file.h"
#include "editor/document.h"
#include "editor/screen.h"

namespace plv {

// After the drawing at `path` was read (`from_file`) or started new.
void begin_recovery_copy(Document& document, Screen& screen, const std::string& path, bool from_file);
// The drawing's records went to its file at `places`.
void restart_recovery_copy(Document& document, const std::string& path, const FilePlaces& places);
// The user left the drawing; its unwritten changes were not wanted.
void end_recovery_copy(Document& document);

}  // namespace plv
