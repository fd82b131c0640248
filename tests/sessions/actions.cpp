#include "sessions/actions.h"

#include <array>

namespace plv::sessions {
namespace {

constexpr std::array<const char*, 13> kElements = {
    "line", "dashed line", "wide line", "arrow", "string", "box", "circle", "ellipse", "bracket",
    "comment", "filled rectangle", "filled quadrilateral", "graphic"};
constexpr std::array<const char*, 24> kActs = {
    "open", "create", "delete by pointing", "delete a box", "edit a graphic", "colour edit", "cut", "copy",
    "clear the buffer", "paste", "undo", "redo", "undo all", "redo all", "set layers", "draw all", "write",
    "remove deleted", "close and reopen", "crash", "second plivet closed", "second plivet quits",
    "second plivet writes", "write and exit"};

bool on_more_create_menu(Element e) { return e >= Element::kEllipse && e != Element::kNone; }

// The element's key on the create menu, or on the more-create menu.
std::string menu_key(Element e) {
  switch (e) {
    case Element::kArrow: case Element::kBracket: return "F2";
    case Element::kString: case Element::kComment: return "F3";
    case Element::kBox: case Element::kFilledRectangle: return "F4";
    case Element::kCircle: case Element::kQuadrilateral: return "F5";
    default: return "F1";
  }
}

struct Builder {
  Items out;
  void add(Item i) { out.push_back(std::move(i)); }
  void keys(std::initializer_list<const char*> names) {
    for (const char* n : names) add(key(n));
  }
  void repeat(int count, const char* name) {
    for (int i = 0; i < count; ++i) keys({name, "ENTER"});
  }
  // Each value cleared and typed in turn, an empty one passed over; with
  // `escape`, something typed first is taken back with Escape.
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
    add(Probe::kBeforePreview), add(std::move(trigger)), add(Probe::kAtPreview);
  }
  void drags(const std::vector<Point>& p, size_t first = 0) {
    for (size_t i = first; i + 1 < p.size(); i += 2) add(drag(p[i], p[i + 1]));
  }
  // Undone and redone on the action's own menu, then back to the main menu.
  void leave(const Action& a) {
    repeat(a.undo_after, "CTRL-Z");
    repeat(a.redo_after, "CTRL-Y");
    add(key("F10"));
  }
};

void pointing(Builder& b, const Action& a) {
  if (a.element == Element::kString) return b.previewed(pick(a.points[0]));
  if (a.element == Element::kBox || a.element == Element::kFilledRectangle) {
    b.drags(a.points);
  } else if (a.element == Element::kCircle || a.element == Element::kEllipse || a.element == Element::kQuadrilateral) {
    for (size_t i = 0; i < a.points.size(); ++i) {  // each point is marked, and waits
      b.add(pick(a.points[i]));
      if (i + 1 < a.points.size()) b.add(key("ENTER"));
    }
  } else {  // a rubber-band line: its free end moved, then maybe its other end
    b.add(move(a.points[0]));
    b.drags(a.points, 1);
  }
  b.previewed(key("ENTER"));
}

void create(Builder& b, const Action& a) {
  b.add(key("F9"));
  b.repeat(a.undo_first, "CTRL-Z");
  b.colour(a.colour);
  if (on_more_create_menu(a.element)) b.add(key("F7"));
  b.add(key(menu_key(a.element)));
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
    if (a.element == Element::kComment) continue;  // gone: nothing is shown or reopened
    b.add(key("ENTER"));  // the picture with the element taken off
    b.form(a.edit_fields);
    b.previewed(key("F9"));
    b.add(key("ENTER"));
  }
  b.leave(a);
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
  b.leave(a);
}

