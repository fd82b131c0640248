#pragma once
// A drawing's colour mode, as its colour-mode records name it, and what a
// reader of its colour records carries from one record to the next: a
// colour record sets a colour or not according to the mode in force.

namespace plv {

enum class ColourMode : int {
  kNone = -1,
  kMono = 0,
  kBar = 1,
  kRgb = 2,
  kGrey = 3,
  kCircl = 4,
  kHot = 5,
  kHotPj = 6,
  kHotIron = 7,
};

struct ColourTrack {
  ColourMode mode = ColourMode::kNone;
  bool mode_seen = false;  // a mode was chosen since the start of the drawing
};

}  // namespace plv
