#pragma once
// The editor's settings file "plivet.set": the view, layer, paste and colour
// settings kept from one run to the next, as fourteen keyed lines.

#include <filesystem>
#include <string>
#include <string_view>

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"
#include "text/file_result.h"

namespace plv {

// One name for the reader and the writer, so that they always meet.
inline constexpr std::string_view kSettingsFileName = "plivet.set";

// What the settings file holds, apart from the editor.
struct Settings {
  std::string drawing_path;  // written only: the first line
  std::string drawing_name;  // written only: "FI"
  ViewTransform view;
  PasteTransform paste;
  int work_layer = 0;
  int also_draw_layer = 0;
  LayerTransform layer;  // the current layer and its transform
  Record deleted_colour;      // colour commands, columns 1-10
  Record other_layer_colour;
  int create_colour = 6;
  double aspect = 1.0;
};

// The fourteen lines, each ending in a newline.
std::string settings_text(const Settings& settings);
// The values found in the text replace those in `settings`. The first line
// is skipped whatever it holds; reading stops at "EN". A field that cannot
// be read (or is missing, or a scale that is not positive) leaves it and
// the later fields of its line as they were.
void read_settings_text(std::string_view text, Settings& settings);

// Reads the file into `settings`; a missing file keeps every value. Not
// ok when something is there that could not be read (a directory, a
// device, a file far too large, a read error): then nothing changes.
FileResult read_settings_file(const std::filesystem::path& file, Settings& settings);
// Writes the file so that the old one survives a failure.
FileResult write_settings_file(const std::filesystem::path& file, const Settings& settings);

}  // namespace plv
