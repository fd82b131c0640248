#pragma once
// The editor's run-long state: the drawing and the buffer, the view and
// layer settings, colours, remembered settings and the open drawing's
// name. Menus receive the editor by reference; nothing else holds state.

#include <filesystem>
#include <string>

#include "drawing/change_journal.h"
#include "drawing/record_store.h"
#include "drawing/recovery_copy.h"
#include "drawing/translation_setup.h"
#include "editor/create/create_state.h"
#include "editor/edit_delete/edit_state.h"
#include "editor/files/file_selection.h"
#include "kinds/render_state.h"

namespace plv::kernel {
class Kernel;
}
namespace plv::ui {
class Toolkit;
}

namespace plv {

inline constexpr int kDrawingNameLength = 14;
inline constexpr int kDirectoryLength = 66;
inline constexpr int kDrawingPathLength = 80;

// Corners of a box in plot coordinates.
struct PlotBox {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct Editor {
  Editor(kernel::Kernel& kernel, ui::Toolkit& ui, std::filesystem::path start_directory)
      : kernel(kernel), ui(ui), start_directory(std::move(start_directory)) {
    drawing.watch(&journal);
  }
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  kernel::Kernel& kernel;
  ui::Toolkit& ui;
  std::filesystem::path start_directory;  // where the program was started

  RecordStore drawing;
  // The drawing's changes since it was opened, by action, to take back
  // and make again.
  ChangeJournal journal;
  // The same changes kept on disc until the drawing is written.
  RecoveryCopy recovery{journal};
  RecordStore buffer;
  RenderState render;  // layers, view, aspect factor, colour mode and commands

  bool file_open = false;
  // The last attempt to write the drawing failed, and none has succeeded
  // since: the program then ends with a non-zero status.
  bool last_write_failed = false;
  // Settings never read (the program ended before it got there, or the
  // file could not be read) are never written over.
  bool settings_read = false;
  bool picture_not_drawn = true;
  int create_colour = 6;
  CreateState create;  // the element menus' remembered points and settings
  editing::EditState editing;  // the edit/delete and colour edit menus'
  PasteTransform paste;
  PlotBox paste_box{-500, -350, 500, 350};  // the last box the buffer was fitted into
  PlotBox zoom_box{-1000, -700, 1000, 700};
  std::string setup_line{kDefaultSetupLine};

  // The open drawing: name with extension, directory, and the two joined.
  std::string drawing_name = std::string(kDrawingNameLength, ' ');
  std::string directory = std::string(kDirectoryLength, ' ');
  std::string drawing_path = std::string(kDrawingPathLength, ' ');
  std::string extension = "plv";
  std::string settings_name = "plivet.set";
  std::string date;  // today, 9 characters

  // What the directory and file name menu shows next time: the names last
  // chosen there, which become the open drawing's when accepted.
  files::FileSelection files;
  // The buffer file's directory and name: a menu of their own, so that
  // reading or writing the buffer never changes the drawing's.
  files::FileSelection buffer_files;
};

}  // namespace plv
