#pragma once
// The colour calls as a state of their own: the colour mode, the palette
// index, and what each call asks of a surface. The kernel passes it on to
// the window; the translator puts it on paper.

#include <array>
#include <optional>
#include <vector>

#include "kernel/colour_rules.h"
#include "kernel/palettes.h"

namespace plv::kernel {

// A colour record (no grey), a colour and grey record, or the index record
// 255, 255, 255, 0 that the lowest iron entry sends.
struct SentColour {
  PaletteColour rgb;
  std::optional<int> grey;
  bool white_index_record = false;
  friend bool operator==(const SentColour&, const SentColour&) = default;
};

// What one call does: a palette to realise (when the mode changed), then a
// colour to send. Either may be missing.
struct ColourEffect {
  const std::vector<PaletteColour>* realise = nullptr;
  std::optional<SentColour> send;
};

class ColourCalls {
 public:
  // The realised palettes; until they are given every call sends nothing.
  void set_palettes(std::array<std::vector<PaletteColour>, kPaletteCount> palettes);

  KernelMode mode() const { return mode_; }
  int index() const { return index_; }
  int palette_set() const { return palette_for_mode(mode_); }
  const std::vector<PaletteColour>& current_palette() const { return palettes_[palette_set() - 1]; }
  // The next colour call picks the mode again.
  void forget_mode() { mode_ = KernelMode::kNone; }

  ColourEffect select_mode(KernelMode mode);
  ColourEffect index_colour() const;  // the current index, sent again
  // The mode's palette realised again and index 7 set, with no mode picked.
  ColourEffect restart();
  ColourEffect lcmode(int imode);
  ColourEffect colour(int index);
  ColourEffect rgb(float red, float green, float blue);
  ColourEffect grey(int level);
  ColourEffect scale(int scale, float value);

 private:
  // Picks `mode` when no mode is in force yet.
  const std::vector<PaletteColour>* first_mode(KernelMode mode);

  std::array<std::vector<PaletteColour>, kPaletteCount> palettes_;
  KernelMode mode_ = KernelMode::kNone;
  int index_ = 7;
};

}  // namespace plv::kernel
