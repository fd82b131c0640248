#pragma once
// The typefaces the lettering fonts name: Courier, Helvetica and Times,
// found among the installed fonts by the free faces made to their metrics.

#include <cairo.h>

#include <memory>
#include <optional>
#include <string>

namespace plv::publish {

// The face for lettering font 'C', 'H' or 'T'; nothing for any other.
struct Typeface {
  std::shared_ptr<cairo_font_face_t> face;
  std::string family;        // as installed, such as "Nimbus Sans"
  bool metric_compatible = false;  // false: the nearest installed face stands in
};
std::optional<Typeface> typeface_for(char lettering_font);

// The family the lettering font names: "Courier", "Helvetica", "Times".
std::string named_family(char lettering_font);

}  // namespace plv::publish
