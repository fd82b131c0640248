#pragma once
// The drawing leaving as a page for publication, from the window's File
// menu. The host asks where it goes; the program that owns the drawing
// writes it and says what came of it.

#include <string>

#include "host/window_system.h"

namespace plv::host {

class DrawingExporter {
 public:
  virtual ~DrawingExporter() = default;
  // The name the save dialog offers, such as "figure.pdf"; empty when
  // there is no drawing.
  virtual std::string default_name() const = 0;
  // The ink and lettering the drawing asks for.
  virtual ExportChoices default_choices() const = 0;
  // Writes the page to `path` as chosen; what the user is told: where it
  // went and in what ink and lettering, or why not.
  virtual std::string export_to(const std::string& path, const ExportChoices& choices) = 0;
};

}  // namespace plv::host
