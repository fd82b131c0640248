#pragma once
// A session's first drawing: a few random elements in the bar, grey or
// RGB colour mode, some with layer records, some ending in a scaled layer,
// written once through the editor's own writer.

#include <string>

#include "sessions/generator.h"

namespace plv::sessions {

// Writes the drawing to `path` and returns what was written.
std::string write_start_drawing(Rng& rng, const std::string& path);

}  // namespace plv::sessions
