#pragma once
// Colour records ("SC"): each selects the drawing's colour mode or sets the
// current colour in the way that mode gives, through the painter; records
// that do not fit the mode are told through the colour messages.

#include <string_view>

#include "drawing/record.h"
#include "kinds/colour_messages.h"
#include "kinds/colour_mode.h"
#include "kinds/render_state.h"

namespace plv {

class Painter;

class ColourHandler {
 public:
  ColourHandler(RenderState& state, Painter& painter, ColourMessages& messages)
      : state_(state), painter_(painter), messages_(messages) {}

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
  Painter& painter_;
  ColourMessages& messages_;
};

}  // namespace plv
