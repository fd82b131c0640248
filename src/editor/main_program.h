#pragma once
// The editor's entry: start-up in its fixed order, then the main menu loop.
// It never returns; the program ends by throwing ProgramExit from the
// shutdown.

#include <optional>
#include <string>

#include "editor/create/create_state.h"
#include "editor/edit_delete/edit_state.h"
#include "editor/editor.h"
#include "editor/files/file_selection.h"

namespace plv {

// What each group of menus remembers for the whole run.
struct MenuStates {
  CreateState create;  // the element menus' remembered points and settings
  editing::EditState editing;  // the edit/delete and colour edit menus'
  // What the directory and file name menu shows next time: the names last
  // chosen there, which become the open drawing's when accepted.
  files::FileSelection files;
  // The buffer file's directory and name: a menu of their own, so that
  // reading or writing the buffer never changes the drawing's.
  files::FileSelection buffer_files;
  PlotBox paste_box{-500, -350, 500, 350};  // the last box the buffer was fitted into
};

[[noreturn]] void run_editor(Editor& editor, MenuStates& states,
                             const std::optional<std::string>& command_line_drawing);

}  // namespace plv
