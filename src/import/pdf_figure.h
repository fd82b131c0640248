#pragma once
// Figures read from PDF pages, by poppler.

#include <string>
#include <string_view>

#include "import/figure.h"

namespace plv::import {

struct PdfFigureRead {
  Figure figure;
  std::string error;  // empty when the page was read
};

// Every page from `first_page` to `last_page` (0: the last page) laid on
// one figure, page k of them on layer k. Curves are flattened to within
// `tolerance_of(page width, page height)` points.
PdfFigureRead read_pdf_figure(std::string_view bytes, int first_page, int last_page,
                              double (*tolerance_of)(double width, double height));

}  // namespace plv::import
