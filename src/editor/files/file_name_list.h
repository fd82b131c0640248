#pragma once
// The names in a directory that carry an extension, as the chooser offers
// them, and the text-screen chooser itself.

#include <string>
#include <string_view>
#include <vector>

namespace plv::ui {
class Toolkit;
}

namespace plv::files {

inline constexpr std::size_t kMaxListedNames = 100;

// Names of the regular files in `directory` (blank: the current one)
// whose extension is `extension` in any case (blank: names without one),
// sorted, each blank-padded to the name field; names too long for the
// field are left out, as are all after the first kMaxListedNames. A
// directory that cannot be read gives none.
std::vector<std::string> list_names(std::string_view directory, std::string_view extension);

// Offers the listed names; returns the chosen one, or blanks when the user
// chose none or there were none. Row 1 of the screen is left as it was.
std::string choose_name(ui::Toolkit& toolkit, std::string_view directory, std::string_view extension);

}  // namespace plv::files
