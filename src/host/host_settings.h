#pragma once
// The host's settings file "orvlab.ini": printer page, pen widths and the
// window's colour options, read when the window is created and written back
// at exit.

#include <filesystem>
#include <functional>
#include <optional>

#include "text/file_result.h"

namespace plv::host {

inline constexpr const char* kHostSettingsFileName = "orvlab.ini";
// Names the settings file's full path, so that tests never touch the real one.
inline constexpr const char* kHostSettingsEnvironment = "PLIVET_HOST_SETTINGS";

// Where the window stood when it was last closed: its top left corner on
// the desktop and its size, frame left out, and whether it was maximised.
struct WindowPlace {
  int left = 0, top = 0, width = 0, height = 0;
  bool maximised = false;
  friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// Margins and widths in hundredths of an inch; switches are 0 or 1.
struct HostSettings {
  int page_left_margin = 100;
  int page_top_margin = 100;
  int page_width = 650;
  int pen_width_printer = 2;
  int landscape_printer = 0;
  int pen_width_eps = 2;
  int pen_width_emf = 2;
  int colour_window = 1;
  int black_background = 0;
  // None until a window was closed, or when one of its keys does not read.
  std::optional<WindowPlace> window_place;
  // Whether the window shows the exact raster rather than a smooth
  // picture; none until a window that can smooth it was opened.
  std::optional<bool> exact_pixels;
  friend bool operator==(const HostSettings&, const HostSettings&) = default;
};

using EnvironmentLookup = std::function<const char*(const char*)>;

// $PLIVET_HOST_SETTINGS if set, else orvlab.ini in the "plivet" folder of
// $XDG_CONFIG_HOME, else of ~/.config.
std::filesystem::path host_settings_path(const EnvironmentLookup& environment);

// Every key missing or not a whole number keeps its value from `defaults`.
HostSettings read_host_settings(const std::filesystem::path& path, const HostSettings& defaults = {});

// Updates the nine keys (and the window's place, when known) in place, keeping anything else in the file, and
// creates the file and its folder when missing. A file that is there but
// cannot be read is left alone, rather than lose what else it holds.
FileResult write_host_settings(const std::filesystem::path& path, const HostSettings& settings);

}  // namespace plv::host
