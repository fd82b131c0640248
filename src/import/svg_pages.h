#pragma once
// An SVG figure laid out by librsvg as a PDF document of one page a layer:
// each of the figure's top-level groups on a page of its own (what lies
// between groups shares a page), every page the figure's full size.

#include <string>
#include <string_view>

namespace plv::import {

struct SvgPages {
  std::string pdf;
  int layers = 0;
  std::string error;  // empty when the pages were made
};

SvgPages svg_as_layer_pages(std::string_view svg);

}  // namespace plv::import
