#pragma once
// The actions a random session is made of, as typed data, and the script
// each becomes. Each goes from the main menu back to it and ends with the
// main menu's redraw, where the picture is checked. A script's steps are
// lines of a `plivet --headless --play` script, as the typed Script
// builder writes them, each standing for the window events the scripted
// window system makes of it; a session's queue also holds probes: where
// the tester looks at what is shown, or decides a key from it.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "host/events.h"
#include "support/script.h"

namespace plv::sessions {

using testing::Script;

struct Point {
  int x = 0, y = 0;  // plot coordinates
};

struct Step {
  std::string line;
};

std::vector<host::Event> events_of(const Step& step);

enum class Probe {
  kBeforePreview,     // the picture before an element or the buffer is shown
  kAtPreview,         // what was shown since
  kRedrawShown,       // the main menu's redraw is on the picture
  kEnterIfPicture,    // a picture that may or may not wait for a key
  kUndoWhileCan,      // Ctrl+Z until nothing is left to take back
  kRedoWhileCan,      // Ctrl+Y until nothing is left to make again
  kRecoverIfOffered,  // F1 on the recovery offer, when it comes
};

// The comment a probe that looks leaves in the script, so that a replay
// looks there too (none for the others: the keys they decide are there).
std::optional<std::string> probe_note(Probe p);
std::optional<Probe> noted_probe(const std::string& line);

using Item = std::variant<Step, Probe>;
using Items = std::vector<Item>;

// The script's lines, one step each.
Items steps_in(const Script& script);

enum class Act {
  kOpen,  // past the file name menu, and a recovery offer when one comes
  kCreate, kDeletePointed, kDeleteBox, kEditGraphic, kColourEdit, kCut, kCopy, kClearBuffer, kPaste,
  kUndo, kRedo, kUndoAll, kRedoAll, kSetLayers, kDrawAll, kWrite, kRemoveDeleted, kReopen, kCrash,
  kSecondCloses, kSecondQuits, kSecondWrites,  // a second plivet on the drawing is closed, quits it or writes it
  kExit,
};

// The elements made, and the menus a picked graphic reopens in.
enum class Element {
  kLine, kDashedLine, kWideLine, kArrow, kString, kBox, kCircle, kEllipse, kBracket,
  kComment, kFilledRectangle, kQuadrilateral, kNone,
};

// What a colour edit does with the colour typed (0: the field left alone).
enum class Recolour { kRegion, kOne, kRestore };
struct ColourOp {
  Recolour how = Recolour::kRegion;
  int colour = 0;                 // typed; 0: the field left as it shows
  bool recolours = false;         // the colour in the field is a palette colour of this drawing
  std::vector<Point> points{};  // the region's corner drags, or the one pick
};

struct Action {
  Act act = Act::kOpen;
  Element element = Element::kNone;
  bool by_pointer = false;         // made with the pointer; a paste fitted into a box
  int colour = 0;                  // typed on the create menu first
  int undraws = 0;                 // made, then undrawn and edited again (create menu F9) so often
  int undo_first = 0;              // Ctrl+Z on the create menu before making it
  bool escape = false;             // pointing given up, or a value typed taken back, with Escape first
  bool escape_box = false;         // a box for deleting, cutting or copying ended with Escape
  bool toggle_deleted = false;     // F8 on the edit/delete menu first
  bool undelete = false;           // F9 after deleting
  bool edit_again = false;         // the graphic just edited edited again (F6)
  bool palette = true;             // the drawing takes palette colours
  int undo_after = 0, redo_after = 0;  // Ctrl+Z, then Ctrl+Y, on the action's menu before leaving it
  int count = 1, also = 0;         // undo or redo depth; work and also-draw layers
  int kill = -1;                   // the editor killed after so many of its script's items (-1: never)
  std::vector<std::string> fields{};       // typed in a form, in field order ("" leaves one)
  std::vector<std::string> edit_fields{};  // typed when reopened; none: accepted as shown
  std::vector<Point> points{};             // picks, moves, and drags as from-to pairs
  std::vector<ColourOp> colour_ops{};
};

std::string describe(const Action& action);
Act act_described(std::string_view description);
Items steps_of(const Action& action);

}  // namespace plv::sessions
