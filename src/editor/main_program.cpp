#include "editor/main_program.h"

#include <filesystem>
#include <string_view>

#include "editor/files/drawing_file_ops.h"
#include "editor/files/file_menu.h"
#include "editor/main_menu.h"
#include "editor/undo_redo.h"
#include "editor/screen_colour_messages.h"
#include "editor/editor_settings.h"
#include "editor/shutdown.h"
#include "editor/view/exit_menu.h"
#include "editor/view/screen_menu.h"
#include "editor/view/view_operations.h"
#include "editor/create/create_menu.h"
#include "editor/edit_delete/edit_delete_menu.h"
#include "editor/buffer/buffer_menu.h"
#include "editor/paste/paste_menu.h"
#include "editor/drawing_guard.h"
#include "editor/files/choose_drawing_file.h"
#include "editor/files/path_rules.h"
#include "editor/files/start_up.h"
#include "editor/files/translate_drawing.h"
#include "drawing/today.h"
#include "kernel/kernel.h"
#include "ui/close_requested.h"
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

void start_up(Editor& editor, const std::optional<std::string>& argument) {
  editor.ui.lines().set_title(title_line());
  editor.kernel.gkopen("plivet");
  editor.ui.screen().initialise();
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
  editor.files.set_default_extension(editor.extension);
  const auto settings_file = std::filesystem::current_path() / kSettingsFileName;
  files::start_file_selection(editor.ui, editor.files, settings_file,
                              argument ? std::optional<std::string_view>(*argument) : std::nullopt, true,
                              files::CheckMode::kNotBlank);
  files::take_chosen_drawing(editor);
  editor.settings_read = read_editor_settings(settings_file, editor).ok();
}

void insist_on_a_drawing(Editor& editor) {
  while (!editor.file_open) {
    while (text::is_blank(editor.drawing_name))
      files::choose_drawing_file(editor, {.apply_default_extension = true, .check = files::CheckMode::kNotBlank});
    open_drawing(editor);
  }
}

// Paste and create start from a picture: the first after start-up erases it.
void erase_stale_picture(Editor& editor) {
  if (!editor.picture_not_drawn) return;
  editor.kernel.gkpage(kernel::PageStart::kErased);
  editor.kernel.tekflush(kernel::Flush::kShowAndWait);
  editor.picture_not_drawn = false;
}

// One pass of the dispatch; the screen menu may hand over another choice.
void dispatch(Editor& editor, MenuStates& states, MainChoice choice, ColourProblems& messages) {
  if (choice == MainChoice::kUndo) undo_or_redo(editor.document(), editor.screen(), host::Key::kUndo, messages);
  if (choice == MainChoice::kRedo) undo_or_redo(editor.document(), editor.screen(), host::Key::kRedo, messages);
  if (choice == MainChoice::kFiles) file_menu(editor);
  if (choice == MainChoice::kZoom && editor.file_open && !editor.picture_not_drawn)
    edit::zoom_window(editor.document(), editor.screen(), messages);
  if (choice == MainChoice::kScreen && edit::screen_menu(editor, messages) == edit::ScreenMenuEnd::kDraw)
    choice = MainChoice::kRedraw;
  if (choice == MainChoice::kRedraw || choice == MainChoice::kDrawAll) {
    if (!editor.file_open) return drawing_guard(editor);
    if (choice == MainChoice::kRedraw) edit::redraw_picture(editor.document(), editor.screen(), messages);
    else edit::draw_all(editor.document(), editor.screen(), messages);
    editor.picture_not_drawn = false;
  }
  if (choice == MainChoice::kCreate) {
    erase_stale_picture(editor);
    create::create_menu({editor, editor, states.create, editor.create_colour}, messages);
  }
  if (choice == MainChoice::kEditDelete && editor.file_open && !editor.picture_not_drawn)
    editing::edit_delete_menu(editor, states.create, messages);
  if (choice == MainChoice::kBuffer && buffer::buffer_menu(editor, messages) == buffer::BufferMenuEnd::kPaste)
    choice = MainChoice::kPaste;
  if (choice == MainChoice::kPaste) {
    erase_stale_picture(editor);
    paste::paste_menu(editor, messages);
  }
  if (choice == MainChoice::kExit) exit_menu(editor);
}

[[noreturn]] void run_menus(Editor& editor, MenuStates& states,
                            const std::optional<std::string>& command_line_drawing) {
  start_up(editor, command_line_drawing);
  insist_on_a_drawing(editor);
  ScreenColourMessages messages(editor);
  for (;;) {
    between_actions(editor.document(), editor.screen());
    if (const auto choice = main_menu(editor)) dispatch(editor, states, *choice, messages);
  }
}

}  // namespace

void run_editor(Editor& editor, MenuStates& states, const std::optional<std::string>& command_line_drawing) {
  // The window's Export writes the open drawing for as long as the editor runs.
  EditorDrawingExporter exporter(editor);
  struct Installed {
    host::Host& host;
    ~Installed() { host.set_drawing_exporter(nullptr); }
  } installed{editor.kernel.host()};
  installed.host.set_drawing_exporter(&exporter);
  // Every way the user asks for the end arrives here, so that the end is
  // always the same: the settings saved, then the program ended.
  try {
    run_menus(editor, states, command_line_drawing);
  } catch (const ui::CloseRequested&) {
    shutdown(editor);
  }
}

}  // namespace plv
