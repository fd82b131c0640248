#pragma once
// The block on the lower text screen that names the program's version and
// carries its copyright, authors and disclaimer.

#include <string>
#include <string_view>

#include "host/window_system.h"

namespace plv::host {
class Host;
}

namespace plv::kernel {

struct VersionInfo {
  std::string name = "PLIVET";
  std::string version = "4O(c)";
  std::string year;  // 4 characters; the build year when empty
  int variant = 2;   // 0, 1 or 2: which copyright line and left block
};

// Row 18: name, one blank, "VERSION", one blank, version number.
std::string version_line(std::string_view name, std::string_view version);
std::string build_year();
// The same texts for the window's About box.
host::AboutText about_text(const VersionInfo& info);
// Also gives the window's About box its texts.
void show_version_screen(host::Host& host, const VersionInfo& info);

}  // namespace plv::kernel
