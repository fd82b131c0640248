#include "kinds/kind.h"

#include <algorithm>
#include <cmath>

namespace plv {

void ExtentBox::add(DrawingPoint p) {
  e_.xmin = std::min(e_.xmin, p.x);
  e_.xmax = std::max(e_.xmax, p.x);
  e_.ymin = std::min(e_.ymin, p.y);
  e_.ymax = std::max(e_.ymax, p.y);
}

StoredConversion Kind::to_stored(const Record& file_line) const { return {file_line, {}}; }

FileConversion Kind::to_file(const Record& stored) const { return {stored, ConversionProblem::kNone, {}}; }

}  // namespace plv
