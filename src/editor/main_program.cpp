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
#include "editor/create/undraw_edit.h"
#include "editor/edit_delete/edit_delete_menu.h"
#include "editor/buffer/buffer_menu.h"
#include "editor/paste/paste_menu.h"
#include "editor/drawing_guard.h"
#include "editor/files/choose_drawing_file.h"
#include "editor/files/figure_import.h"
#include "editor/files/path_rules.h"
#include "editor/files/start_up.h"
#include "editor/files/translate_drawing.h"
#include "editor/window_drawing.h"
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

void start_up(Editor& editor, files::FileSelection& names, const std::optional<std::string>& argument) {
  editor.ui.lines().set_title(title_line());
  editor.kernel.gkopen("plivet");
  editor.ui.screen().initialise();
  editor.drawing.clear();
  editor.buffer.clear();
  editor.render.aspect = 1.0f;
  editor.kernel.set_aspect(1.0f);
  editor.kernel.gkclipon(kernel::Clipping::kOn);
  editor.kernel.gkclip(-1750, 1750, -1250, 1250);
  editor.date = today_date_text();
  editor.render.layer = LayerTransform{};
  editor.render.work_layer = editor.render.also_draw_layer = 0;
  editor.render.layer.layer = 1;
  names.set_default_extension(editor.extension);
  const auto settings_file = std::filesystem::current_path() / kSettingsFileName;
  files::start_file_selection(editor.ui, names, settings_file,
                              argument ? std::optional<std::string_view>(*argument) : std::nullopt, true,
                              files::CheckMode::kNotBlank);
  files::take_chosen_drawing(editor, names);
  editor.settings_read = read_editor_settings(settings_file, editor).ok();
}

void insist_on_a_drawing(const files::DrawingFiles& files) {
  while (!files.document.file_open) {
    while (text::is_blank(files.document.drawing_name))
      files::choose_drawing_file(files, {.apply_default_extension = true, .check = files::CheckMode::kNotBlank});
    open_drawing(files);
  }
}

// Paste and create start from a picture: the first after start-up erases it.
void erase_stale_picture(Screen& screen) {
  if (!screen.picture_not_drawn) return;
  screen.kernel.gkpage(kernel::PageStart::kErased);
  screen.kernel.tekflush(kernel::Flush::kShowAndWait);
  screen.picture_not_drawn = false;
}

// A graphic picked on the edit/delete menu reopens in its element menu,
// with the element menus' own state.
editing::ReopenGraphic reopen_in_element_menu(const create::Desk& desk) {
  return [desk](const Record& element, long place, const Record& colour, const Record& layer,
                ColourProblems& messages) {
    return create::undraw_and_edit(desk, element, place, colour, layer, messages);
  };
}

// One pass of the dispatch; the screen menu may hand over another choice.
// A drawing imported from the window's menu opens, drawn whole.
void open_waiting_import(Editor& editor, MenuStates& states, EditorFigureImporter& importer, ColourProblems& messages) {
  const auto drawing = importer.take_waiting();
  if (!drawing) return;
  open_imported_drawing({editor.document(), editor.screen(), states.files}, *drawing);
  edit::draw_all(editor.document(), editor.screen(), messages);
  editor.screen().picture_not_drawn = false;
}

void dispatch(Editor& editor, MenuStates& states, MainChoice choice, ColourProblems& messages) {
  Document& document = editor.document();
  Screen& screen = editor.screen();
  const files::DrawingFiles drawing_files{document, screen, states.files};
  const create::Desk create_desk{document, screen, states.create, editor.create_colour};
  if (choice == MainChoice::kUndo) undo_or_redo(document, screen, host::Key::kUndo, messages);
  if (choice == MainChoice::kRedo) undo_or_redo(document, screen, host::Key::kRedo, messages);
  if (choice == MainChoice::kFiles) file_menu(drawing_files);
  if (choice == MainChoice::kZoom && document.file_open && !screen.picture_not_drawn)
    edit::zoom_window(document, screen, messages);
  if (choice == MainChoice::kScreen && edit::screen_menu(document, screen, messages) == edit::ScreenMenuEnd::kDraw)
    choice = MainChoice::kRedraw;
  if (choice == MainChoice::kRedraw || choice == MainChoice::kDrawAll) {
    if (!document.file_open) return drawing_guard(screen);
    if (choice == MainChoice::kRedraw) edit::redraw_picture(document, screen, messages);
    else edit::draw_all(document, screen, messages);
    screen.picture_not_drawn = false;
  }
  if (choice == MainChoice::kCreate) {
    erase_stale_picture(screen);
    create::create_menu(create_desk, messages);
  }
  if (choice == MainChoice::kEditDelete && document.file_open && !screen.picture_not_drawn)
    editing::edit_delete_menu({document, screen, states.editing, reopen_in_element_menu(create_desk)}, messages);
  if (choice == MainChoice::kBuffer &&
      buffer::buffer_menu({document, screen, states.buffer_files}, messages) == buffer::BufferMenuEnd::kPaste)
    choice = MainChoice::kPaste;
  if (choice == MainChoice::kPaste) {
    erase_stale_picture(screen);
    paste::paste_menu({document, screen, editor.paste, states.paste_box}, messages);
  }
  if (choice == MainChoice::kExit) exit_menu(drawing_files);
}

[[noreturn]] void run_menus(Editor& editor, MenuStates& states, EditorFigureImporter& importer,
                            const std::optional<std::string>& command_line_drawing) {
  start_up(editor, states.files, command_line_drawing);
  insist_on_a_drawing({editor.document(), editor.screen(), states.files});
  ScreenColourMessages messages(editor);
  for (;;) {
    between_actions(editor.document(), editor.screen());
    open_waiting_import(editor, states, importer, messages);
    if (const auto choice = main_menu(editor.document(), editor.screen())) dispatch(editor, states, *choice, messages);
  }
}

}  // namespace

void run_editor(Editor& editor, MenuStates& states, const std::optional<std::string>& command_line_drawing) {
  // The edit/delete menus' remembered record numbers hear of every change
  // to the records for the whole run.
  const Listening listening(editor.document(), states.editing);
  // For as long as the editor runs, the window's Export writes the open
  // drawing, its title and status line tell of it, and closing the window
  // asks before its changes are left unwritten.
  EditorDrawingExporter exporter(editor.document(), editor.screen());
  WindowDrawing kept(editor.document(), editor.screen());
  EditorFigureImporter importer;  // and File, Import makes drawings to open
  struct Installed {
    host::Host& host;
    ~Installed() {
      host.set_drawing_exporter(nullptr);
      host.set_drawing_keeper(nullptr);
      host.set_figure_importer(nullptr);
    }
  } installed{editor.kernel.host()};
  installed.host.set_drawing_exporter(&exporter);
  installed.host.set_drawing_keeper(&kept);
  installed.host.set_figure_importer(&importer);
  // Every way the user asks for the end arrives here, so that the end is
  // always the same: the settings saved, then the program ended.
  try {
    run_menus(editor, states, importer, command_line_drawing);
  } catch (const ui::CloseRequested&) {
    shutdown(editor);
  }
}

}  // namespace plv
