#pragma once
// The window's own menu: its items, their command numbers, and which are
// enabled and checked. The platform builds its menu bar from this table.

#include <array>
#include <string_view>

namespace plv::host {

// The window's menu commands, numbered as they always were.
enum class Command : int {
  kPageSetup = 1,
  kPrintDialog = 3,
  kExit = 4,
  kCopy = 5,
  kPrint = 6,
  kColour = 7,
  kBlackBackground = 8,
  kPenWidth = 9,
  kAbout = 10,
  kWriteTiff = 12,
  kWriteMetafile = 14,
  kExportDrawing = 15,
  kUndo = 16,
  kRedo = 17,
  kPreviousView = 18,
  kHelpKeys = 19,
  kHelpManual = 20,
  kExactPixels = 21,
  kImportFigure = 22,
};

struct MenuItem {
  std::string_view menu;   // empty: an item on the menu bar itself
  std::string_view label;  // '&' marks the access key
  Command command;
  bool right_aligned = false;
};

inline constexpr std::array<MenuItem, 19> kWindowMenu{{
    {"File", "Page Set&up", Command::kPageSetup},
    {"File", "&Print", Command::kPrintDialog},
    {"File", "Write &TIF", Command::kWriteTiff},
    {"File", "Write &EMF", Command::kWriteMetafile},
    {"File", "&Import...", Command::kImportFigure},
    {"File", "Ex&port...", Command::kExportDrawing},
    {"File", "E&xit", Command::kExit},
    {"Edit", "&Undo\tCtrl+Z", Command::kUndo},
    {"Edit", "&Redo\tCtrl+Y", Command::kRedo},
    {"Edit", "&Copy", Command::kCopy},
    {"Edit", "Previous &View", Command::kPreviousView},
    {"", "&Print", Command::kPrint},
    {"Options", "&Color", Command::kColour},
    {"Options", "&Black Background", Command::kBlackBackground},
    {"Options", "&Pen Width...", Command::kPenWidth},
    {"Options", "E&xact Pixels", Command::kExactPixels},
    {"Help", "&Keys", Command::kHelpKeys, true},
    {"Help", "&Manual", Command::kHelpManual, true},
    {"Help", "&About", Command::kAbout, true},
}};

// Printing and export are offered only while the picture is shown.
struct MenuState {
  bool picture_commands_enabled = false;  // printing and writing pictures
  bool colour_checked = true;
  bool black_background_checked = true;
  bool exact_pixels_checked = false;  // the picture shown as drawn, not smoothed

  // Whether the item shows a check mark at all, and whether it is set.
  static bool checkable(Command command);
  bool enabled(Command command) const;
  bool checked(Command command) const;
  friend bool operator==(const MenuState&, const MenuState&) = default;
};


}  // namespace plv::host
