// Both vector pages are read back by outside programs: the metafile by
// emf2svg (records and header) and librsvg (pixels), the PDF by poppler.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "image/vector_page.h"
#include "support/outside_reader.h"
#include "support/temp_dir.h"

namespace plv::image {
namespace {

constexpr VectorColour kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kBlack{0, 0, 0}, kWhite{255, 255, 255};
constexpr VectorColour kYellow{255, 255, 0};

#define SKIP_WITHOUT(tool, package) \
  if (!testing::tool_available(tool)) GTEST_SKIP() << tool " is not installed (package " package ")"

// What a command prints, both streams.
std::string run(const std::string& command) { return testing::tool_output(command + " 2>&1"); }

using Picture = testing::Ppm;

// An empty picture when the reader wrote none.
Picture read_picture(const std::string& path) { return testing::read_ppm(path).value_or(Picture{}); }

struct Probe {
  int x, y;
  VectorColour colour;
};

// Within a little of each colour, for the anti-aliased readers.
void expect_colours(const Picture& p, std::initializer_list<Probe> probes) {
  const auto near = [](std::uint32_t component, int wanted) { return std::abs(int(component & 255) - wanted) <= 8; };
  for (const auto& [x, y, want] : probes) {
    if (x < 0 || y < 0 || x >= p.width || y >= p.height) {
      ADD_FAILURE() << x << "," << y << " is off the " << p.width << "x" << p.height;
      continue;
    }
    const std::uint32_t c = p.at(x, y);
    EXPECT_TRUE(near(c >> 16, want.red) && near(c >> 8, want.green) && near(c, want.blue))
        << "at " << x << "," << y << " " << (c >> 16) << "," << (c >> 8 & 255) << "," << (c & 255) << ", expected "
        << int{want.red} << "," << int{want.green} << "," << int{want.blue};
  }
}

// On 200 x 100 units: a red line 3 wide along y = 10 from x = 10 to 90, a blue
// fill without a pen, a green triangle, a black outline with no brush, and,
// like the host's frame margin, a rectangle with neither pen nor brush round it all.
void draw_test_picture(VectorPage& page) {
  page.select_pen(VectorPen{kRed, 3});
  page.line({10, 10}, {90, 10});
  page.select_pen(std::nullopt);
  page.select_brush(kBlue);
  page.rectangle(20, 20, 60, 50);
  page.select_brush(kGreen);
  const VectorPoint triangle[] = {{120, 20}, {180, 20}, {150, 70}};
  page.polygon(triangle);
  page.select_brush(std::nullopt);
  page.select_pen(VectorPen{kBlack, 3});
  page.rectangle(20, 60, 100, 90);
  page.select_pen(std::nullopt);
  page.rectangle(0, 0, 200, 100);
}

// Places well inside or well outside every shape, true of either page.
void expect_test_picture(const Picture& p) {
  expect_colours(p, {{50, 10, kRed}, {12, 10, kRed}, {50, 15, kWhite}, {95, 10, kWhite}, {40, 35, kBlue},
                     {22, 22, kBlue}, {57, 47, kBlue}, {64, 35, kWhite}, {40, 54, kWhite}, {150, 35, kGreen},
                     {150, 64, kGreen},
                     {125, 50, kWhite}, {175, 50, kWhite},  // beside the triangle's slanted edges
                     // The outline's sides, where its pen lies inside the edge or
                     // along it; with no brush the inside is left alone.
                     {60, 60, kBlack}, {60, 89, kBlack}, {20, 75, kBlack}, {99, 75, kBlack}, {60, 75, kWhite},
                     {190, 90, kWhite}, {5, 95, kWhite}});
}

// Pages written to a folder of the test's own and read back from there.
class VectorPageTest : public ::testing::Test {
 protected:
  std::string written(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    testing::write_file(dir_.file(name), std::string(bytes.begin(), bytes.end()));
    return dir_.file(name);
  }
  // The records emf2svg lists, without the colour escapes it writes even into a pipe.
  std::string emf_records(const std::vector<std::uint8_t>& emf) const {
    const std::string listing = run("emf2svg-conv -v -i '" + written("p.emf", emf) + "' -o '" + dir_.file("p.svg") + "'");
    return std::regex_replace(listing, std::regex("\x1b[^m]*m"), "");
  }
  // Every page these tests render is 200 x 100 dots at its own resolution.
  Picture pdf_pixels(const std::vector<std::uint8_t>& pdf, int dots_per_inch) const {
    const std::string path = written("p.pdf", pdf);
    run("pdftoppm -r " + std::to_string(dots_per_inch) + " -singlefile '" + path + "' '" + dir_.file("p") + "'");
    const Picture p = read_picture(dir_.file("p.ppm"));
    EXPECT_EQ(std::pair(p.width, p.height), std::pair(200, 100));
    return p;
  }
  // A page of 200 x 100 dots at 100 an inch, drawn by `draw`, as poppler shows it.
  Picture pdf_of(const std::function<void(VectorPage&)>& draw) const {
    const auto page = make_pdf_page("test", 200, 100, 100);
    draw(*page);
    return pdf_pixels(page->finish(), 100);
  }
  testing::TempDir dir_;
};
using EmfPage = VectorPageTest;
using PdfPage = VectorPageTest;

// --- Enhanced metafile -------------------------------------------------

std::vector<std::uint8_t> emf_of_test_picture() {
  const auto page = make_emf_page("plivet test picture", 100);
  draw_test_picture(*page);
  return page->finish();
}

// The rest of the first line that starts "name:" (at a line's start or after
// a blank), without the blanks round it.
std::string field(const std::string& text, const std::string& name) {
  std::smatch m;
  if (std::regex_search(text, m, std::regex("(?:^|[\n ])" + name + ": *([^\n]*?)[ \t\r]*(?:\n|$)"))) return m[1];
  return "(no " + name + ")";
}

// The kind of each record the reader lists, in order, each followed by a blank.
std::string record_kinds(const std::string& records) {
  std::string kinds;
  const std::regex record("(?:^|\n)U_EMR_(\\S+)[^\n]* record:");
  for (std::sregex_iterator it(records.begin(), records.end(), record), end; it != end; ++it) kinds += (*it)[1].str() + " ";
  return kinds;
}

TEST_F(EmfPage, HeaderDescribesTheReferenceDeviceAndTheFrameWhatIsDrawn) {
  SKIP_WITHOUT("emf2svg-conv", "emf2svg");
  const std::vector<std::uint8_t> emf = emf_of_test_picture();
  const std::string records = emf_records(emf);
  // Units 0..199 by 0..99 (the invisible rectangle leaves out its right and
  // bottom edges), framed by their outer edges, at 100 units an inch both ways.
  for (const auto& [name, value] :
       {std::pair<std::string, std::string>{"rclBounds", "{0,0,199,99}"}, {"rclFrame", "{0,0,5080,2540}"},
        {"szlDevice", "{1000,1000}"}, {"szlMillimeters", "{254,254}"}, {"szlMicrometers", "{254000,254000}"},
        {"Desc. A", "plivet test picture"}, {"nBytes", std::to_string(emf.size())},
        {"nRecords", std::to_string(std::ranges::count(record_kinds(records), ' '))}})
    EXPECT_EQ(field(records, name), value) << name;
  EXPECT_EQ(records.find("U_EMR_EOF"), records.rfind("U_EMR_"));

  // Where pens reach past the points, the frame follows what is drawn.
  const auto page = make_emf_page("", 500);
  page->select_pen(VectorPen{kBlack, 5});
  page->line({-100, 200}, {400, 200});
  page->select_pen(std::nullopt);
  page->select_brush(kBlue);
  const VectorPoint quad[] = {{0, 0}, {250, 20}, {120, 600}, {10, 100}};
  page->polygon(quad);
  const std::string framed = emf_records(page->finish());
  // A five-unit pen reaches two units either side of its line; the frame's
  // 0.01 mm edges at 500 units an inch are -102 * 5.08 rounded outwards,
  // 403 * 5.08 and 601 * 5.08; the device holds the picture in ten-inch steps.
  for (const auto& [name, value] : {std::pair{"rclBounds", "{-102,0,402,600}"}, {"rclFrame", "{-519,0,2048,3054}"},
                                    {"szlDevice", "{5000,5000}"}, {"szlMillimeters", "{254,254}"}})
    EXPECT_EQ(field(framed, name), value) << name;
}

TEST_F(EmfPage, PensBrushesAndMixesAreTheRecordsAReaderExpects) {
  SKIP_WITHOUT("emf2svg-conv", "emf2svg");
  const auto page = make_emf_page("", 100);
  page->select_pen(VectorPen{kRed, 0});
  page->line({0, 0}, {10, 0});
  page->line({10, 0}, {10, 10});         // joined on: no second move
  page->select_pen(VectorPen{kRed, 1});  // the same pen: nothing new
  page->select_brush(kYellow);
  page->set_invert(true);
  page->rectangle(1, 2, 3, 4);
  page->set_invert(false);
  page->select_pen(VectorPen{kGreen, 4});
  page->select_brush(std::nullopt);
  page->line({0, 0}, {5, 5});
  const std::string records = emf_records(page->finish());
  EXPECT_EQ(record_kinds(records),
            "HEADER SELECTOBJECT SELECTOBJECT SETPOLYFILLMODE "  // no pen, no brush, alternate filling
            "CREATEPEN SELECTOBJECT MOVETOEX LINETO LINETO "
            "CREATEBRUSHINDIRECT SELECTOBJECT SETROP2 RECTANGLE SETROP2 "
            "EXTCREATEPEN SELECTOBJECT DELETEOBJECT SELECTOBJECT DELETEOBJECT MOVETOEX LINETO "
            "SELECTOBJECT DELETEOBJECT EOF ");
  for (const char* listed : {"StockObject:    NULL_PEN", "StockObject:    NULL_BRUSH",
                             "lopnStyle:0x00000000 lopnWidth:{1,0} lopnColor:{255,0,0}",
                             "lbStyle:0x00000000 lbColor:{255,255,0}",
                             // solid and geometric, flat ends, mitred corners, four units wide
                             "elpPenStyle:0x00012200 elpWidth:4 elpBrushStyle:0x00000000 elpColor{0,255,0}"})
    EXPECT_NE(records.find(listed), std::string::npos) << listed << "\n" << records;
  // Inverting, then painting again.
  const std::size_t invert = records.find("dwRop:          6\n");
  const std::size_t copy = records.find("dwRop:          13\n");
  ASSERT_NE(invert, std::string::npos);
  ASSERT_NE(copy, std::string::npos);
  EXPECT_LT(invert, records.find("rclBox:         {1,2,3,4}"));
  EXPECT_GT(copy, records.find("rclBox:         {1,2,3,4}"));
}

TEST_F(EmfPage, RendersThroughSvgWithEveryShapeInPlace) {
  SKIP_WITHOUT("emf2svg-conv", "emf2svg");
  SKIP_WITHOUT("rsvg-convert", "librsvg2-bin");
  SKIP_WITHOUT("convert", "imagemagick");
  const std::string emf = written("p.emf", emf_of_test_picture());
  const std::string svg = dir_.file("p.svg"), png = dir_.file("p.png"), ppm = dir_.file("p.ppm");
  run("emf2svg-conv -i '" + emf + "' -o '" + svg + "'");
  run("rsvg-convert -b white -o '" + png + "' '" + svg + "'");
  run("convert '" + png + "' -depth 8 '" + ppm + "'");
  const Picture picture = read_picture(ppm);
  // The reader sizes the picture by the bounds, one short of the units.
  ASSERT_GE(picture.width, 199);
  ASSERT_GE(picture.height, 99);
  expect_test_picture(picture);
}

// --- PDF page ----------------------------------------------------------

TEST_F(PdfPage, PageSizeAndTitleAsPopplerReadsThem) {
  SKIP_WITHOUT("pdfinfo", "poppler-utils");
  // A title in a single-byte encoding still makes a page, read as Latin-1.
  for (const auto& [width, height, dpi, size, title, read] :
       {std::tuple{5100, 6600, 600, "612 x 792 pts (letter)", "Drawing \xC3\xA9t\xC3\xA9", "Drawing \xC3\xA9t\xC3\xA9"},
        std::tuple{200, 100, 100, "144 x 72 pts", "caf\xE9", "caf\xC3\xA9"},
        std::tuple{300, 150, 96, "225 x 112.5 pts", "plivet", "plivet"}}) {
    SCOPED_TRACE(size);
    const std::string info = run("pdfinfo '" + written("p.pdf", make_pdf_page(title, width, height, dpi)->finish()) + "'");
    EXPECT_EQ(field(info, "Page size"), size) << info;
    EXPECT_EQ(field(info, "Pages"), "1");
    EXPECT_EQ(field(info, "Title"), read);
  }
}

// Rendered at the page's own resolution a dot is a pixel, so the host's
// pixel rules can be checked to the pixel, whatever the resolution.
TEST_F(PdfPage, RendersEveryShapeInPlaceKeepingTheHostsPixelRules) {
  SKIP_WITHOUT("pdftoppm", "poppler-utils");
  for (const int dpi : {100, 300}) {
    SCOPED_TRACE(dpi);
    const auto page = make_pdf_page("shapes", 200, 100, dpi);
    draw_test_picture(*page);
    page->select_pen(VectorPen{kBlack, 1});
    page->line({150, 90}, {150, 80});  // upwards, leaving out y = 80
    page->select_pen(VectorPen{kBlack, 0});
    page->line({160, 95}, {170, 95});
    const Picture p = pdf_pixels(page->finish(), dpi);
    expect_test_picture(p);
    expect_colours(p, {// The three-dot line: rows 9..11, columns 10..89.
                       {10, 9, kRed}, {89, 9, kRed}, {10, 10, kRed}, {89, 10, kRed}, {10, 11, kRed}, {89, 11, kRed},
                       {9, 10, kWhite}, {90, 10, kWhite}, {50, 8, kWhite}, {50, 12, kWhite},
                       // The fill: columns 20..59, rows 20..49.
                       {20, 20, kBlue}, {59, 49, kBlue}, {19, 30, kWhite}, {60, 30, kWhite}, {30, 19, kWhite},
                       {30, 50, kWhite},
                       // The outline lies inside its rectangle, three dots deep.
                       {20, 60, kBlack}, {22, 75, kBlack}, {23, 75, kWhite}, {99, 89, kBlack}, {97, 75, kBlack},
                       {96, 75, kWhite}, {100, 75, kWhite}, {60, 90, kWhite},
                       // One-dot lines, a width of 0 drawn as 1.
                       {150, 90, kBlack}, {150, 81, kBlack}, {150, 80, kWhite}, {151, 85, kWhite},
                       {160, 95, kBlack}, {169, 95, kBlack}, {170, 95, kWhite}});
  }
}

TEST_F(PdfPage, InvertingTurnsColoursToTheirOppositesAndBackAgain) {
  SKIP_WITHOUT("pdftoppm", "poppler-utils");
  const Picture p = pdf_of([](VectorPage& page) {
    page.select_brush(kBlue);
    page.rectangle(0, 0, 100, 100);
    page.set_invert(true);
    page.rectangle(50, 20, 150, 40);  // over blue and over the paper
    page.select_brush(std::nullopt);
    page.select_pen(VectorPen{kRed, 4});
    page.line({20, 70}, {180, 70});
    page.line({120, 60}, {120, 90});  // crossing it: inverted twice where they meet
    page.rectangle(10, 50, 190, 95);
    page.rectangle(10, 50, 190, 95);  // twice over: gone again
    page.set_invert(false);
    page.select_brush(kGreen);
    page.select_pen(std::nullopt);
    page.rectangle(160, 0, 200, 10);  // painting once more
  });
  expect_colours(p, {{75, 30, kYellow}, {125, 30, kBlack}, {75, 10, kBlue},
                     {30, 70, kYellow}, {150, 70, kBlack},  // a line inverts whatever its colour
                     {120, 80, kBlack}, {120, 70, kWhite},
                     {11, 75, kBlue}, {188, 75, kWhite},  // the outline drawn twice
                     {180, 5, kGreen}});
}

// However much is drawn, the page holds back no more than a block of it:
// the rest has gone to the sink before the page is finished.
TEST_F(PdfPage, AStreamedPageGoesOutAsItIsDrawn) {
  SKIP_WITHOUT("pdftoppm", "poppler-utils");
  std::vector<std::uint8_t> out;
  const auto page = make_pdf_page([&out](std::string_view b) { out.insert(out.end(), b.begin(), b.end()); },
                                  "streamed", 200, 100, 100);
  // Lines in the paper's colour, each somewhere else, then the test picture
  // over them, with a picture of two dots (red over blue) beside it.
  page->select_pen(VectorPen{kWhite, 1});
  std::uint32_t seed = 1;
  const auto next = [&seed](int range) { return static_cast<int>((seed = seed * 1103515245 + 12345) >> 16) % range; };
  for (int i = 0; i < 200'000; ++i) page->line({next(200), next(100)}, {next(200), next(100)});
  const std::size_t before_finish = out.size();
  draw_test_picture(*page);
  const std::uint32_t dots[] = {0xFF0000, 0x0000FF};
  ASSERT_TRUE(page->picture(Pixels{1, 2, dots}, 110, 80, 10, 20));
  EXPECT_TRUE(page->finish().empty());
  EXPECT_GT(before_finish, 1'000'000u);
  EXPECT_LT(out.size() - before_finish, 300'000u);

  const Picture p = pdf_pixels(out, 100);
  expect_test_picture(p);
  expect_colours(p, {{115, 84, kRed}, {115, 95, kBlue}, {125, 84, kWhite}});
}

TEST_F(PdfPage, FilledPolygonsAreEvenOddAndOutlinedClosed) {
  SKIP_WITHOUT("pdftoppm", "poppler-utils");
  const Picture p = pdf_of([](VectorPage& page) {
    page.select_brush(kBlue);
    // A pentagram: its middle is crossed twice, so stays unfilled.
    const VectorPoint star[] = {{50, 5}, {79, 95}, {2, 39}, {98, 39}, {21, 95}};
    page.polygon(star);
    page.select_pen(VectorPen{kRed, 2});
    page.select_brush(std::nullopt);
    const VectorPoint open[] = {{120, 10}, {190, 10}, {190, 90}};
    page.polygon(open);
  });
  expect_colours(p, {{50, 55, kWhite}, {50, 20, kBlue}, {10, 41, kBlue}, {155, 10, kRed},
                     {155, 50, kRed},  // the closing side, back to the start
                     {170, 30, kWhite}});
}

}  // namespace
}  // namespace plv::image
