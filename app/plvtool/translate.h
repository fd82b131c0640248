#pragma once
// plvtool translate: a drawing as a vector page for publication, laid out
// as its translation-setup line asks, with single values overridden.

#include <optional>
#include <string>
#include <vector>

#include "drawing/record_store.h"

namespace plv::tool {

struct TranslateRequest {
  std::string input;
  std::string output;  // .pdf, .eps, .ps or .svg
  std::optional<double> width_cm, line_width;
  std::optional<char> font, colour, orientation;
};

// Reads the options after "translate"; an error text for a usage error.
struct TranslateArguments {
  TranslateRequest request;
  std::string error;
};
TranslateArguments parse_translate_arguments(const std::vector<std::string>& args);

int translate(const TranslateRequest& request, const RecordStore& drawing, const std::string& setup_line);

}  // namespace plv::tool
