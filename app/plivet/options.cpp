#include "options.h"

#include <cstdio>

namespace plv::app {
namespace {
bool parse_size(const std::string& text, int& w, int& h) {
  char x = 0, extra = 0;
  return std::sscanf(text.c_str(), "%d%c%d%c", &w, &x, &h, &extra) == 3 && x == 'x' && w >= 64 && h >= 64 &&
         w <= 8000 && h <= 8000;
}
}  // namespace

std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error) {
  Options o;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool has_value = i + 1 < args.size();
    if (a == "--help" || a == "-h") o.help = true;
    else if (a == "--version") o.version = true;
    else if (a == "--headless") o.headless = true;
    else if (a == "--play" && has_value) o.script = args[++i];
    else if (a == "--snapshots" && has_value) o.snapshots = args[++i];
    else if (a == "--size" && has_value) {
      o.size_given = true;
      if (!parse_size(args[++i], o.width, o.height)) {
        error = "--size takes WIDTHxHEIGHT, such as 700x500";
        return std::nullopt;
      }
    } else if (a.starts_with("--")) {
      error = "unknown or incomplete option " + a;
      return std::nullopt;
    } else if (!o.drawing) o.drawing = a;
    else {
      error = "only one drawing can be given";
      return std::nullopt;
    }
  }
  if (o.help || o.version) return o;
  if (o.headless && o.script.empty()) error = "--headless needs --play SCRIPT";
  else if (!o.headless && (!o.script.empty() || o.snapshots)) error = "--play and --snapshots need --headless";
  if (!error.empty()) return std::nullopt;
  return o;
}

}  // namespace plv::app
