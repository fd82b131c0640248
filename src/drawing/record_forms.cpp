#include "drawing/record_forms.h"

namespace plv {

std::string columns_text(Columns c) { return "columns " + std::to_string(c.first) + "-" + std::to_string(c.last()); }

std::string unreadable(std::string_view what, Columns c) {
  return "cannot read the " + std::string(what) + " in " + columns_text(c);
}

std::string does_not_fit(double value, Columns c) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", value);
  return "the value " + std::string(text) + " does not fit " + columns_text(c);
}

}  // namespace plv
