#pragma once
// The colours a drawing asks for, as they go on white paper: the kernel's
// colour calls, with black and white trading places as on every output,
// and greys only for a mono translation.

#include "host/colour.h"
#include "kernel/colour_calls.h"
#include "kinds/colour_mode.h"

namespace plv::publish {

class PaperColours {
 public:
  explicit PaperColours(bool in_colour);

  // Each returns the colour to draw with from now on, or nothing when the
  // call leaves it as it was.
  std::optional<host::Rgb> mode(ColourMode mode);
  std::optional<host::Rgb> index(int index);
  std::optional<host::Rgb> rgb(float red, float green, float blue);
  std::optional<host::Rgb> grey(int level);
  std::optional<host::Rgb> scale(int scale, float value);

  // Ink before any colour call: the pointer colour, white on the screen.
  host::Rgb first() const;

 private:
  std::optional<host::Rgb> on_paper(const kernel::ColourEffect& effect) const;

  kernel::ColourCalls calls_;
  bool in_colour_;
};

}  // namespace plv::publish
