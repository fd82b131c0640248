#pragma once
// The plivet command line.

#include <optional>
#include <string>
#include <vector>

namespace plv::app {

struct Options {
  bool headless = false;
  std::string script;                // --play
  std::optional<std::string> snapshots;
  int width = 700, height = 500;     // --size, the client area
  std::optional<std::string> drawing;
};

// Nothing, with `error` set, when the arguments do not make sense.
std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error);
inline constexpr const char* kUsage =
    "usage: plivet [DRAWING]\n"
    "       plivet --headless --play SCRIPT [--snapshots DIR] [--size WxH] [DRAWING]\n";

}  // namespace plv::app
