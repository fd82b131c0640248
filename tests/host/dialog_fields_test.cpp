// What the dialogs' fields are turned into and back: page setup and pen
// widths in their own dialogs, and the file selection's fields.

#include "host/host_fixture.h"
#include "host/page_setup_fields.h"

namespace plv::host {
namespace {

TEST(PageSetupFields, InchesAreReadAsHundredthsAndShownWithTheMark) {
  // Only the third decimal rounds; the last is past what an int holds.
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"1.005", 101}, {"1.004", 100}, {"1.0049", 100}, {"-1", -100}, {"+2.5", 250}, {"6.5\"", 650},
      {"  .05  ", 5}, {"1.", 100}, {"0.125", 13}, {"-1.005", -101}, {"1.2.3", {}}, {"", {}}, {"   ", {}},
      {".", {}}, {"-", {}}, {"\"", {}}, {"1 5", {}}, {"- 1", {}}, {"1\"\"", {}}, {"\"1", {}}, {"1-", {}},
      {"1e2", {}}, {"99999999999", {}}};
  for (const auto& [text, hundredths] : cases) EXPECT_EQ(parse_inches(text), hundredths) << text;
  // Shown with the inch mark, and read back the same.
  for (const auto& [v, text] : {std::pair{650, "6.5\""}, {100, "1\""}, {125, "1.25\""}, {5, "0.05\""}, {0, "0\""},
                                {-100, "-1\""}})
    EXPECT_EQ(format_inches(v), text);
  for (const int v : {0, 5, 10, 99, 101, 650, 12345}) EXPECT_EQ(parse_inches(format_inches(v)), v);
}

TEST(PageSetupFields, SpinStepsToTheNextTenthOfAnInch) {
  // value, direction, lowest, expected
  for (const auto& [v, dir, low, want] : {std::tuple{650, +1, 0, 660}, {655, +1, 0, 660}, {650, -1, 0, 640},
                                          {655, -1, 0, 650}, {-15, +1, -100, -10}, {5, -1, 0, 0}, {0, -1, 0, 0},
                                          {10, -1, 10, 10}})
    EXPECT_EQ(step_inches(v, dir, low), want) << v << " " << dir;
}

TEST(PageSetupFields, TheDialogAcceptsOnlyAPageThatCanBePrinted) {
  const PageSetup start{100, 100, 650, true};
  const auto read = read_page_setup("0.5\"", "1.25", " 7 ", start);
  ASSERT_TRUE(read);
  EXPECT_EQ(std::tuple(read->top_margin, read->left_margin, read->width, read->landscape), std::tuple(50, 125, 700, true));
  EXPECT_TRUE(read_page_setup("0", "0", "0.01", start));
  EXPECT_FALSE(read_page_setup("1.2.3", "1", "6", start));
  EXPECT_FALSE(read_page_setup("1", "-1", "6", start));
  EXPECT_FALSE(read_page_setup("1", "1", "0", start));
}

TEST(PenWidthFields, ReadsPositiveWholeNumbersAndSteps) {
  for (const auto& [text, width] : {std::pair<const char*, std::optional<int>>{"3", 3}, {" 12 ", 12}, {"0", {}},
                                    {"-2", {}}, {"+2", {}}, {"1.5", {}}, {"", {}}, {"99999999999", {}}})
    EXPECT_EQ(parse_pen_width(text), width) << text;
  EXPECT_EQ(std::tuple(step_pen_width(2, +1), step_pen_width(2, -1), step_pen_width(1, -1)), std::tuple(3, 1, 1));
  const auto widths = read_pen_widths("1", "4", " 3");
  ASSERT_TRUE(widths);
  EXPECT_EQ(std::tuple(widths->window, widths->printer, widths->metafile), std::tuple(1, 4, 3));
  EXPECT_FALSE(read_pen_widths("1", "x", "3"));
  EXPECT_FALSE(read_pen_widths("1", "2", "0"));
}

TEST(FileOpenFields, RequestCarriesTheFieldsAndTheFilterList) {
  const auto request = open_file_request("PLOT.QPA      ", "/data/plots      ", 6, true);
  EXPECT_EQ(std::tuple(request.file_name, request.directory, request.filter_index, request.default_extension,
                       request.read_only_box),
            std::tuple("PLOT.QPA", "/data/plots", 6, "txt", true));
  ASSERT_EQ(request.filters.size(), 6u);
  EXPECT_EQ(request.filters[0], (std::pair<std::string, std::string>{"QUEPA Files (*.qpa)", "*.qpa"}));
  EXPECT_EQ(request.filters[1].second, "*.tbl;*.raw;*.asc");
  EXPECT_EQ(request.filters[5].first, "Plivet Files (*.plv)");
  EXPECT_FALSE(open_file_request("", "", 1, false).read_only_box);
  EXPECT_EQ(open_file_request("   ", "", 1, true).file_name, "");
}

TEST(FileOpenFields, ChosenPathSplitsIntoPaddedFields) {
  const ChosenFile chosen = split_chosen_path("C:\\DATA\\PLOT.QPA");
  EXPECT_EQ(std::tuple(chosen.directory, chosen.name, chosen.full_path),
            std::tuple("C:\\DATA\\" + std::string(58, ' '), "PLOT.QPA      ",
                       "C:\\DATA\\PLOT.QPA" + std::string(64, ' ')));
  const ChosenFile posix = split_chosen_path("/home/ann/drawings/a-long-file-name.plv");
  EXPECT_EQ(posix.directory, "/home/ann/drawings/" + std::string(47, ' '));
  EXPECT_EQ(posix.name, "a-long-file-na");  // cut at the field's length
  EXPECT_EQ(split_chosen_path("x", 4, 4, 4).directory, "    ");
}

TEST(FileOpenFields, ExportNamesKeepUpToTheFirstBlank) {
  ExportNames names;
  EXPECT_EQ(names.default_name("emf"), ".emf");
  names.set("/data/plots/   ", "PLOT.V2.QPA   ");
  EXPECT_EQ(std::tuple(names.directory(), names.file_name(), names.default_name("emf")),
            std::tuple("/data/plots/", "PLOT.V2.QPA", "PLOT.emf"));
}

}  // namespace
}  // namespace plv::host
