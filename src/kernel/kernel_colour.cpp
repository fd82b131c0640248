// Colour modes, palettes and the colour calls.

#include "kernel/kernel.h"

namespace plv::kernel {
namespace {
std::vector<host::Rgb> as_host_colours(const std::vector<PaletteColour>& palette) {
  std::vector<host::Rgb> out;
  out.reserve(palette.size());
  for (const PaletteColour& c : palette) out.push_back({c.red, c.green, c.blue});
  return out;
}
}  // namespace

int Kernel::palette_for_current_mode() const { return palette_for_mode(mode_); }

void Kernel::select_mode(KernelMode mode) {
  mode_ = mode;
  const auto& palette = palettes_[palette_for_mode(mode) - 1];
  if (!palette.empty()) host_.picture().realise_palette(as_host_colours(palette));
}

void Kernel::apply_index_colour() {
  const auto& palette = palettes_[palette_for_current_mode() - 1];
  if (palette.empty()) return;  // before the window exists
  const PaletteColour& c = palette[static_cast<size_t>(index_)];
  host_.picture().set_colour_grey(c.red, c.green, c.blue, grey_for_index(index_));
}

void Kernel::lcmode(int imode) {
  const auto mode = mode_for_lcmode(imode);
  if (!mode) return;
  select_mode(*mode);
  apply_index_colour();
}

void Kernel::gkcolor(int index) {
  if (mode_ == KernelMode::kNone) select_mode(KernelMode::kIndex);
  index_ = clamp_palette_index(index);
  apply_index_colour();
}

void Kernel::gkrgb(float red, float green, float blue) {
  if (mode_ == KernelMode::kNone) select_mode(KernelMode::kRgb);
  host_.picture().set_colour(rgb_component(red), rgb_component(green), rgb_component(blue));
}

void Kernel::gkgrey(int level) {
  if (mode_ == KernelMode::kNone) select_mode(KernelMode::kGrey);
  const int entry = (level + 16 >= 16 && level + 16 <= 31) ? level + 16 : 23;
  // Palette 1 holds colour cube entries where the others hold their grey
  // ramp; a grey level always takes a grey.
  const int set = palette_for_current_mode() == 1 ? 2 : palette_for_current_mode();
  const auto& palette = palettes_[set - 1];
  if (palette.empty()) return;
  const PaletteColour& c = palette[static_cast<size_t>(entry)];
  host_.picture().set_colour_grey(c.red, c.green, c.blue, c.red);  // ramp entries are greys
}

void Kernel::gkscale(int scale, float value) {
  if (scale < 1 || scale > 3) return;
  if (mode_ == KernelMode::kNone) select_mode(scale_mode(scale));
  const ScaleColour s = scale_colour(scale, value);
  if (s.white_index_record) {
    host_.picture().set_colour_index(255, 255, 255, 0);
    return;
  }
  const auto& palette = palettes_[s.palette - 1];
  if (palette.empty() || static_cast<size_t>(s.entry) >= palette.size()) return;
  const PaletteColour& c = palette[static_cast<size_t>(s.entry)];
  host_.picture().set_colour_grey(c.red, c.green, c.blue, s.grey);
}

}  // namespace plv::kernel
