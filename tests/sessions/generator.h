#pragma once
// Chooses a session's next action from the editor as it stands at the
// main menu: what to make, where to point (near graphics that are there),
// which menu a picked graphic reopens in, and which waits will come. The
// session's first drawing is made here too.

#include <cstdint>
#include <deque>
#include <random>
#include <string>

#include "editor/editor.h"
#include "editor/main_program.h"
#include "sessions/actions.h"

namespace plv::sessions {

class Rng {
 public:
  explicit Rng(std::uint64_t seed) : engine_(seed) {}
  int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
  bool chance(int percent) { return between(1, 100) <= percent; }
  // A multiple of 5, where a pick lands exactly (the window has 5 plot units a pixel).
  int step5(int low, int high) { return 5 * between(low / 5, high / 5); }
  Point point() { return {step5(-1500, 1500), step5(-1100, 1100)}; }
  Point near(Point p, int reach) {
    return {std::clamp(p.x + step5(-reach, reach), -1600, 1600), std::clamp(p.y + step5(-reach, reach), -1200, 1200)};
  }
  // A coordinate at least 20 away from `v`.
  int away(int v) { return v + (chance(50) ? 1 : -1) * step5(20, 400); }

 private:
  std::mt19937_64 engine_;
};

// A few random elements in the bar, grey or RGB colour mode, some under
// layer records, some ending in a scaled layer, written to `path` once by
// the editor's own writer; what was written.
std::string write_start_drawing(Rng& rng, const std::string& path);

class Generator {
 public:
  explicit Generator(Rng& rng) : rng_(rng) {}
  Action next(const Editor& editor, const MenuStates& states);
  // A write, an undo reaching back past it and the deleted graphics
  // removed; maybe a second plivet; then one action killed at a random item.
  void plan_kill(int actions);
  bool planned() const { return !plan_.empty(); }

 private:
  Act choose_act(const Editor& editor);

  Rng& rng_;
  Act last_ = Act::kOpen;
  int made_ = 0;                           // actions generated
  std::deque<std::pair<int, Act>> plan_;   // from which action each comes; kCrash: the kill
  bool killing_ = false;
};

}  // namespace plv::sessions
