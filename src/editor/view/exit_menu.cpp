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

void show_exit_menu(const Document& document, Screen& screen) {
  ui::TextScreen& page = screen.ui.screen();
  page.clear();
  page.write_line(1, screen.ui.lines().title);
  page.write_line(3, kBanner, ui::attr::kHighlighted);
  page.write_line(5, document.file_open ? kNameLabel : kNoDrawing);
  if (document.file_open) page.write_at(5, kNameColumn, document.drawing_name, kDrawingNameLength);
  page.write_line(7, kExitLegend);
  page.write_line(9, kReturnLegend);
}

}  // namespace

void exit_menu(const files::DrawingFiles& files) {
  for (;;) {
    show_exit_menu(files.document, files.screen);
    const host::Key key = files.screen.ui.wait_key();
    if (key == kReturnKey) return;
    if (key == kExitKey) {
      // A drawing that could not be written keeps the program running.
      if (files.document.file_open && !close_drawing(files)) continue;
      throw ui::CloseRequested{};
    }
  }
}

}  // namespace plv
