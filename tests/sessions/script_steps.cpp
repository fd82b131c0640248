#include "sessions/script_steps.h"

#include <sstream>
#include <stdexcept>

#include "host/scripted/script.h"
#include "host/transforms.h"

namespace plv::sessions {
namespace {

constexpr Probe kLooking[] = {Probe::kBeforePreview, Probe::kAtPreview, Probe::kRedrawShown};
constexpr const char* kNotes[] = {"#@ before the preview", "#@ the preview", "#@ the redraw"};

host::Event pointer(host::EventType type, host::Point pixel, int button) {
  return {.type = type, .x = pixel.x, .y = pixel.y, .button = button};
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
  for (size_t i = 0; i < std::size(kLooking); ++i)
    if (kLooking[i] == p) return kNotes[i];
  return std::nullopt;
}

std::optional<Probe> noted_probe(const std::string& line) {
  for (size_t i = 0; i < std::size(kLooking); ++i)
    if (line == kNotes[i]) return kLooking[i];
  return std::nullopt;
}

}  // namespace plv::sessions
