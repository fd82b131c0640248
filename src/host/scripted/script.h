#pragma once
// Input scripts for the scripted window system: one input event a line.
//
//   key F1 ... key F12            function keys
//   key UP | DOWN | RIGHT | LEFT  arrow keys
//   key ENTER | TAB | ESC | BACKSPACE | SPACE
//   key 97                        any key code as a decimal number
//   type TEXT                     every character after the first blank, one key each
//   click ROW COL [right]         press and release on a text cell (1-based)
//   pick X Y [right]              press and release at plot coordinates
//   move X Y                      pointer move to plot coordinates
//   drag X1 Y1 X2 Y2 [right]      press at the first point, move to the second, release
//   wheel N X Y                   the wheel turned N notches (negative: towards the
//                                 user) with the pointer at a plot point
//   pan X1 Y1 X2 Y2               a drag with the middle button
//   close                         the window's close request, asking nothing
//   close write|leave|cancel      the same, the question about unwritten
//                                 changes answered (asked only when there are)
//   replace yes|no                the answer to the next question whether a
//                                 file may be replaced (unanswered: yes)
//   command NAME [ARGUMENTS]      a command of the window's menu, its dialog
//                                 answered by the arguments:
//     print FILE.pdf | quickprint FILE.pdf   print (a PDF file stands for the printer)
//     tiff FILE | emf FILE | copy [FILE]      write, or copy (the copy saved to FILE)
//     export FILE [colour|mono] [LETTERING]    export, the lettering by the start of
//                                             its name (drafting, courier, helvetica, times)
//     pagesetup TOP LEFT WIDTH [landscape|portrait] | penwidth WINDOW PRINTER EMF
//     colour | background | about | exit
//   Without its arguments a dialog is cancelled.
//
// A line starting with '#' is a comment, as is the rest of any line after
// a '#' except on "type" lines, where every character is typed. Blank
// lines are skipped.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/key.h"
#include "host/window_menu.h"

namespace plv::host {

struct ScriptStep {
  enum class Kind { kKey, kClick, kPick, kMove, kDrag, kClose, kCommand, kKill, kReplace, kWheel };
  Kind kind = Kind::kKey;
  Key key{};                 // kKey
  int a = 0, b = 0;          // click: row, column; pick, move, drag: the (first) point
  int c = 0, d = 0;          // drag: the second point; wheel: c the notches
  int button = 1;            // click, pick, drag: 1 left, 2 right, 3 middle (pan)
  Command command{};         // kCommand: the window's command
  std::vector<std::string> arguments{};  // kCommand, kClose, kReplace: what answers its dialog
  int line = 0;              // where it came from
};

struct ScriptError {
  int line = 0;
  std::string message;  // "line N: ..." ready to show
};

struct Script {
  std::vector<ScriptStep> steps;
  std::optional<ScriptError> error;  // set: steps is empty
};

Script parse_script(std::string_view text);

}  // namespace plv::host
