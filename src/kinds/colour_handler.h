#pragma once
// Applies one "SC" colour record: selects the drawing's colour mode or sets
// the current colour in the way that mode gives, through the kernel.

#include "kinds/colour_messages.h"
#include "drawing/record.h"
#include "kinds/render_state.h"

namespace plv::kernel {
class Kernel;
}

namespace plv {

// "SC BAR" with a colour 0 to 15: what may mark deleted or other-layer graphics.
bool is_palette_colour(const Record& record);

class ColourHandler {
 public:
  ColourHandler(RenderState& state, kernel::Kernel& kernel, ColourMessages& messages)
      : state_(state), kernel_(kernel), messages_(messages) {}

  void apply(const Record& record);

 private:
  void select_mode(const Record& record);
  void bar_colour(const Record& record);
  void rgb_colour(const Record& record);
  void grey_colour(const Record& record);
  void scale_colour(const Record& record, int scale);
  // A message between a flush to the text screen and a page that keeps the picture.
  void report(void (ColourMessages::*form)(std::string_view), std::string_view text);
  void report_two_lines(std::string_view first, std::string_view second);

  RenderState& state_;
  kernel::Kernel& kernel_;
  ColourMessages& messages_;
};

}  // namespace plv
