#include "publish/paper_colours.h"

#include "host/colour_rules.h"
#include "kernel/palettes.h"

namespace plv::publish {

PaperColours::PaperColours(bool in_colour) : in_colour_(in_colour) {
  std::array<std::vector<kernel::PaletteColour>, kernel::kPaletteCount> palettes;
  for (int p = 1; p <= kernel::kPaletteCount; ++p) palettes[p - 1] = kernel::realised_palette(p);
  calls_.set_palettes(std::move(palettes));
}

std::optional<host::Rgb> PaperColours::on_paper(const kernel::ColourEffect& effect) const {
  if (!effect.send) return std::nullopt;
  const kernel::SentColour& c = *effect.send;
  if (c.white_index_record) {
    host::SurfaceContext paper;
    paper.window_active = false;
    paper.output_active = true;
    paper.output_takes_colour = in_colour_;
    return host::index_colour({255, 255, 255, 0}, paper);
  }
  return host::output_colour({{c.rgb.red, c.rgb.green, c.rgb.blue}, c.grey}, in_colour_);
}

std::optional<host::Rgb> PaperColours::mode(ColourMode mode) { return on_paper(calls_.lcmode(static_cast<int>(mode))); }
std::optional<host::Rgb> PaperColours::index(int index) { return on_paper(calls_.colour(index)); }
std::optional<host::Rgb> PaperColours::rgb(float red, float green, float blue) {
  return on_paper(calls_.rgb(red, green, blue));
}
std::optional<host::Rgb> PaperColours::grey(int level) { return on_paper(calls_.grey(level)); }
std::optional<host::Rgb> PaperColours::scale(int scale, float value) { return on_paper(calls_.scale(scale, value)); }

host::Rgb PaperColours::first() const { return on_paper(calls_.index_colour()).value_or(host::kBlack); }

}  // namespace plv::publish
