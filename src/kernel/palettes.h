#pragma once
// The three built-in palettes. A colour mode selects one of them; palette
// indices, grey indices and colour-scale values take their colours from it.
//
// Palettes 1 and 2 are kept with components 0-63 and become 0-252 when they
// are realised (each component times 4); palette 3 is kept with 0-255.

#include <cstdint>
#include <span>
#include <vector>

namespace plv::kernel {

struct PaletteColour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const PaletteColour&, const PaletteColour&) = default;
};

inline constexpr int kPaletteCount = 3;

// Entries as kept, for palette 1, 2 or 3; throws std::out_of_range otherwise.
std::span<const PaletteColour> stored_palette(int palette);

// Entries as the window receives them: palettes 1 and 2 scaled by 4.
std::vector<PaletteColour> realised_palette(int palette);

}  // namespace plv::kernel
