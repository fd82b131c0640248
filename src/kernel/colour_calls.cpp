#include "kernel/colour_calls.h"

namespace plv::kernel {
namespace {

SentColour with_grey(const PaletteColour& c, int grey) { return {c, grey, false}; }

}  // namespace

void ColourCalls::set_palettes(std::array<std::vector<PaletteColour>, kPaletteCount> palettes) {
  palettes_ = std::move(palettes);
}

ColourEffect ColourCalls::select_mode(KernelMode mode) {
  mode_ = mode;
  const auto& palette = current_palette();
  return {palette.empty() ? nullptr : &palette, std::nullopt};
}

const std::vector<PaletteColour>* ColourCalls::first_mode(KernelMode mode) {
  if (mode_ != KernelMode::kNone) return nullptr;
  return select_mode(mode).realise;
}

ColourEffect ColourCalls::index_colour() const {
  const auto& palette = current_palette();
  if (palette.empty()) return {};  // before the window exists
  return {nullptr, with_grey(palette[static_cast<size_t>(index_)], grey_for_index(index_))};
}

ColourEffect ColourCalls::restart() {
  ColourEffect effect = select_mode(mode_);
  index_ = 7;
  effect.send = index_colour().send;
  return effect;
}

ColourEffect ColourCalls::lcmode(int imode) {
  const auto mode = mode_for_lcmode(imode);
  if (!mode) return {};
  ColourEffect effect = select_mode(*mode);
  effect.send = index_colour().send;
  return effect;
}

ColourEffect ColourCalls::colour(int index) {
  ColourEffect effect{first_mode(KernelMode::kIndex), std::nullopt};
  index_ = clamp_palette_index(index);
  effect.send = index_colour().send;
  return effect;
}

ColourEffect ColourCalls::rgb(float red, float green, float blue) {
  ColourEffect effect{first_mode(KernelMode::kRgb), std::nullopt};
  const auto component = [](float f) { return static_cast<std::uint8_t>(rgb_component(f)); };
  effect.send = SentColour{{component(red), component(green), component(blue)}, std::nullopt, false};
  return effect;
}

ColourEffect ColourCalls::grey(int level) {
  ColourEffect effect{first_mode(KernelMode::kGrey), std::nullopt};
  const int entry = (level + 16 >= 16 && level + 16 <= 31) ? level + 16 : 23;
  // Palette 1 holds colour cube entries where the others hold their grey
  // ramp; a grey level always takes a grey.
  const int set = palette_set() == 1 ? 2 : palette_set();
  const auto& palette = palettes_[set - 1];
  if (palette.empty()) return effect;
  const PaletteColour& c = palette[static_cast<size_t>(entry)];
  effect.send = with_grey(c, c.red);  // ramp entries are greys
  return effect;
}

ColourEffect ColourCalls::scale(int scale, float value) {
  if (scale < 1 || scale > 3) return {};
  ColourEffect effect{first_mode(scale_mode(scale)), std::nullopt};
  const ScaleColour s = scale_colour(scale, value);
  if (s.white_index_record) {
    effect.send = SentColour{{255, 255, 255}, 0, true};
    return effect;
  }
  const auto& palette = palettes_[s.palette - 1];
  if (palette.empty() || static_cast<size_t>(s.entry) >= palette.size()) return effect;
  effect.send = with_grey(palette[static_cast<size_t>(s.entry)], s.grey);
  return effect;
}

}  // namespace plv::kernel
