#pragma once
// plvtool render: a drawing drawn as the editor draws it, to a picture file
// or as a listing of the plot buffer.

#include <string>

namespace plv::tool {

struct RenderRequest {
  std::string input;
  std::string output;  // .png or .pcx; empty with primitives
  bool fit = true;     // fit the view to the drawing, as DRAW ALL does
  bool primitives = false;
  int width = 700, height = 500;  // the window's client area
};

int render(const RenderRequest& request);

}  // namespace plv::tool
