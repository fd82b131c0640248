#include "editor/files/path_rules.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "support/temp_dir.h"

namespace plv::files {
namespace {

std::string trim(const std::string& s) { return std::string(text::trimmed_right(s)); }

TEST(JoinPath, DirectorySeparatorAndName) {
  EXPECT_EQ(trim(joined_path(text::padded("/data/plots", 66), "draw.plv      ")), "/data/plots/draw.plv");
  EXPECT_EQ(trim(joined_path("/data/plots/", "draw.plv")), "/data/plots/draw.plv");
  EXPECT_EQ(joined_path("/d", "x").size(), kPathWidth);
  // An empty directory is the current one, never the root.
  EXPECT_EQ(trim(joined_path(std::string(66, ' '), "draw.plv      ")), "draw.plv");
  EXPECT_EQ(trim(joined_path("", "")), "");
  // Blanks inside a value belong to it.
  EXPECT_EQ(trim(joined_path("/my plots   ", "a b.plv  ")), "/my plots/a b.plv");
  // 66 + separator + 14 does not fit in 80 and is not cut; one less fits.
  const std::string directory = "/" + std::string(65, 'd');
  const std::string long_join = joined_path(directory, "abcdefghij.qpa");
  EXPECT_EQ(trim(long_join), directory + "/abcdefghij.qpa");
  EXPECT_FALSE(fits_path_width(long_join));
  EXPECT_TRUE(fits_path_width(joined_path(directory.substr(0, 65), "abcdefghij.qpa")));
}

TEST(DefaultExtension, LowerCasedAddedOrReplacing) {
  // Blank names and extensions change nothing, not even the case; a leading
  // blank keeps the name as it is; the point is at most in column 11, so
  // the name fits 14 columns.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"DRAW", "QPA", "draw.qpa      "},           {"DRAW.TXT      ", "QPA", "draw.qpa      "},
      {"Draw.", "plv", "draw.plv      "},          {"plot.v2.txt", "plv", "plot.plv      "},
      {"geo", "GW ", "geo.gw        "},           {"              ", "QPA", "              "},
      {"DRAW.TXT", "   ", "DRAW.TXT      "},        {" DRAW", "QPA", " DRAW         "},
      {"ABCDEFGHIJKLMN", "qpa", "abcdefghij.qpa"},  {"ABCDEFGHIJ", "qpa", "abcdefghij.qpa"},
      {"ABCDEFGHIJKL.X", "qpa", "abcdefghij.qpa"},  {"MY PLOT", "plv", "my plot.plv   "}};
  for (const auto& [name, extension, result] : cases) EXPECT_EQ(with_default_extension(name, extension), result) << name;
}

TEST(TypedNames, SeparatorsColonsAndSplitting) {
  EXPECT_EQ(with_separators_normalised("C:\\DATA\\PLOTS\\"), "C:/DATA/PLOTS/");
  for (const auto& [typed, name] : {std::pair{"sub/draw.plv", "draw.plv"}, {"a\\b\\c.qpa", "c.qpa"},
                                     {"C:PLOT.QPA", "PLOT.QPA"}, {"draw.plv", "draw.plv"}, {"sub/", ""}})
    EXPECT_EQ(name_after_last_separator(typed), text::padded(name, 14)) << typed;

  EXPECT_EQ(split_path("/data/plots/draw.plv"),
            (DirectoryAndName{text::padded("/data/plots/", 66), "draw.plv      "}));
  EXPECT_EQ(split_path("draw.plv  "), (DirectoryAndName{std::string(66, ' '), "draw.plv      "}));
  EXPECT_EQ(split_path("C:\\DATA\\PLOT.QPA"), (DirectoryAndName{text::padded("C:/DATA/", 66), "PLOT.QPA      "}));
  EXPECT_EQ(split_path("/data/"), (DirectoryAndName{text::padded("/data/", 66), std::string(14, ' ')}));
  // Parts that do not fit their fields are not cut into another path.
  EXPECT_FALSE(split_path("/data/a-name-of-fifteen"));
  EXPECT_FALSE(split_path("/" + std::string(66, 'd') + "/x.plv"));
  EXPECT_TRUE(split_path(std::string(65, 'd') + "/abcdefghij.plv"));
}

TEST(TypedNames, AFileAtTheEndOfTheDirectoryBecomesTheName) {
  testing::TempDir dir;
  const std::string base = dir.path().string();
  testing::write_file(dir.file("plot"), "x");
  std::filesystem::create_directory(dir.path() / "data.2026");
  auto moved = [](const std::string& directory, const std::string& name) {
    return with_file_component_moved({text::padded(directory, 66), text::padded(name, 14)});
  };
  // An existing file, even without a point.
  EXPECT_EQ(moved(base + "/plot", "old.plv"), (DirectoryAndName{text::padded(base + "/", 66), "plot          "}));
  // A name with a point that is not there yet.
  EXPECT_EQ(moved(base + "/new.plv", ""), (DirectoryAndName{text::padded(base + "/", 66), "new.plv       "}));
  EXPECT_EQ(moved("new.plv", ""), (DirectoryAndName{std::string(66, ' '), "new.plv       "}));
  // Directories stay, points or not.
  EXPECT_EQ(moved(base + "/data.2026", "a.plv").directory, text::padded(base + "/data.2026", 66));
  EXPECT_EQ(moved(base, "a.plv").file_name, "a.plv         ");
  EXPECT_EQ(moved(base + "/", "a.plv").file_name, "a.plv         ");
  EXPECT_EQ(moved("..", "a.plv").file_name, "a.plv         ");
  // A component too long for the name field stays where it is.
  EXPECT_EQ(moved(base + "/a-long-name.plv", "a.plv").file_name, "a.plv         ");
}

TEST(FilterIndex, FollowsTheDialogsFilterList) {
  for (const auto& [extension, index] : {std::pair{"QPA", 1}, {"TBL", 2}, {"tbl", 2}, {"GW ", 3}, {"SOL", 4},
                                          {"plv", 6}, {"PLV", 6}, {"TXT", 5}, {"   ", 5}})
    EXPECT_EQ(filter_index(extension), index) << extension;
}

}  // namespace
}  // namespace plv::files
