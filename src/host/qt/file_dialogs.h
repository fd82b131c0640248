#pragma once
// The open and save dialogs for a FileDialogRequest.

#include <optional>
#include <string>

#include "host/window_system.h"

class QWidget;
class QString;

namespace plv::host {

// One dialog filter for a description and its patterns: the patterns are
// put in the description's parentheses in the dialog's own form ("*.a *.b";
// "*.*" matches every file, with or without a point).
QString dialog_filter(const std::string& description, const std::string& patterns);

std::optional<std::string> run_open_dialog(QWidget* parent, const FileDialogRequest& request);
std::optional<std::string> run_save_dialog(QWidget* parent, const FileDialogRequest& request);

}  // namespace plv::host
