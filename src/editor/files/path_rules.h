#pragma once
// The rules of directory and file name fields: joining, splitting, the
// default extension and cleaning up what the user typed. Pure functions
// over blank-padded texts; a value ends at its last non-blank character.

#include <optional>
#include <string>
#include <string_view>

#include "editor/files/field_widths.h"
#include "text/fixed_text.h"

namespace plv::files {

// The directory, a separator unless it is empty or ends in one, then the
// name; blank-padded to kPathWidth. A join longer than that is kept whole:
// cutting it would name another file (see fits_path_width).
std::string joined_path(std::string_view directory, std::string_view file_name);
bool fits_path_width(std::string_view joined);

// The default extension put on a name: both lower-cased, the extension
// written after the name's first point (or after its end when it has
// none) within its first eleven columns, the rest of the 14 blanked. A
// blank name or extension leaves the name as it was.
std::string with_default_extension(std::string_view file_name, std::string_view extension);

// Every kOtherSeparator turned into kSeparator.
std::string with_separators_normalised(std::string_view text);

// Only what follows the name's last separator or colon, blank-padded to
// kFileNameWidth.
std::string name_after_last_separator(std::string_view file_name);

struct DirectoryAndName {
  std::string directory;  // kDirectoryWidth, with its trailing separator
  std::string file_name;  // kFileNameWidth
  friend bool operator==(const DirectoryAndName&, const DirectoryAndName&) = default;
};

// The path split after its last separator (either kind), the directory's
// separators normalised; nothing when a part does not fit its field.
std::optional<DirectoryAndName> split_path(std::string_view path);

// When the directory ends in a component that is an existing file, or
// contains a point and is no existing directory, that component becomes
// the file name (if it fits) and leaves the directory.
DirectoryAndName with_file_component_moved(const DirectoryAndName& fields);

// The open-file dialog's filter for the default extension: 1 qpa, 2 tbl,
// 3 gw, 4 sol, 6 plv, otherwise 5 (all files). Case does not matter.
int filter_index(std::string_view extension);

}  // namespace plv::files
