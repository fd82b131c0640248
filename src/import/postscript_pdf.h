#pragma once
// PostScript and Encapsulated PostScript figures turned into PDF by
// Ghostscript (the program "gs"), run apart from this one.

#include <string>
#include <string_view>

namespace plv::import {

struct PostScriptAsPdf {
  std::string pdf;
  std::string error;  // empty when Ghostscript made the PDF
};

// An EPS figure's page is its bounding box; a PostScript document's pages
// are its own.
PostScriptAsPdf postscript_as_pdf(std::string_view postscript, bool encapsulated);

}  // namespace plv::import
