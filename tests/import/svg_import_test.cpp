// SVG figures written by hand, one construct at a time, imported whole.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "import/import_figure.h"
#include "kinds/box_form.h"
#include "kinds/line.h"
#include "kinds/string.h"

#include <zlib.h>

namespace plv::import {
namespace {

// 400 x 300 CSS pixels: 300 x 225 points, 2500 / 225 drawing units a
// point; the page's middle is the drawing's origin.
std::string svg(const std::string& body, const std::string& extra = "") {
  return R"~(<?xml version="1.0"?><svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" )~"
         R"~(width="400" height="300" )~" + extra + ">" + body + "</svg>";
}

std::vector<Record> records_of(const std::string& figure, ImportColours colours = ImportColours::kPalette) {
  ImportRequest request;
  request.colours = colours;
  request.source_name = "test.svg";
  request.drawing_name = "TEST";
  request.date = "11-DEC-26";
  ImportedFigure made = import_figure(figure, request);
  EXPECT_EQ(made.error, "");
  std::vector<Record> out;
  for (long n = 1; n <= made.drawing.count(); ++n) out.push_back(made.drawing.read(n));
  return out;
}

std::vector<Record> with_code(const std::vector<Record>& records, std::string_view code) {
  std::vector<Record> out;
  for (const Record& r : records)
    if (r.has_code(code)) out.push_back(r);
  return out;
}

// Drawing units of a CSS pixel, from the page's top left.
DrawingPoint at(double x, double y) {
  constexpr double kUnits = 2500.0 / 300;
  return {std::round((x - 200) * kUnits), std::round((150 - y) * kUnits)};
}

TEST(SvgImport, TransformsNestedGroupsUsesAndViewBoxPlaceTheStrokes) {
  // The view box doubles everything; the groups shift, scale and turn; a
  // use places its definition again.
  const auto r = records_of(svg(R"~(<defs><line id="tick" x1="0" y1="0" x2="0" y2="5" stroke="black" stroke-width="0.1"/></defs>)~"
                                R"~(<g transform="translate(20,10)"><g transform="scale(2)">)~"
                                R"~(<line x1="0" y1="0" x2="20" y2="0" stroke="black" stroke-width="0.1"/></g>)~"
                                R"~(<g transform="rotate(90)"><line x1="0" y1="0" x2="10" y2="0" stroke="black" stroke-width="0.1"/></g></g>)~"
                                R"~(<use href="#tick" x="100" y="50"/>)~",
                                R"~(viewBox="0 0 200 150")~"));
  const auto lines = with_code(r, "LI");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], line_record(at(40, 20), at(120, 20), 'S'));
  EXPECT_EQ(lines[1], line_record(at(40, 20), at(40, 40), 'S'));
  EXPECT_EQ(lines[2], line_record(at(200, 100), at(200, 110), 'S'));
}

TEST(SvgImport, ShapesBecomeTheirRecordsAndTopGroupsLayers) {
  const auto r = records_of(svg(
      R"~(<style>.box{fill:none;stroke:#000;stroke-width:0.5}</style>)~"
      R"~(<g id="frame"><rect class="box" x="40" y="30" width="120" height="60"/><rect x="200" y="30" width="60" height="60" fill="red"/></g>)~"
      R"~(<g id="round"><circle cx="100" cy="200" r="30" fill="none" stroke="blue" stroke-width="0.5"/>)~"
      R"~(<ellipse cx="250" cy="200" rx="60" ry="20" fill="none" stroke="black" stroke-width="0.5"/></g>)~"
      R"~(<g id="curves"><path d="M 20 280 A 40 40 0 0 1 100 280" fill="none" stroke="black" stroke-width="0.5"/>)~"
      R"~(<line x1="300" y1="280" x2="380" y2="280" stroke="black" stroke-width="0.5" stroke-dasharray="4 2"/>)~"
      R"~(<line x1="300" y1="250" x2="380" y2="250" stroke="black" stroke-width="6"/></g>)~"));
  EXPECT_EQ(with_code(r, "LA").size(), 3u);
  EXPECT_EQ(with_code(r, "BX"), std::vector<Record>{box_record(ElementKind::kBox, at(40, 90), at(160, 30))});
  EXPECT_EQ(with_code(r, "RF"), std::vector<Record>{box_record(ElementKind::kFilledRectangle, at(200, 90), at(260, 30))});
  EXPECT_EQ(with_code(r, "CI").size(), 1u);
  EXPECT_EQ(with_code(r, "EL").size(), 1u);
  const auto lines = with_code(r, "LI");
  ASSERT_GT(lines.size(), 10u) << "the arc, flattened";
  EXPECT_EQ(lines.back(), line_record(at(300, 280), at(380, 280), 'D'));
  const auto wide = with_code(r, "LW");
  ASSERT_EQ(wide.size(), 1u);
  EXPECT_EQ(line_values(wide[0])->width, 21) << "(4.5 - 0.71) points across, 11.1 units a point, halved";
}

