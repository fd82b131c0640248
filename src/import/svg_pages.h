#pragma once
// An SVG figure laid out by librsvg as a PDF document of one page a layer:
// each of the figure's top-level groups on a page of its own (what lies
// between groups shares a page), every page the figure's full size.

#include <string>
#include <string_view>
#include <vector>

namespace plv::import {

// A text of the figure and where it is anchored ('S', 'M' or 'E').
struct SvgText {
  std::string text;  // blanks run together, none at either end
  char anchor = 'S';
};

struct SvgPages {
  std::string pdf;
  int layers = 0;
  std::vector<std::vector<SvgText>> texts;  // each layer's, in the order drawn
  std::string error;  // empty when the pages were made
};

// `text` with its runs of blanks made one blank, none at either end.
std::string collapsed_blanks(std::string_view text);

SvgPages svg_as_layer_pages(std::string_view svg);

}  // namespace plv::import
