#include "editor/view/exit_menu.h"

#include <string_view>

#include "editor/files/drawing_file_ops.h"
#include "host/key.h"
#include "ui/close_requested.h"
#include "ui/screen_layout.h"
#include "ui/screen_lines.h"
#include "ui/text_screen.h"
#include "ui/toolkit.h"

namespace plv {
namespace {

constexpr std::string_view kBanner = "   *** EXIT MENU ***  *** EXIT MENU ***  *** EXIT MENU ****** EXIT MENU ***     ";
constexpr std::string_view kNameLabel = "                DRAWING FILE NAME: ";
constexpr int kNameColumn = 39;
constexpr std::string_view kNoDrawing = "                NO DRAWING FILE IS OPEN ";
constexpr std::string_view kExitLegend = "                F1 = EXIT";
constexpr std::string_view kReturnLegend = "                F10= RETURN TO THE MAIN MENU";
constexpr host::Key kExitKey = host::Key::function(1);
constexpr host::Key kReturnKey = host::Key::function(10);

void show_exit_menu(Editor& editor) {
  ui::TextScreen& screen = editor.ui.screen();
  screen.clear();
  screen.write_line(1, editor.ui.lines().title);
  screen.write_line(3, kBanner, ui::attr::kHighlighted);
  screen.write_line(5, editor.file_open ? kNameLabel : kNoDrawing);
  if (editor.file_open) screen.write_at(5, kNameColumn, editor.drawing_name, kDrawingNameLength);
  screen.write_line(7, kExitLegend);
  screen.write_line(9, kReturnLegend);
}

}  // namespace

void exit_menu(Editor& editor) {
  for (;;) {
    show_exit_menu(editor);
    const host::Key key = editor.ui.wait_key();
    if (key == kReturnKey) return;
    if (key == kExitKey) {
      // A drawing that could not be written keeps the program running.
      if (editor.file_open && !close_drawing(editor)) continue;
      throw ui::CloseRequested{};
    }
  }
}

}  // namespace plv
