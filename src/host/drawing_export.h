#pragma once
// The drawing leaving as a page for publication, from the window's File
// menu. The host asks where it goes; the program that owns the drawing
// writes it and says what came of it.

#include <string>

namespace plv::host {

class DrawingExporter {
 public:
  virtual ~DrawingExporter() = default;
  // The name the save dialog offers, such as "figure.pdf"; empty when
  // there is no drawing.
  virtual std::string default_name() const = 0;
  // Writes the page to `path`; what the user is told, where it went or why not.
  virtual std::string export_to(const std::string& path) = 0;
};

}  // namespace plv::host
