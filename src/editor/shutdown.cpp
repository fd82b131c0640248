#include "editor/shutdown.h"

#include <string>
#include <system_error>

#include "editor/editor_settings.h"
#include "kernel/kernel.h"
#include "ui/toolkit.h"
#include "text/fixed_text.h"

namespace plv {
namespace {

void save_to(Editor& editor, const std::filesystem::path& file) {
  const FileResult written = write_editor_settings(file, editor);
  if (!written.ok()) editor.kernel.host().message("Could not write the settings file " + file.string() + ": " + written.error);
}

// A directory is not a drawing: only a file at the path counts.
bool drawing_exists(const Document& document) {
  const std::string path(text::trimmed(document.drawing_path));
  std::error_code ignored;
  return !path.empty() && std::filesystem::is_regular_file(path, ignored);
}

}  // namespace

void save_settings_files(Editor& editor, const std::filesystem::path& current_directory) {
  if (!editor.settings_read) return;
  save_to(editor, current_directory / kSettingsFileName);
  // An empty start directory is the current one: the name alone, never "/name".
  const std::filesystem::path in_start = editor.start_directory / text::trimmed(editor.settings_name);
  if (drawing_exists(editor)) save_to(editor, in_start);
}

void shutdown(Editor& editor, const std::filesystem::path& current_directory) {
  save_settings_files(editor, current_directory);
  editor.ui.screen().clear();
  // A drawing whose last write failed was not saved: say so to whoever
  // started the program.
  editor.kernel.gkexit(editor.last_write_failed ? 1 : 0);
}

void shutdown(Editor& editor) {
  std::error_code failed;
  const std::filesystem::path here = std::filesystem::current_path(failed);
  shutdown(editor, failed ? std::filesystem::path() : here);
}

}  // namespace plv
