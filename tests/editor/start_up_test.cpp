#include "editor/files/start_up.h"

#include "editor/editor_fixture.h"
#include "editor/files/file_selection.h"
#include "ui/close_requested.h"

namespace plv::files {
namespace {

class StartUpTest : public EditorTest {
 protected:
  std::string settings() const { return dir_.file("plivet.set"); }
  StartNames names(std::optional<std::string_view> argument = std::nullopt) const {
    return start_names({std::string(66, ' '), std::string(14, ' ')}, settings(), argument);
  }
  static std::string path_of(const StartNames& start) {
    return std::string(text::trimmed_right(joined_path(start.names.directory, start.names.file_name)));
  }
};

TEST_F(StartUpTest, SettingsLineThenTheDrawingsOwnHeaderThenTheArgument) {
  EXPECT_EQ(path_of(names()), "");  // no settings file
  std::filesystem::create_directory(dir_.path() / "a");
  testing::write_file(settings(), base() + "/a/draw.plv\r\nCM SETUP FILE FOR PROGRAM PLIVET\n");
  EXPECT_EQ(path_of(names()), base() + "/a/draw.plv");  // the drawing is not there
  testing::write_file(base() + "/a/draw.plv", "/moved/here/draw.plv" + std::string(60, ' ') + "\nGLIMPT\n");
  EXPECT_EQ(path_of(names()), "/moved/here/draw.plv");
  testing::write_file(base() + "/a/draw.plv", "CM A COMMENT\n");
  EXPECT_EQ(path_of(names()), base() + "/a/draw.plv");
  testing::write_file(base() + "/a/draw.plv", "FC 1\n");
  EXPECT_EQ(path_of(names()), base() + "/a/draw.plv");
  // The command line wins; a blank one is no argument.
  EXPECT_EQ(path_of(names("other.plv")), "other.plv");
  EXPECT_EQ(path_of(names("")), base() + "/a/draw.plv");
  // Longer than the 40 characters of old, yet within the fields.
  const std::string long_path = "/" + std::string(60, 'p') + "/drawing-2.plv";
  EXPECT_EQ(path_of(names(long_path)), long_path);
  const StartNames refused = names("/data/a-name-far-too-long.plv");
  EXPECT_TRUE(refused.argument_does_not_fit);
  EXPECT_EQ(path_of(refused), base() + "/a/draw.plv");
  // A comment or a blank first line names nothing.
  testing::write_file(settings(), "CM SETUP FILE FOR PROGRAM PLIVET\n");
  EXPECT_EQ(path_of(names()), "");
  testing::write_file(settings(), "\nx\n");
  EXPECT_EQ(path_of(names()), "");
}

TEST_F(StartUpTest, TheMenuShowsTheStartNamesWithTheVersionBlock) {
  testing::write_file(settings(), base() + "/last.plv\n");
  open(Script().f(10));
  FileSelection selection;
  selection.set_default_extension("plv");
  start_file_selection(*toolkit_, selection, settings(), std::nullopt, true, CheckMode::kNotBlank);
  EXPECT_EQ(row(5), "DIRECTORY:   " + base() + "/");
  EXPECT_EQ(row(7), "FILE NAME:   last.plv");
  EXPECT_EQ(row(18).substr(0, 14), "PLIVET VERSION");
  EXPECT_EQ(std::string(text::trimmed_right(selection.joined_path)), base() + "/last.plv");
}

TEST_F(StartUpTest, AnArgumentTooLongIsReportedAndF3StillEndsTheProgram) {
  open(Script().type("x").f(3));
  FileSelection selection;
  const std::string too_long = "/" + std::string(70, 'q') + "/draw.plv";
  EXPECT_THROW(start_file_selection(*toolkit_, selection, settings(), too_long, true, CheckMode::kExisting),
               ui::CloseRequested);
  ASSERT_FALSE(screens_.empty());
  EXPECT_NE(screens_.front().find("\nTHE PATH DOES NOT FIT THE DIRECTORY AND FILE NAME FIELDS:\n\n/qqq"),
            std::string::npos);
  EXPECT_EQ(row(5), "DIRECTORY:");
}

TEST(DeleteFile, GoneWhetherOrNotItWasThere) {
  testing::TempDir dir;
  testing::write_file(dir.file("plivet.set"), "x");
  EXPECT_TRUE(delete_file(dir.file("plivet.set") + "   "));
  EXPECT_FALSE(std::filesystem::exists(dir.file("plivet.set")));
  EXPECT_TRUE(delete_file(dir.file("plivet.set")));
  std::filesystem::create_directory(dir.path() / "keep");
  EXPECT_FALSE(delete_file(dir.file("keep")));
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "keep"));
}

}  // namespace
}  // namespace plv::files
