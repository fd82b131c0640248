#pragma once
// The plivet command line.

#include <optional>
#include <string>
#include <vector>

namespace plv::app {

struct Options {
  bool help = false, version = false;  // print and end
  bool headless = false;
  std::string script;                // --play
  std::optional<std::string> snapshots;
  int width = 700, height = 500;     // --size, the client area
  bool size_given = false;           // the window then opens at that size
  std::optional<std::string> drawing;
};

// Nothing, with `error` set, when the arguments do not make sense.
std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error);
inline constexpr const char* kUsage =
    "usage: plivet [DRAWING]\n"
    "       plivet --headless --play SCRIPT [--snapshots DIR] [--size WxH] [DRAWING]\n"
    "       plivet --help | --version\n";
inline constexpr const char* kHelp =
    "plivet: a full-screen, function-key driven editor for annotating plotted pictures.\n"
    "\n"
    "  plivet [DRAWING]      open the editor's window, offering DRAWING (a .plv graphics command file) first\n"
    "  --headless --play SCRIPT\n"
    "                        run the editor without a window, one input event a line of SCRIPT\n"
    "  --snapshots DIR       with --headless: each screen and picture as DIR/NNNN.txt or .png\n"
    "  --size WxH            the window's client area in pixels (700x500)\n"
    "  --help, --version     print this, or the version, and end\n"
    "\n"
    "Files: plivet.set in the working folder and the folder plivet was started from;\n"
    "orvlab.ini under $XDG_CONFIG_HOME/plivet (PLIVET_HOST_SETTINGS names another);\n"
    "recovery copies under $XDG_STATE_HOME/plivet (PLIVET_STATE_DIR names another).\n"
    "See plivet(1) for the keys of every menu.\n";

}  // namespace plv::app
