#include "import/figure_records.h"

namespace plv::import {
namespace {

void say(std::vector<std::string>& lines, long n, const std::string& what) {
  if (n > 0) lines.push_back(std::to_string(n) + " " + what);
}

}  // namespace

std::vector<std::string> ImportTally::lines(const Figure& figure) const {
  std::vector<std::string> out;
  say(out, figure.images, "picture(s) left out: a drawing holds no pictures");
  say(out, figure.shadings, "smooth shading(s) left out");
  say(out, figure.unreadable_texts, "letter(s) in fonts without known characters left out");
  say(out, clipped_away, "mark(s) or text(s) left out, wholly outside their clipping");
  say(out, clipped, "mark(s) cut at the edge of their clipping (its bounding box)");
  say(out, fills_split, "filled shape(s) made of several filled quadrilaterals");
  say(out, fills_outlined, "filled shape(s) with holes or crossings drawn as outlines only");
  say(out, curves_flattened, "curve(s) drawn as straight segments within a tenth of a drawing unit");
  say(out, wide_curves, "wide or dashed circle(s) and ellipse(s) drawn as plain lines");
  say(out, dashed_wide_lines, "wide dashed stroke(s) drawn as dashed lines of line width");
  say(out, texts_turned, "text(s) at a slant turned to the nearest quarter turn");
  say(out, texts_cut, "text(s) cut to the 80 letters a string holds");
  say(out, letters_replaced, "letter(s) a string cannot hold written as \"?\"");
  say(out, lost_segments, "stroke(s) shorter than a drawing unit left out");
  if (figure.layers > 1) out.push_back("the figure's " + std::to_string(figure.layers) + " groups are layers 1 to " +
                                       std::to_string(figure.layers));
  if (figure.pages > 1) out.push_back("the document has " + std::to_string(figure.pages) + " pages; one was imported");
  return out;
}

}  // namespace plv::import
