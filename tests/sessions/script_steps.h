#pragma once
// Script steps: each is a line of a `plivet --headless --play` script, as
// the typed Script builder writes it, and stands for the window events the
// scripted window system makes of it. A session's queue also holds
// probes: where the tester looks at what is shown, or decides a key from it.

#include <optional>
#include <string>
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

}  // namespace plv::sessions
