#pragma once
// The actions a random session is made of, as typed data. Each goes from
// the main menu back to it and ends with the main menu's redraw, where
// the picture is checked.

#include <string>
#include <vector>

#include "sessions/script_steps.h"

namespace plv::sessions {

enum class Act {
  kOpen,  // past the file name menu, and a recovery offer when one comes
  kCreate, kDeletePointed, kDeleteBox, kEditGraphic, kColourEdit,
  kCut, kCopy, kClearBuffer, kPaste,
  kUndo, kRedo, kUndoAll, kRedoAll, kSetLayers,
  kWrite, kRemoveDeleted, kReopen, kCrash, kExit, kDrawAll,
};

enum class Element {
  kLine, kDashedLine, kWideLine, kArrow, kString, kBox, kCircle, kEllipse, kBracket,
  kComment, kFilledRectangle, kQuadrilateral, kNone,
};

// What a colour edit does with the colour typed.
enum class Recolour { kRegion, kOne, kRestore };
struct ColourOp {
  Recolour how = Recolour::kRegion;
  int colour = 0;             // typed first; 0: the field is left alone
  std::vector<Point> points{};  // the region's corner drags, or the one pick
};

struct Action {
  Act act = Act::kOpen;
  Element element = Element::kNone;  // made, or the menu a picked graphic reopens in
  bool by_pointer = false;           // made with the pointer; a paste fitted into a box
  int colour = 0;                    // typed on the create menu first; 0: none
  int undraws = 0;                   // made, then undrawn and edited (create menu F9) so often
  int undo_first = 0;                // Ctrl+Z on the create menu before making it
  bool escape = false;               // pointing given up with Escape, or a value typed taken back, first
  bool edit_again = false;           // the graphic just edited edited again (F6)
  int undo_after = 0, redo_after = 0;  // Ctrl+Z, then Ctrl+Y, on the menu before leaving it
  bool escape_box = false;           // a box dragged for deleting, cutting or copying ended with Escape
  bool toggle_deleted = false;       // F8 on the edit/delete menu first
  bool undelete = false;             // F9 after deleting
  bool palette = true;               // the drawing takes palette colours
  int count = 1;                     // undo and redo depth; work and also-draw layers
  int also = 0;
  std::vector<std::string> fields{};   // values typed in a form, in field order ("" leaves one)
  std::vector<std::string> edit_fields{};  // typed when reopened (undraw or edit); none: accepted
  std::vector<Point> points{};         // picks, moves, and drags as from-to pairs
  std::vector<ColourOp> colour_ops{};
};

std::string describe(const Action& action);
// The act a description starts with.
Act act_described(std::string_view description);
Items steps_of(const Action& action);

// The element's menu keys from the create menu (F7 leads to the others).
bool on_more_create_menu(Element e);
int menu_key(Element e);

}  // namespace plv::sessions