void colour_edit(Builder& b, const Action& a) {
  b.keys({"F5", "F7"});
  for (const ColourOp& op : a.colour_ops) {
    b.colour(op.colour);
    if (op.how == Recolour::kRestore) {
      b.keys({"F6", "ENTER"});  // redrawn, or told there is nothing to restore
    } else if (!op.recolours) {
      // Told it takes palette colours only, or that the colour is none.
      b.keys({op.how == Recolour::kRegion ? "F1" : "F5", "ENTER"});
    } else {
      b.add(key(op.how == Recolour::kRegion ? "F1" : "F5"));
      if (op.how == Recolour::kRegion) b.drags(op.points), b.add(key("ENTER"));
      else b.add(pick(op.points[0]));
      b.add(Probe::kEnterIfPicture);  // shown recoloured when something was
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
  b.leave(a);
}

}  // namespace

std::string describe(const Action& a) {
  std::string text = kActs[static_cast<size_t>(a.act)];
  auto add = [&text](bool on, const std::string& what) { text += on ? what : ""; };
  add(a.element != Element::kNone, std::string(" ") + kElements[static_cast<size_t>(a.element)]);
  add(a.act == Act::kCreate || a.act == Act::kPaste, a.by_pointer ? " by pointer" : " typed");
  add(a.colour != 0, ", colour " + std::to_string(a.colour));
  add(a.undraws > 0, ", undrawn and edited x" + std::to_string(a.undraws));
  add(!a.edit_fields.empty(), ", values changed");
  add(a.undo_first > 0, ", undone first");
  add(a.escape || a.escape_box, ", with Escape");
  add(a.toggle_deleted, ", deleted graphics shown or hidden");
  add(a.undelete, ", then undeleted");
  add(a.edit_again, ", edited again");
  add(!a.colour_ops.empty(), ", " + std::to_string(a.colour_ops.size()) + " recolourings");
  add(a.undo_after > 0, ", then undone and redone");
  add(a.act == Act::kUndo || a.act == Act::kRedo, " x" + std::to_string(a.count));
  add(a.act == Act::kSetLayers, " " + std::to_string(a.count) + " and " + std::to_string(a.also));
  add(a.kill >= 0 && a.act != Act::kCrash, ", killed");
  return text;
}

Act act_described(std::string_view description) {
  size_t best = 0;  // the longest name that fits: "undo all" rather than "undo"
  for (size_t i = 0; i < kActs.size(); ++i)
    if (description.starts_with(kActs[i]) && std::string_view(kActs[i]).size() > std::string_view(kActs[best]).size())
      best = i;
  return static_cast<Act>(best);
}

namespace {

Items script_of(const Action& a) {
  Builder b;
  switch (a.act) {
    case Act::kOpen: b.add(key("F10")), b.add(Probe::kRecoverIfOffered); break;
    case Act::kCreate: create(b, a); break;
    case Act::kDeletePointed: case Act::kDeleteBox: case Act::kEditGraphic: edit_delete(b, a); break;
    case Act::kColourEdit: colour_edit(b, a); break;
    case Act::kCut: case Act::kCopy:
      b.keys({"F7", a.act == Act::kCut ? "F2" : "F3"});
      b.drags(a.points);
      b.add(key(a.escape_box ? "ESC" : "ENTER"));
      break;
    case Act::kClearBuffer: b.keys({"F7", "F5", "F10"}); break;
    case Act::kPaste: paste(b, a); break;
    case Act::kUndo: b.repeat(a.count, "CTRL-Z"); break;
    case Act::kRedo: b.repeat(a.count, "CTRL-Y"); break;
    case Act::kUndoAll: b.add(Probe::kUndoWhileCan); break;
    case Act::kRedoAll: b.add(Probe::kRedoWhileCan); break;
    case Act::kSetLayers: b.form({std::to_string(a.count), std::to_string(a.also)}); break;
    case Act::kDrawAll: b.keys({"F4", "ENTER"}); break;
    case Act::kWrite: b.keys({"F1", "F3"}); break;
    case Act::kRemoveDeleted: b.keys({"F1", "F4", "F10"}); break;
    case Act::kReopen: b.keys({"F1", "F2", "F2", "ENTER", "F10"}); break;  // closed, then chosen from the list
    case Act::kCrash: case Act::kSecondCloses: case Act::kSecondQuits: case Act::kSecondWrites: return {};
    case Act::kExit: b.keys({"F10", "F1"}); return b.out;
  }
  b.add(key("F3"));
  b.add(Probe::kRedrawShown);
  b.add(key("ENTER"));
  return b.out;
}

}  // namespace

Items steps_of(const Action& a) {
  Items items = script_of(a);
  if (a.kill >= 0) items.insert(items.begin() + std::min<std::ptrdiff_t>(a.kill, std::ssize(items)), Step{"kill"});
  return items;
}

}  // namespace plv::sessions
