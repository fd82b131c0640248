#include "sessions/actions.h"

#include <array>

namespace plv::sessions {
namespace {

constexpr std::array<const char*, 13> kElementNames = {
    "line", "dashed line", "wide line", "arrow", "string", "box", "circle", "ellipse", "bracket",
    "comment", "filled rectangle", "filled quadrilateral", "graphic"};
constexpr std::array<const char*, 21> kActNames = {
    "open", "create", "delete by pointing", "delete a box", "edit a graphic", "colour edit",
    "cut", "copy", "clear the buffer", "paste", "undo", "redo", "undo all", "redo all", "set layers",
    "write", "remove deleted", "close and reopen", "crash", "write and exit", "draw all"};
constexpr std::array<const char*, 3> kRecolourNames = {"a region", "one graphic", "restore"};

std::string function_key(int n) { return "F" + std::to_string(n); }

struct Builder {
  Items out;
  void add(Item i) { out.push_back(std::move(i)); }
  void keys(std::initializer_list<const char*> names) {
    for (const char* n : names) add(key(n));
  }
  // Each value cleared and typed in turn; an empty one is passed over.
  // With `escape`, something typed first is taken back with Escape.
  void form(const std::vector<std::string>& fields, bool escape = false) {
    for (const std::string& v : fields) {
      if (escape && !v.empty()) add(typed("9")), add(key("ESC")), escape = false;
      if (!v.empty()) add(key("DELETE")), add(typed(v));
      add(key("TAB"));
    }
  }
  void colour(int c) {
    if (c != 0) add(key("DELETE")), add(typed(std::to_string(c)));
  }
  // The step that shows an element or the buffer, between two looks at the picture.
  void previewed(Step trigger) {
    add(Probe::kBeforePreview);
    add(std::move(trigger));
    add(Probe::kAtPreview);
  }
  void drags(const std::vector<Point>& p, size_t first = 0) {
    for (size_t i = first; i + 1 < p.size(); i += 2) add(drag(p[i], p[i + 1]));
  }
  void picks_each_seen(const std::vector<Point>& p) {
    for (size_t i = 0; i < p.size(); ++i) {
      add(pick(p[i]));
      if (i + 1 < p.size()) add(key("ENTER"));
    }
    previewed(key("ENTER"));
  }
};

void pointing(Builder& b, const Action& a) {
  switch (a.element) {
    case Element::kString: b.previewed(pick(a.points[0])); break;
    case Element::kCircle:
    case Element::kEllipse:
    case Element::kQuadrilateral: b.picks_each_seen(a.points); break;
    case Element::kBox:
    case Element::kFilledRectangle:
      b.drags(a.points);
      b.previewed(key("ENTER"));
      break;
    default:  // a rubber-band line: its free end moved, then maybe its first end
      b.add(move(a.points[0]));
      b.drags(a.points, 1);
      b.previewed(key("ENTER"));
  }
}

void repeat(Builder& b, int count, const char* name) {
  for (int i = 0; i < count; ++i) b.keys({name, "ENTER"});
}

// Undone and redone on the action's own menu, then back to the main menu.
void afterwards(Builder& b, const Action& a) {
  repeat(b, a.undo_after, "CTRL-Z");
  repeat(b, a.redo_after, "CTRL-Y");
  b.add(key("F10"));
}

void create(Builder& b, const Action& a) {
  b.add(key("F9"));
  repeat(b, a.undo_first, "CTRL-Z");
  b.colour(a.colour);
  if (on_more_create_menu(a.element)) b.add(key("F7"));
  b.add(key(function_key(menu_key(a.element))));
  b.form(a.fields, a.escape && !a.by_pointer);
  if (a.element == Element::kComment) {
    b.add(key("F1"));
  } else {
    if (a.by_pointer && a.escape) b.keys({"F1", "ESC"});  // the menu comes back as it was
    if (a.by_pointer) b.add(key("F1")), pointing(b, a);
    else b.previewed(key("F9"));
    b.add(key("ENTER"));
  }
  for (int i = 0; i < a.undraws; ++i) {
    b.add(key("F9"));
    if (a.element != Element::kComment) {
      b.add(key("ENTER"));  // the picture with the element taken off
      b.form(a.edit_fields);
      b.previewed(key("F9"));
      b.add(key("ENTER"));
    }
  }
  afterwards(b, a);
}

void edit_delete(Builder& b, const Action& a) {
  b.add(key("F5"));
  if (a.toggle_deleted) b.add(key("F8"));
  if (a.act == Act::kDeletePointed) {
    b.add(key("F1"));
    for (const Point& p : a.points) b.add(pick(p, true));
    b.add(pick({0, 0}));
    if (a.undelete) b.add(key("F9")), b.add(Probe::kEnterIfPicture);
  } else if (a.act == Act::kDeleteBox) {
    b.add(key("F2"));
    b.drags(a.points);
    b.add(key(a.escape_box ? "ESC" : "ENTER"));
  } else {
    b.add(key("F5"));
    b.add(pick(a.points[0]));
    for (int i = a.element == Element::kNone ? 0 : 1 + a.edit_again; i > 0; --i) {
      if (i == 1 && a.edit_again) b.add(key("F6"));
      b.form(a.edit_fields);
      b.previewed(key("F9"));
      b.add(key("ENTER"));
    }
  }
  afterwards(b, a);
}

void colour_edit(Builder& b, const Action& a) {
  b.keys({"F5", "F7"});
  for (const ColourOp& op : a.colour_ops) {
    b.colour(op.colour);
    if (op.how == Recolour::kRestore) {
      b.keys({"F6", "ENTER"});
      continue;
    }
    b.add(key(op.how == Recolour::kRegion ? "F1" : "F5"));
    if (!a.palette) {
      b.add(key("ENTER"));  // told that only a bar-mode drawing takes palette colours
    } else if (op.how == Recolour::kRegion) {
      b.drags(op.points);
      b.add(key("ENTER"));
      b.add(Probe::kEnterIfPicture);
    } else {
      b.add(pick(op.points[0]));
      b.add(Probe::kEnterIfPicture);
    }
  }
  b.keys({"F10", "F10"});
}

void paste(Builder& b, const Action& a) {
  b.add(key("F8"));
  b.form(a.fields);
  if (a.by_pointer) {
    b.add(key("F1"));
    b.drags(a.points);
    b.keys({"ENTER", "ENTER"});  // the box ends, then the buffer fitted into it is seen
  }
  b.previewed(key("F3"));
  b.keys({"ENTER", "F9"});
  afterwards(b, a);
}

}  // namespace

bool on_more_create_menu(Element e) {
  return e == Element::kEllipse || e == Element::kBracket || e == Element::kComment ||
         e == Element::kFilledRectangle || e == Element::kQuadrilateral;
}

int menu_key(Element e) {
  switch (e) {
    case Element::kArrow: case Element::kBracket: return 2;
    case Element::kString: case Element::kComment: return 3;
    case Element::kBox: case Element::kFilledRectangle: return 4;
    case Element::kCircle: case Element::kQuadrilateral: return 5;
    default: return 1;  // lines and the ellipse
  }
}

std::string describe(const Action& a) {
  std::string text = kActNames[static_cast<size_t>(a.act)];
  const std::string element = kElementNames[static_cast<size_t>(a.element)];
  if (a.act == Act::kCreate) text += " " + element + (a.by_pointer ? " by pointer" : " typed");
  if (a.act == Act::kEditGraphic) text += " (" + element + (a.edit_fields.empty() ? ", accepted)" : ", changed)");
  if (a.colour != 0) text += ", colour " + std::to_string(a.colour);
  if (a.undo_first) text += ", " + std::to_string(a.undo_first) + " undone first";
  if (a.escape) text += ", escaped first";
  if (a.undraws) text += std::string(a.edit_fields.empty() ? ", undrawn and accepted" : ", undrawn and changed") +
                         " x" + std::to_string(a.undraws);
  if (a.edit_again) text += ", edited again";
  if (a.escape_box) text += ", the box ended with Escape";
  if (a.undo_after || a.redo_after)
    text += ", then " + std::to_string(a.undo_after) + " undone and " + std::to_string(a.redo_after) + " redone";
  if (a.toggle_deleted) text += ", deleted shown or hidden first";
  if (a.undelete) text += ", then undeleted";
  if (a.act == Act::kPaste) text += a.by_pointer ? " fitted into a box" : " typed";
  for (const ColourOp& op : a.colour_ops)
    text += std::string(", ") + kRecolourNames[static_cast<size_t>(op.how)] + " (" + std::to_string(op.colour) + ")";
  if (a.act == Act::kUndo || a.act == Act::kRedo) text += " x" + std::to_string(a.count);
  if (a.act == Act::kSetLayers) text += " " + std::to_string(a.count) + " and " + std::to_string(a.also);
  for (const std::string& f : a.fields) text += " " + (f.empty() ? "_" : f);
  return text;
}

Act act_described(std::string_view description) {
  size_t best = 0, longest = 0;  // "undo all" before "undo"
  for (size_t i = 0; i < kActNames.size(); ++i) {
    const std::string_view name = kActNames[i];
    if (description.starts_with(name) && name.size() > longest) best = i, longest = name.size();
  }
  return static_cast<Act>(best);
}

Items steps_of(const Action& a) {
  Builder b;
  switch (a.act) {
    case Act::kOpen: b.add(key("F10")), b.add(Probe::kRecoverIfOffered); break;
    case Act::kCreate: create(b, a); break;
    case Act::kDeletePointed:
    case Act::kDeleteBox:
    case Act::kEditGraphic: edit_delete(b, a); break;
    case Act::kColourEdit: colour_edit(b, a); break;
    case Act::kCut:
    case Act::kCopy:
      b.keys({"F7", a.act == Act::kCut ? "F2" : "F3"});
      b.drags(a.points);
      b.add(key(a.escape_box ? "ESC" : "ENTER"));
      break;
    case Act::kClearBuffer: b.keys({"F7", "F5", "F10"}); break;
    case Act::kPaste: paste(b, a); break;
    case Act::kUndo: repeat(b, a.count, "CTRL-Z"); break;
    case Act::kRedo: repeat(b, a.count, "CTRL-Y"); break;
    case Act::kUndoAll: b.add(Probe::kUndoWhileCan); break;
    case Act::kRedoAll: b.add(Probe::kRedoWhileCan); break;
    case Act::kSetLayers: b.form({std::to_string(a.count), std::to_string(a.also)}); break;
    case Act::kWrite: b.keys({"F1", "F3"}); break;
    case Act::kDrawAll: b.keys({"F4", "ENTER"}); break;
    case Act::kRemoveDeleted: b.keys({"F1", "F4", "F10"}); break;
    case Act::kReopen: b.keys({"F1", "F2", "F2", "ENTER", "F10"}); break;
    case Act::kCrash: return {};
    case Act::kExit: b.keys({"F10", "F1"}); return b.out;
  }
  b.add(key("F3"));
  b.add(Probe::kRedrawShown);
  b.add(key("ENTER"));
  return b.out;
}

}  // namespace plv::sessions
