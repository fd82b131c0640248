#pragma once
// Typed script steps: each is one line of a `plivet --headless --play`
// script and the window events that line stands for. A session's queue
// also holds probes: points where the tester looks at what is shown, or
// decides a key from it.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "host/events.h"

namespace plv::sessions {

struct Point {
  int x = 0, y = 0;  // plot coordinates
};

struct Step {
  enum class Kind { kKey, kType, kPick, kMove, kDrag, kLine } kind = Kind::kKey;
  std::string word;  // the key's name, the text typed, or a whole line read back
  Point from{}, to{};
  bool right = false;
  std::string line() const;
};

inline Step key(std::string name) { return {Step::Kind::kKey, std::move(name)}; }
inline Step typed(std::string text) { return {Step::Kind::kType, std::move(text)}; }
inline Step pick(Point p, bool right = false) { return {Step::Kind::kPick, {}, p, p, right}; }
inline Step move(Point p) { return {Step::Kind::kMove, {}, p, p}; }
inline Step drag(Point from, Point to) { return {Step::Kind::kDrag, {}, from, to}; }
inline Step line(std::string text) { return {Step::Kind::kLine, std::move(text)}; }

// The events the scripted window system makes of the step's line.
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
// looks there too (empty for the others, whose keys are in the script).
std::string probe_note(Probe p);
std::optional<Probe> noted_probe(std::string_view line);

using Item = std::variant<Step, Probe>;
using Items = std::vector<Item>;

}  // namespace plv::sessions
