#pragma once
// The window's own menu: its items, their command numbers, and which are
// enabled and checked. The platform builds its menu bar from this table.

#include <array>
#include <string_view>

namespace plv::host {

namespace commands {
inline constexpr int kPageSetup = 1;
inline constexpr int kPrintDialog = 3;
inline constexpr int kExit = 4;
inline constexpr int kCopy = 5;
inline constexpr int kPrint = 6;
inline constexpr int kColour = 7;
inline constexpr int kBlackBackground = 8;
inline constexpr int kPenWidth = 9;
inline constexpr int kAbout = 10;
inline constexpr int kWriteTiff = 12;
inline constexpr int kWriteMetafile = 14;
inline constexpr int kExportDrawing = 15;
inline constexpr int kUndo = 16;
inline constexpr int kRedo = 17;
}  // namespace commands

struct MenuItem {
  std::string_view menu;   // empty: an item on the menu bar itself
  std::string_view label;  // '&' marks the access key
  int command;
  bool right_aligned = false;
};

inline constexpr std::array<MenuItem, 14> kWindowMenu{{
    {"File", "Page Set&up", commands::kPageSetup},
    {"File", "&Print", commands::kPrintDialog},
    {"File", "Write &TIF", commands::kWriteTiff},
    {"File", "Write &EMF", commands::kWriteMetafile},
    {"File", "Ex&port...", commands::kExportDrawing},
    {"File", "E&xit", commands::kExit},
    {"Edit", "&Undo\tCtrl+Z", commands::kUndo},
    {"Edit", "&Redo\tCtrl+Y", commands::kRedo},
    {"Edit", "&Copy", commands::kCopy},
    {"", "&Print", commands::kPrint},
    {"Options", "&Color", commands::kColour},
    {"Options", "&Black Background", commands::kBlackBackground},
    {"Options", "&Pen Width...", commands::kPenWidth},
    {"Help", "&About", commands::kAbout, true},
}};

// Printing and export are offered only while the picture is shown.
struct MenuState {
  bool picture_commands_enabled = false;  // commands 3, 6, 12 and 14
  bool colour_checked = true;
  bool black_background_checked = true;

  bool enabled(int command) const;
  bool checked(int command) const;
  friend bool operator==(const MenuState&, const MenuState&) = default;
};

// Commands the window accepts: the menu's, and 2, 11 and 13, which do nothing.
bool is_window_command(int command);

}  // namespace plv::host
