#pragma once
// The editor's state as its settings file keeps it.

#include <filesystem>
#include <string>

#include "drawing/settings_file.h"
#include "editor/editor.h"

namespace plv {

Settings settings_of(const Editor& editor);
// Everything the file is read for; the drawing name and path stay. Colour
// commands other than palette colours are not taken.
void apply_settings(const Settings& settings, Editor& editor);

// Reads the settings file into the editor; not ok (nothing changed) when
// something is at the path that could not be read.
FileResult read_editor_settings(const std::filesystem::path& file, Editor& editor);
FileResult write_editor_settings(const std::filesystem::path& file, const Editor& editor);

}  // namespace plv
