#pragma once
// Chooses a session's next action from the editor as it stands at the
// main menu: what to make, where to point (near graphics that are there),
// which menu a picked graphic reopens in, and which waits will come.

#include <cstdint>
#include <random>
#include <vector>

#include "editor/editor.h"
#include "sessions/actions.h"
#include "sessions/known_faults.h"

namespace plv::sessions {

class Rng {
 public:
  explicit Rng(std::uint64_t seed) : engine_(seed) {}
  int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
  bool chance(int percent) { return between(1, 100) <= percent; }
  // A multiple of 5, which a pick lands on exactly (the window has 5 plot units a pixel).
  int step5(int low, int high) { return 5 * between(low / 5, high / 5); }
  Point point() { return {step5(-1500, 1500), step5(-1100, 1100)}; }
  Point near(Point p, int reach) {
    return {std::clamp(p.x + step5(-reach, reach), -1600, 1600), std::clamp(p.y + step5(-reach, reach), -1200, 1200)};
  }

 private:
  std::mt19937_64 engine_;
};

class Generator {
 public:
  Generator(Rng& rng, const KnownFaults& faults) : rng_(rng), faults_(faults) {}
  Action next(const Editor& editor);

 private:
  Act choose_act(const Editor& editor);
  Action create(const Editor& editor);
  Action edit_delete(const Editor& editor, Act act);
  Action colour_edit(const Editor& editor);
  Action paste(const Editor& editor);
  std::vector<Point> box_drags(const Editor& editor, Point from1, Point from2);
  std::vector<Point> selection_drags(const Editor& editor, const editing::SelectionBox& box);
  Point target(const Editor& editor, const RenderState& render);
  std::vector<std::string> fields(Element e, bool options, bool coordinates);

  Rng& rng_;
  const KnownFaults& faults_;
  std::vector<Act> history_;
  bool written_since_open_ = false;
};

}  // namespace plv::sessions
