#include "editor/main_program.h"

#include <filesystem>
#include <string_view>

#include "editor/files/drawing_file_ops.h"
#include "editor/files/file_menu.h"
#include "editor/main_menu.h"
#include "editor/screen_colour_messages.h"
#include "editor/editor_settings.h"
#include "editor/shutdown.h"
#include "editor/view/exit_menu.h"
#include "editor/view/screen_menu.h"
#include "editor/view/view_operations.h"
#include "editor/files/choose_file.h"
#include "editor/files/file_selection.h"
#include "editor/files/path_rules.h"
#include "editor/files/start_up.h"
#include "drawing/today.h"
#include "kernel/kernel.h"
#include "ui/messages.h"
#include "ui/screen_lines.h"
#include "ui/text_screen.h"
#include "ui/toolkit.h"

namespace plv {
namespace {

std::string title_line() {
  std::string line = ui::padded("*** ######## ** VERSION ###### **** ############### ****");
  line.replace(4, 8, "PLIVET  ");
  line.replace(24, 6, "4O(c) ");
  line.replace(36, 15, "    May 8, 2000");  // the release date, right-justified in its 15 columns
  return line;
}

// The file name menu's choice becomes the drawing's name, directory and path.
void take_choice(Editor& editor, const files::FileSelection& selection) {
  editor.drawing_name = selection.file_name;
  editor.directory = selection.directory;
  editor.drawing_path = selection.joined_path;
}

void connect_file_selection(Editor& editor, files::FileSelection& selection) {
  selection.set_default_extension(editor.extension);
  editor.choose_file = [&editor, &selection](const ChooseFileFlags& flags) {
    const files::ChooseFileOptions options{flags.list_first, flags.apply_default_extension,
                                           static_cast<files::CheckMode>(flags.check_mode), flags.show_version};
    files::choose_file(editor.ui, selection, options);
    take_choice(editor, selection);
  };
}

void start_up(Editor& editor, files::FileSelection& selection, const std::optional<std::string>& argument) {
  editor.ui.lines().set_title(title_line());
  editor.kernel.gkopen("plivet");
  editor.ui.screen().initialise();
  install_shutdown(editor);
  editor.drawing.clear();
  editor.buffer.clear();
  editor.render.aspect = 1.0f;
  editor.kernel.set_aspect(1.0f);
  editor.kernel.gkclipon(1);
  editor.kernel.gkclip(-1750, 1750, -1250, 1250);
  editor.date = today_date_text();
  editor.render.layer = LayerTransform{};
  editor.render.work_layer = editor.render.also_draw_layer = 0;
  editor.render.layer.layer = 1;
  connect_file_selection(editor, selection);
  const auto settings_file = std::filesystem::current_path() / kSettingsFileName;
  files::start_file_selection(editor.ui, selection, settings_file,
                              argument ? std::optional<std::string_view>(*argument) : std::nullopt, true,
                              files::CheckMode::kNotBlank);
  take_choice(editor, selection);
  editor.settings_read = read_editor_settings(settings_file, editor);
}

void insist_on_a_drawing(Editor& editor) {
  while (!editor.file_open) {
    while (files::is_blank(editor.drawing_name)) editor.choose_file({false, true, 0, false});
    open_drawing(editor);
  }
}

void cannot_draw_yet(Editor& editor) {
  editor.ui.lines().set_message("ERROR: TO DRAW YOU MUST OPEN A DRAWING FILE.");
  ui::begin_messages(editor.ui);
  editor.ui.lines().set_message("USE F1 TO GET THE FILE MENU.");
  ui::message_and_wait(editor.ui);
}

// One pass of the dispatch; sub-menus may hand over another choice.
void dispatch(Editor& editor, int choice, ColourMessages& messages) {
  if (choice == 1) file_menu(editor);
  if (choice == 2 && editor.file_open && !editor.picture_not_drawn) edit::zoom_window(editor, messages);
  if (choice == 6 && edit::screen_menu(editor, messages) == 3) choice = 3;
  if (choice == 3 || choice == 4) {
    if (!editor.file_open) return cannot_draw_yet(editor);
    if (choice == 3) edit::redraw_picture(editor, messages);
    else edit::draw_all(editor, messages);
    editor.picture_not_drawn = false;
  }
  // Edit/delete (5), buffer (7), paste (8) and create (9) come later.
  if (choice == 10) exit_menu(editor);
}

}  // namespace

void run_editor(Editor& editor, const std::optional<std::string>& command_line_drawing) {
  files::FileSelection selection;
  start_up(editor, selection, command_line_drawing);
  insist_on_a_drawing(editor);
  ScreenColourMessages messages(editor.ui);
  for (;;) dispatch(editor, main_menu(editor), messages);
}

}  // namespace plv
