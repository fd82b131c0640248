#pragma once
// Another program's figure coming in as a new drawing, from the window's
// File menu. The host asks which figure and whether a drawing may be
// replaced; the program that owns the drawings makes and opens it.

#include <string>

namespace plv::host {

struct ImportTarget {
  std::string drawing;  // the path of the drawing the figure becomes
  std::string error;    // why the figure cannot become one
};

class FigureImporter {
 public:
  virtual ~FigureImporter() = default;
  // The drawing beside the figure, NAME.plv.
  virtual ImportTarget target_for(const std::string& figure) const = 0;
  // Makes the drawing; what the user is told. True in `made` when the
  // drawing waits to be opened (Key::kOpenImported asks for that).
  virtual std::string import_to(const std::string& figure, const std::string& drawing, bool& made) = 0;
};

}  // namespace plv::host
