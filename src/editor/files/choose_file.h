#pragma once
// The DIRECTORY AND FILE NAME MENU: the user types or browses for a
// directory and a file name until one passes the caller's check.

#include "editor/files/file_selection.h"

namespace plv::ui {
class Toolkit;
}

namespace plv::files {

enum class CheckMode {
  kNone,      // return as soon as the user accepts
  kNotBlank,  // a file name must be given
  kExisting,  // and the file must open for reading
};

struct ChooseFileOptions {
  // Offer the names carrying the default extension first.
  bool list_first = false;
  // Put the default extension on the name accepted.
  bool apply_default_extension = false;
  CheckMode check = CheckMode::kNotBlank;
  bool show_version = false;
};

// Returns with the accepted directory, name and joined path in
// `selection`. F3 and a closed window throw ui::CloseRequested, F3 after
// joining the names shown.
void choose_file(ui::Toolkit& toolkit, FileSelection& selection, const ChooseFileOptions& options);

}  // namespace plv::files
