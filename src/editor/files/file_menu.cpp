#include "editor/files/file_menu.h"

#include <string_view>
#include <vector>

#include "editor/files/drawing_file_ops.h"
#include "kinds/deleted.h"
#include "editor/files/translation_setup_menu.h"
#include "editor/files/choose_drawing_file.h"
#include "host/key.h"
#include "ui/messages.h"
#include "ui/screen_layout.h"
#include "ui/screen_lines.h"
#include "ui/text_screen.h"
#include "ui/toolkit.h"
#include "text/fixed_text.h"
#include "editor/undo_redo.h"

namespace plv {
namespace {

constexpr std::string_view kNameLabel = "                    DRAWING FILE NAME:";
constexpr int kNameColumn = 42;
constexpr std::string_view kNoDrawing = "                    THERE IS NO DRAWING FILE OPEN.";
constexpr std::string_view kHelp = "                    F1 = HELP";
constexpr std::string_view kClose = "                    F2 = CLOSE THE DRAWING FILE";
constexpr std::string_view kOpen = "                    F2 = OPEN A DRAWING FILE";
constexpr std::string_view kWrite = "                    F3 = WRITE THE DRAWING TO DISC WITHOUT CLOSING IT";
constexpr std::string_view kRemove = "                    F4 = REMOVE ALL THE DELETED GRAPHICS FROM THE FILE";
constexpr std::string_view kQuit = "                    F6 = QUIT THE DRAWING WITHOUT SAVING IT.";
constexpr std::string_view kSetup = "                    F8 = SET UP THE GLIMPT TRANSLATION PARAMETERS.";
constexpr std::string_view kReturn = "                    F10= RETURN TO THE MAIN MENU.";

constexpr host::Key kHelpKey = host::Key::function(1);
constexpr host::Key kOpenOrCloseKey = host::Key::function(2);
constexpr host::Key kWriteKey = host::Key::function(3);
constexpr host::Key kRemoveDeletedKey = host::Key::function(4);
constexpr host::Key kQuitKey = host::Key::function(6);
constexpr host::Key kSetupKey = host::Key::function(8);
constexpr host::Key kReturnKey = host::Key::function(10);

void show_file_menu(const Document& document, Screen& screen) {
  ui::TextScreen& text = screen.ui.screen();
  text.clear();
  text.write_line(1, screen.ui.lines().title);
  std::vector<std::string_view> lines{document.file_open ? kNameLabel : kNoDrawing, kHelp,
                                      document.file_open ? kClose : kOpen};
  if (document.file_open) lines.insert(lines.end(), {kWrite, kRemove, kQuit});
  lines.insert(lines.end(), {kSetup, kReturn});
  int row = 3;
  for (std::string_view line : lines) {
    text.write_line(row, line);
    row += 2;
  }
  if (document.file_open) text.write_at(3, kNameColumn, document.drawing_name, kDrawingNameLength);
}

// F2 with no drawing open; true when a drawing is open afterwards.
bool choose_and_open(const files::DrawingFiles& files) {
  files::choose_drawing_file(files, {.list_first = true, .apply_default_extension = true,
                                     .check = files::CheckMode::kNotBlank});
  if (text::is_blank(files.document.drawing_name)) return false;
  open_drawing(files);
  return files.document.file_open;
}

}  // namespace

void file_menu(const files::DrawingFiles& files) {
  Document& document = files.document;
  Screen& screen = files.screen;
  for (;;) {
    show_file_menu(document, screen);
    between_actions(document, screen);  // removing the deleted graphics is kept at once
    const host::Key key = screen.ui.wait_key();
    if (key == kHelpKey) {
      screen.ui.lines().set_message("SORRY-HELP IS NOT AVAILABLE");
      ui::error_and_wait(screen.ui);
      return;
    }
    if (key == kReturnKey) return;
    if (key == kSetupKey) {
      translation_setup_menu(document, screen);
      return;
    }
    if (key == kOpenOrCloseKey) {
      if (!document.file_open) {
        if (choose_and_open(files)) return;
      } else {
        close_drawing(files);
      }
    } else if (document.file_open && key == kWriteKey) {
      write_drawing(files);
      return;
    } else if (document.file_open && key == kRemoveDeletedKey) {
      remove_deleted_graphics(document.drawing);
    } else if (document.file_open && key == kQuitKey) {
      quit_drawing(document);
    }
  }
}

}  // namespace plv
