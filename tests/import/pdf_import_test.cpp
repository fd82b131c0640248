// PDF pages imported: the page's size and turn, and what poppler reads.

#include <cairo-pdf.h>
#include <gtest/gtest.h>

#include <string>

#include "import/import_figure.h"
#include "support/temp_dir.h"
#include "kinds/line.h"

namespace plv::import {
namespace {

cairo_status_t append(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// A 200 x 100 point page with one line 100 points long, across it, of
// `pages` pages.
std::string one_line_pdf(int pages = 1) {
  std::string bytes;
  cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(append, &bytes, 200, 100);
  cairo_t* cr = cairo_create(surface);
  for (int p = 0; p < pages; ++p) {
    cairo_set_line_width(cr, 0.5);
    cairo_move_to(cr, 50, 50);
    cairo_line_to(cr, 150, 50);
    cairo_stroke(cr);
    cairo_show_page(cr);
  }
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  return bytes;
}

std::vector<LineValues> lines_of(const ImportedFigure& made) {
  std::vector<LineValues> out;
  for (long n = 1; n <= made.drawing.count(); ++n)
    if (const Record r = made.drawing.read(n); r.has_code("LI")) out.push_back(*line_values(r));
  return out;
}

TEST(PdfImport, ThePageFillsThePlotAreaAsItIsShownTurnedOrNot) {
  const std::string pdf = one_line_pdf();
  const auto flat = lines_of(import_figure(pdf, {}));
  ASSERT_EQ(flat.size(), 1u);
  // 17.5 drawing units a point: the page's width is the plot area's.
  EXPECT_EQ(flat[0].start, (DrawingPoint{-875, 0}));
  EXPECT_EQ(flat[0].end, (DrawingPoint{875, 0}));

  std::string turned = pdf;
  const size_t page = turned.find("/Type /Page ");
  ASSERT_NE(page, std::string::npos);
  turned.insert(page + 11, " /Rotate 90\n");
  const auto upright = lines_of(import_figure(turned, {}));
  ASSERT_EQ(upright.size(), 1u);
  // Shown 100 wide and 200 tall: 12.5 units a point, the line upright.
  EXPECT_EQ(upright[0].start.x, upright[0].end.x);
  EXPECT_EQ(std::abs(upright[0].end.y - upright[0].start.y), 1250);
}

TEST(PdfImport, OnePageOfManyIsChosen) {
  const std::string pdf = one_line_pdf(3);
  ImportRequest request;
  request.page = 3;
  const ImportedFigure third = import_figure(pdf, request);
  EXPECT_EQ(lines_of(third).size(), 1u);
  EXPECT_NE(std::find(third.summary.begin(), third.summary.end(), "the document has 3 pages; one was imported"),
            third.summary.end());
  request.page = 4;
  EXPECT_EQ(import_figure(pdf, request).error, "the file has 3 page(s)");

  // Every page, each its own drawing, each asked for before it is written.
  testing::TempDir dir;
  request.page = kEveryPage;
  std::vector<std::string> asked;
  const auto may = [&asked](const std::string& drawing) {
    asked.push_back(drawing);
    return asked.size() < 3;
  };
  const ImportedFile every = import_figure_bytes(pdf, "three.pdf", dir.file("out.plv"), request, may);
  EXPECT_EQ(every.written, (std::vector<std::string>{dir.file("out-1.plv"), dir.file("out-2.plv")}));
  EXPECT_EQ(asked.size(), 3u);
  EXPECT_EQ(every.error, dir.file("out-3.plv") + ": a file is already there");
  EXPECT_TRUE(testing::read_file(dir.file("out-2.plv")).starts_with(dir.file("out-2.plv")));
}

}  // namespace
}  // namespace plv::import