TEST(SvgImport, TextsKeepTheirPlaceTurnAndLetters) {
  const auto r = records_of(svg(
      R"~(<text x="200" y="100" font-family="DejaVu Sans" font-size="20" text-anchor="middle">Middle &amp; more</text>)~"
      R"~(<text transform="translate(30,150) rotate(-90)" font-size="10" text-anchor="middle">Up the side</text>)~"
      R"~(<text x="300" y="250" font-size="10">&#x2212;1.5 &#x3bc;m</text>)~"
      R"~(<g style="font-size:10px; text-anchor: end"><text x="380" y="280">right</text></g>)~"));
  const auto strings = with_code(r, "CH");
  ASSERT_EQ(strings.size(), 4u);
  const auto middle = string_values(strings[0]), up = string_values(strings[1]), units = string_values(strings[2]),
             right = string_values(strings[3]);
  // Each keyed where the figure anchors it, its own style or its group's.
  EXPECT_EQ(std::string({middle->key_point, up->key_point, units->key_point, right->key_point}), "MMSE");
  EXPECT_EQ(units->location.x, at(300, 0).x);
  EXPECT_EQ(right->location.x, at(380, 0).x);
  EXPECT_EQ(middle->text.substr(0, 13), "Middle & more");
  EXPECT_NEAR(middle->location.x, at(200, 0).x, 15) << "centred where the text was";
  EXPECT_EQ(middle->location.y, at(0, 100).y);
  EXPECT_EQ(up->direction, 1);
  EXPECT_NEAR(up->location.y, at(0, 150).y, 15);
  EXPECT_EQ(units->text.substr(0, 8), "-1.5 ?m ");
  EXPECT_GT(middle->size, up->size);
}

TEST(SvgImport, ClippedContentIsClipped) {
  const auto r = records_of(svg(
      R"~(<defs><clipPath id="c"><rect x="100" y="100" width="100" height="100"/></clipPath></defs>)~"
      R"~(<g clip-path="url(#c)"><line x1="0" y1="150" x2="400" y2="150" stroke="black" stroke-width="0.5"/>)~"
      R"~(<line x1="0" y1="10" x2="400" y2="10" stroke="black" stroke-width="0.5"/></g>)~"));
  EXPECT_EQ(with_code(r, "LI"), std::vector<Record>{line_record(at(100, 150), at(200, 150), 'S')});
}

std::string gzipped(const std::string& bytes) {
  z_stream z{};
  deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&z, bytes.size()) + 32, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  z.avail_in = static_cast<uInt>(bytes.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

TEST(SvgImport, ACompressedFigureIsReadAsItsSvg) {
  const std::string figure = svg(R"~(<rect x="40" y="30" width="120" height="60" fill="none" stroke="black" stroke-width="0.5"/>)~"
                                 R"~(<text x="200" y="100" font-size="20">packed</text>)~");
  const std::string packed = gzipped(figure);
  EXPECT_EQ(records_of(packed), records_of(figure));
  ImportRequest request;
  EXPECT_NE(import_figure(packed.substr(0, packed.size() / 2), request).error, "") << "cut short";
}

TEST(SvgImport, WhatIsNotAFigureIsAnErrorAndNotACrash) {
  for (const std::string& bad : {std::string(), std::string("<svg"), std::string("<svg xmlns='x'><g></svg>"),
                                std::string("%PDF-1.4 nothing more"), std::string("plain text"),
                                std::string("<?xml version='1.0'?><notsvg/>")}) {
    ImportRequest request;
    EXPECT_NE(import_figure(bad, request).error, "") << bad;
  }
  // An empty figure is a drawing of its header records.
  EXPECT_EQ(with_code(records_of(svg("")), "LI").size(), 0u);
}

}  // namespace
}  // namespace plv::import
