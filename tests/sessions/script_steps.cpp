#include "sessions/script_steps.h"

#include <stdexcept>

#include "host/scripted/script.h"
#include "host/transforms.h"

namespace plv::sessions {
namespace {

std::string point_text(Point p) { return std::to_string(p.x) + " " + std::to_string(p.y); }

// The scripted window system's own client size.
constexpr int kClientWidth = 700, kClientHeight = 500;

host::Event pointer(host::EventType type, host::Point pixel, int button) {
  return {.type = type, .x = pixel.x, .y = pixel.y, .button = button};
}

}  // namespace

std::string Step::line() const {
  const std::string button = right ? " right" : "";
  switch (kind) {
    case Kind::kKey: return "key " + word;
    case Kind::kType: return "type " + word;
    case Kind::kPick: return "pick " + point_text(from) + button;
    case Kind::kMove: return "move " + point_text(from);
    case Kind::kDrag: return "drag " + point_text(from) + " " + point_text(to) + button;
    case Kind::kLine: return word;
  }
  return {};
}

std::string probe_note(Probe p) {
  switch (p) {
    case Probe::kBeforePreview: return "#@ before the preview";
    case Probe::kAtPreview: return "#@ the preview";
    case Probe::kRedrawShown: return "#@ the redraw";
    default: return {};
  }
}

std::optional<Probe> noted_probe(std::string_view line) {
  for (const Probe p : {Probe::kBeforePreview, Probe::kAtPreview, Probe::kRedrawShown})
    if (line == probe_note(p)) return p;
  return std::nullopt;
}

std::vector<host::Event> events_of(const Step& step) {
  const host::Script script = host::parse_script(step.line());
  if (script.error) throw std::logic_error("bad script line: " + step.line());
  const auto window = host::WindowTransform::for_client(kClientWidth, kClientHeight);
  std::vector<host::Event> out;
  for (const host::ScriptStep& s : script.steps) {
    const host::Point a = window.to_pixel(s.a, s.b), b = window.to_pixel(s.c, s.d);
    using T = host::EventType;
    switch (s.kind) {
      case host::ScriptStep::Kind::kKey: out.push_back({.type = T::kKey, .key = s.key}); break;
      case host::ScriptStep::Kind::kPick:
        out.push_back(pointer(T::kButtonPress, a, s.button));
        out.push_back(pointer(T::kButtonRelease, a, s.button));
        break;
      case host::ScriptStep::Kind::kMove: out.push_back(pointer(T::kPointerMove, a, 0)); break;
      case host::ScriptStep::Kind::kDrag:
        out.push_back(pointer(T::kButtonPress, a, s.button));
        out.push_back(pointer(T::kPointerMove, b, 0));
        out.push_back(pointer(T::kButtonRelease, b, s.button));
        break;
      default: throw std::logic_error("no events for: " + step.line());
    }
  }
  return out;
}

}  // namespace plv::sessions
