#include "sessions/actions.h"

#include <array>
#include <sstream>
#include <stdexcept>

#include "host/scripted/script.h"
#include "host/transforms.h"

namespace plv::sessions {
namespace {

constexpr std::pair<Probe, const char*> kNotes[] = {
    {Probe::kBeforePreview, "#@ before the preview"}, {Probe::kAtPreview, "#@ the preview"},
    {Probe::kRedrawShown, "#@ the redraw"}};

host::Event pointer(host::EventType type, host::Point pixel, int button) {
  return {.type = type, .x = pixel.x, .y = pixel.y, .button = button};
}

constexpr std::array<const char*, 13> kElements = {
    "line", "dashed line", "wide line", "arrow", "string", "box", "circle", "ellipse", "bracket",
    "comment", "filled rectangle", "filled quadrilateral", "graphic"};
constexpr std::array<const char*, 24> kActs = {
    "open", "create", "delete by pointing", "delete a box", "edit a graphic", "colour edit", "cut", "copy",
    "clear the buffer", "paste", "undo", "redo", "undo all", "redo all", "set layers", "draw all", "write",
    "remove deleted", "close and reopen", "crash", "second plivet closed", "second plivet quits",
    "second plivet writes", "write and exit"};

bool on_more_create_menu(Element e) { return e >= Element::kEllipse && e != Element::kNone; }

// The element's function key on the create menu, or on the more-create menu.
int menu_key(Element e) {
  switch (e) {
    case Element::kArrow: case Element::kBracket: return 2;
    case Element::kString: case Element::kComment: return 3;
    case Element::kBox: case Element::kFilledRectangle: return 4;
    case Element::kCircle: case Element::kQuadrilateral: return 5;
    default: return 1;
  }
}

Script pick(Point p) { return Script().pick(p.x, p.y); }
Script drags(const std::vector<Point>& p, size_t first = 0) {
  Script s;
  for (size_t i = first; i + 1 < p.size(); i += 2) s.drag(p[i].x, p[i].y, p[i + 1].x, p[i + 1].y);
  return s;
}
// Ctrl+Z or Ctrl+Y so often, each with the key its message waits for.
Script undone(int times) { return Script().then(Script().undo().enter(), times); }
Script redone(int times) { return Script().then(Script().redo().enter(), times); }
// Each value cleared and typed in turn, an empty one passed over; with
// `escape`, something typed first is taken back with Escape.
Script form(const std::vector<std::string>& fields, bool escape = false) {
  Script s;
  for (const std::string& v : fields) {
    if (escape && !v.empty()) s.type("9").esc(), escape = false;
    if (!v.empty()) s.field(v);
    s.tab();
  }
  return s;
}
Script colour(int c) { return c != 0 ? Script().field(std::to_string(c)) : Script(); }

struct Builder {
  Items out;
  Builder& operator<<(const Script& s) {
    for (Item& step : steps_in(s)) out.push_back(std::move(step));
    return *this;
  }
  Builder& operator<<(Probe p) {
    out.push_back(p);
    return *this;
  }
  // The step that shows an element or the buffer, between two looks at the picture.
  void previewed(const Script& trigger) { *this << Probe::kBeforePreview << trigger << Probe::kAtPreview; }
  // Undone and redone on the action's own menu, then back to the main menu.
  void leave(const Action& a) { *this << undone(a.undo_after) << redone(a.redo_after) << Script().f(10); }
};

void pointing(Builder& b, const Action& a) {
  const std::vector<Point>& p = a.points;
  if (a.element == Element::kString) return b.previewed(pick(p[0]));
  if (a.element == Element::kBox || a.element == Element::kFilledRectangle) {
    b << drags(p);
  } else if (a.element == Element::kCircle || a.element == Element::kEllipse || a.element == Element::kQuadrilateral) {
    for (size_t i = 0; i < p.size(); ++i)  // each point is marked, and waits
      b << (i + 1 < p.size() ? Script().point(p[i].x, p[i].y) : pick(p[i]));
  } else {  // a rubber-band line: its free end moved, then maybe its other end
    b << Script().move(p[0].x, p[0].y) << drags(p, 1);
  }
  b.previewed(Script().enter());
}

void create(Builder& b, const Action& a) {
  b << Script().f(9) << undone(a.undo_first) << colour(a.colour);
  if (on_more_create_menu(a.element)) b << Script().f(7);
  b << Script().f(menu_key(a.element)) << form(a.fields, a.escape && !a.by_pointer);
  if (a.element == Element::kComment) {
    b << Script().f(1);
  } else {
    if (a.by_pointer && a.escape) b << Script().f(1).esc();  // the menu comes back as it was
    if (a.by_pointer) b << Script().f(1), pointing(b, a);
    else b.previewed(Script().f(9));
    b << Script().enter();
  }
  for (int i = 0; i < a.undraws; ++i) {
    b << Script().f(9);
    if (a.element == Element::kComment) continue;  // gone: nothing is shown or reopened
    b << Script().enter() << form(a.edit_fields);  // Enter: the picture with the element taken off
    b.previewed(Script().f(9));
    b << Script().enter();
  }
  b.leave(a);
}

void edit_delete(Builder& b, const Action& a) {
  b << Script().f(5);
  if (a.toggle_deleted) b << Script().f(8);
  if (a.act == Act::kDeletePointed) {
    b << Script().f(1);
    for (const Point& p : a.points) b << Script().pick_right(p.x, p.y);
    b << pick({0, 0});
    if (a.undelete) b << Script().f(9) << Probe::kEnterIfPicture;
  } else if (a.act == Act::kDeleteBox) {
    b << Script().f(2) << drags(a.points) << (a.escape_box ? Script().esc() : Script().enter());
  } else {
    b << Script().f(5) << pick(a.points[0]);
    for (int i = a.element == Element::kNone ? 0 : 1 + a.edit_again; i > 0; --i) {
      if (i == 1 && a.edit_again) b << Script().f(6);
      b << form(a.edit_fields);
      b.previewed(Script().f(9));
      b << Script().enter();
    }
  }
  b.leave(a);
}

void colour_edit(Builder& b, const Action& a) {
  b << Script().f(5).f(7);
  for (const ColourOp& op : a.colour_ops) {
    const int key = op.how == Recolour::kRegion ? 1 : 5;
    b << colour(op.colour);
    if (op.how == Recolour::kRestore) {
      b << Script().f(6).enter();  // redrawn, or told there is nothing to restore
    } else if (!op.recolours) {
      b << Script().f(key).enter();  // told it takes palette colours only, or that the colour is none
    } else {
      b << Script().f(key);
      if (op.how == Recolour::kRegion) b << drags(op.points) << Script().enter();
      else b << pick(op.points[0]);
      b << Probe::kEnterIfPicture;  // shown recoloured when something was
    }
  }
  b << Script().f(10).f(10);
}

void paste(Builder& b, const Action& a) {
  b << Script().f(8) << form(a.fields);
  // The box ends, then the buffer fitted into it is seen.
  if (a.by_pointer) b << Script().f(1) << drags(a.points) << Script().enter().enter();
  b.previewed(Script().f(3));
  b << Script().enter().f(9);
  b.leave(a);
}

}  // namespace

std::vector<host::Event> events_of(const Step& step) {
  const host::Script script = host::parse_script(step.line);
  if (script.error) throw std::logic_error("not a script line: " + step.line);
  const auto window = host::WindowTransform::for_client(700, 500);  // the scripted window's size
  std::vector<host::Event> out;
  using T = host::EventType;
  for (const host::ScriptStep& s : script.steps) {
    const host::Point a = window.to_pixel(s.a, s.b), b = window.to_pixel(s.c, s.d);
    if (s.kind == host::ScriptStep::Kind::kKey) out.push_back({.type = T::kKey, .key = s.key});
    if (s.kind == host::ScriptStep::Kind::kClose) out.push_back({.type = T::kClose});
    if (s.kind == host::ScriptStep::Kind::kMove) out.push_back(pointer(T::kPointerMove, a, 0));
    if (s.kind == host::ScriptStep::Kind::kPick || s.kind == host::ScriptStep::Kind::kDrag)
      out.push_back(pointer(T::kButtonPress, a, s.button));
    if (s.kind == host::ScriptStep::Kind::kDrag) out.push_back(pointer(T::kPointerMove, b, 0));
    if (s.kind == host::ScriptStep::Kind::kPick) out.push_back(pointer(T::kButtonRelease, a, s.button));
    if (s.kind == host::ScriptStep::Kind::kDrag) out.push_back(pointer(T::kButtonRelease, b, s.button));
  }
  return out;
}

Items steps_in(const Script& script) {
  Items out;
  std::istringstream lines(script.text());
  for (std::string line; std::getline(lines, line);) out.push_back(Step{line});
  return out;
}

std::optional<std::string> probe_note(Probe p) {
  for (const auto& [probe, note] : kNotes)
    if (probe == p) return note;
  return std::nullopt;
}

std::optional<Probe> noted_probe(const std::string& line) {
  for (const auto& [probe, note] : kNotes)
    if (line == note) return probe;
  return std::nullopt;
}

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
    case Act::kOpen: b << Script().f(10) << Probe::kRecoverIfOffered; break;
    case Act::kCreate: create(b, a); break;
    case Act::kDeletePointed: case Act::kDeleteBox: case Act::kEditGraphic: edit_delete(b, a); break;
    case Act::kColourEdit: colour_edit(b, a); break;
    case Act::kCut: case Act::kCopy:
      b << Script().f(7).f(a.act == Act::kCut ? 2 : 3) << drags(a.points);
      b << (a.escape_box ? Script().esc() : Script().enter());
      break;
    case Act::kClearBuffer: b << Script().f(7).f(5).f(10); break;
    case Act::kPaste: paste(b, a); break;
    case Act::kUndo: b << undone(a.count); break;
    case Act::kRedo: b << redone(a.count); break;
    case Act::kUndoAll: b << Probe::kUndoWhileCan; break;
    case Act::kRedoAll: b << Probe::kRedoWhileCan; break;
    case Act::kSetLayers: b << form({std::to_string(a.count), std::to_string(a.also)}); break;
    case Act::kDrawAll: b << Script().f(4).enter(); break;
    case Act::kWrite: b << Script().f(1).f(3); break;
    case Act::kRemoveDeleted: b << Script().f(1).f(4).f(10); break;
    case Act::kReopen: b << Script().f(1).f(2).f(2).enter().f(10); break;  // closed, then chosen from the list
    case Act::kCrash: case Act::kSecondCloses: case Act::kSecondQuits: case Act::kSecondWrites: return {};
    case Act::kExit: b << Script().f(10).f(1); return b.out;
  }
  b << Script().f(3) << Probe::kRedrawShown << Script().enter();
  return b.out;
}

}  // namespace

Items steps_of(const Action& a) {
  Items items = script_of(a);
  if (a.kill >= 0) items.insert(items.begin() + std::min<std::ptrdiff_t>(a.kill, std::ssize(items)), Step{"kill"});
  return items;
}

}  // namespace plv::sessions
