#pragma once
// A small drawing and the actions the undo and recovery sessions take on
// it, each from the main menu and back there.

#include <string>

namespace plv::e2e::actions {

inline const std::string kDrawing = "d.plv\nGLIMPT EP      17.36      1.000 D M P\nDATE:  1-JAN-26\n"
                                    "SC MODE BAR\nSC BAR   7\nLI     0     0   100     0 S\nBX   200   200   300   300\n";
// Past the file name menu to the main menu, the picture drawn in the unmoved view.
inline const std::string kToMainMenu = "key F10\nkey F3\nkey ENTER\n";
// From the main menu: the exit menu, write and end.
inline const std::string kWriteAndEnd = "key F10\nkey F1\n";

inline const std::string kMake = "key F9\nkey F1\nkey F9\nkey ENTER\nkey F10\n";  // a line with the menu's values
inline const std::string kDelete = "key F5\nkey F1\npick 250 305 right\npick 0 0\nkey F10\n";  // the box
inline const std::string kEdit =
    "key F5\nkey F5\npick 50 2\nkey TAB\nkey TAB\nkey TAB\nkey TAB\nkey DELETE\ntype 300\nkey F9\nkey ENTER\nkey F10\n";
inline const std::string kPaste = "key F7\nkey F3\ndrag -500 -350 -10 -10\ndrag 500 350 110 110\nkey ENTER\n"
                                  "key F8\nkey DELETE\ntype 200\nkey TAB\nkey F9\nkey F10\n";
// The line recoloured 3 where it stands.
inline const std::string kRecolour = "key F5\nkey F7\nkey DELETE\ntype 3\nkey F5\npick 50 0\nkey ENTER\nkey F10\nkey F10\n";
// Ctrl+Z and Ctrl+Y draw the picture anew and wait for a key.
inline const std::string kUndo = "key CTRL-Z\nkey ENTER\n";
inline const std::string kRedo = "key CTRL-Y\nkey ENTER\n";

}  // namespace plv::e2e::actions
