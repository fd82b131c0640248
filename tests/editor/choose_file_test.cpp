// The directory and file name menu, and the names it starts with.

#include <algorithm>

#include "editor/editor_fixture.h"
#include "editor/files/choose_file.h"
#include "editor/files/file_selection.h"
#include "editor/files/path_rules.h"
#include "editor/files/start_up.h"
#include "ui/close_requested.h"

namespace plv::files {
namespace {

class ChooseFileTest : public EditorTest {
 protected:
  // Opens the toolkit on `script`, the selection's directory the test's folder.
  ui::Toolkit& start(const Script& script) {
    open(script);
    sel_.set_directory(base());
    return *toolkit_;
  }
  void choose(const Script& script, const ChooseFileOptions& options) { choose_file(start(script), sel_, options); }
  std::string joined() const { return std::string(text::trimmed_right(sel_.joined_path)); }

  FileSelection sel_;
};

TEST_F(ChooseFileTest, TheMenuWithItsFieldsLegendsAndVersionBlock) {
  sel_.set_file_name("draw.plv");
  sel_.set_default_extension("plv");
  choose(Script().f(10), {.check = CheckMode::kNone, .show_version = true});
  EXPECT_EQ(row(3), "***** DIRECTORY AND FILE NAME MENU ***** DIRECTORY AND FILE NAME MENU *****");
  EXPECT_EQ(row(5), "DIRECTORY:   " + base());
  EXPECT_EQ(row(7), "FILE NAME:   draw.plv");
  EXPECT_EQ(row(9), "             F1 = BROWSE FOR .plv FILES");
  EXPECT_EQ(row(11), "             F3 = EXIT FROM THE PROGRAM");
  EXPECT_EQ(row(13), "             F10= CONTINUE");
  EXPECT_EQ(row(18).substr(0, 14), "PLIVET VERSION");
  EXPECT_EQ(sel_.legend_rows, (LegendRows{9, 0, 11, 0, 0, 0, 0, 0, 0, 13}));
  EXPECT_EQ(joined(), base() + "/draw.plv");
  EXPECT_EQ(host_->export_names().directory(), base());
  EXPECT_EQ(host_->export_names().file_name(), "draw.plv");
}

TEST_F(ChooseFileTest, WithoutADefaultExtensionThereIsNoBrowsing) {
  sel_.set_file_name("draw.plv");
  ui::Toolkit& t = start(Script().f(1).f(10));
  ws_->open_file_answers.push_back("/elsewhere/x.plv");
  choose_file(t, sel_, {.check = CheckMode::kNotBlank});
  EXPECT_EQ(row(9), "             F3 = EXIT FROM THE PROGRAM");
  EXPECT_EQ(row(11), "             F10= CONTINUE");
  EXPECT_EQ(row(13), "");
  EXPECT_EQ(ws_->open_file_answers.size(), 1u);  // never asked
  EXPECT_EQ(joined(), base() + "/draw.plv");
  // Clicking F3's legend row asks for the end of the program.
  EXPECT_THROW(choose(Script().click(9, 20), {}), ui::CloseRequested);
}

// What the menu accepts from names typed, legend rows clicked and names
// listed, each run from a fresh selection in the test's folder.
TEST_F(ChooseFileTest, NamesTypedClickedOrListedAreCleanedUpAndJoined) {
  testing::write_file(dir_.file("a.qpa"), "");
  testing::write_file(dir_.file("b.qpa"), "");
  std::string typed = base() + "/plots/";
  std::replace(typed.begin(), typed.end(), '/', '\\');
  // The directory typed with backslashes, Enter to the name, a name with a folder in front.
  const Script typed_names = Script().clear().type(typed).enter().type("sub\\DRAW.TXT");
  const struct {
    const char* what;
    const char *file_name, *extension;
    Script script;
    ChooseFileOptions options;
    std::string directory, name, joined;  // the first two as their fields hold them, trailing blanks removed
    bool shown_again = false;             // the menu showed the cleaned names last
  } kCases[] = {
      {"typed names, F5 showing the menu again", "", "", Script(typed_names).f(5).f(10),
       {.apply_default_extension = true}, base() + "/plots/", "DRAW.TXT", base() + "/plots/DRAW.TXT", true},
      {"typed names with a default extension", "", "QPA", Script(typed_names).f(10),
       {.apply_default_extension = true}, base() + "/plots/", "draw.qpa", base() + "/plots/draw.qpa"},
      {"a whole path typed over the directory, leading blanks dropped", "", "",
       Script().clear().type("  " + base() + "/new.plv").f(10), {}, base() + "/", "new.plv", base() + "/new.plv"},
      {"clicks on legend rows are keys, other clicks redraw", "a.plv", "",
       Script().click(15, 3).click(1, 1).click(11, 2), {}, base(), "a.plv", base() + "/a.plv"},
      // No message: the menu comes again with the caret in the directory field, so Enter leads to the name.
      {"a blank name starts the menu again", "", "", Script().enter().f(10).enter().type("a").f(10), {}, base(),
       "a", base() + "/a"},
      {"without a check a blank name is accepted at once", "", "", Script().f(10), {.check = CheckMode::kNone}, base(),
       "", base() + "/"},
      {"the name listed first", "old.qpa", "qpa", Script().down().enter().f(10), {.list_first = true}, base(),
       "b.qpa", base() + "/b.qpa"},
      {"none listed leaves the name blank", "old.qpa", "qpa", Script().up().enter().f(10),
       {.list_first = true, .check = CheckMode::kNone}, base(), "", base() + "/"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    sel_ = FileSelection{};
    sel_.set_file_name(c.file_name);
    sel_.set_default_extension(c.extension);
    choose(c.script, c.options);
    EXPECT_EQ(std::string(text::trimmed_right(sel_.directory)), c.directory);
    EXPECT_EQ(sel_.file_name, text::padded(c.name, kFileNameWidth));
    EXPECT_EQ(joined(), c.joined);
    if (c.shown_again) {
      EXPECT_EQ(row(5), "DIRECTORY:   " + c.directory);
      EXPECT_EQ(row(7), "FILE NAME:   " + std::string(c.name));
    }
    EXPECT_EQ(ws_->steps_left(), 0u);
    EXPECT_FALSE(screen_with("ERROR"));
  }
}

TEST_F(ChooseFileTest, BrowsingTakesTheChosenPathAndCancellingKeepsTheNames) {
  sel_.set_default_extension("QPA");
  sel_.set_file_name("old.qpa");
  ui::Toolkit& t = start(Script().f(1).f(1).click(9, 5).type("x").f(10));
  ws_->open_file_answers = {std::nullopt, "/data/PLOT.QPA",
                            "/data/" + std::string(70, 'x') + "/too-long.qpa"};
  choose_file(t, sel_, {.check = CheckMode::kNone});
  // The cancelled dialog changed nothing; the next chose a path; the
  // third offered one too long for the fields and was refused.
  EXPECT_EQ(joined(), "/data/PLOT.QPA");
  EXPECT_TRUE(ws_->open_file_answers.empty());
  const auto refused = screen_with("THE PATH DOES NOT FIT");
  ASSERT_TRUE(refused);
  EXPECT_EQ(row_of(*refused, 3), "THE PATH DOES NOT FIT THE DIRECTORY AND FILE NAME FIELDS:");
  EXPECT_EQ(row_of(*refused, 7), "THE DIRECTORY MAY HOLD 66 CHARACTERS AND THE FILE NAME 14.");
  // Only a menu that checks the name offers the dialog's read-only box.
  ASSERT_EQ(ws_->open_file_requests().size(), 3u);
  EXPECT_FALSE(ws_->open_file_requests()[0].read_only_box);
  choose(Script().f(1).f(10), {.check = CheckMode::kNotBlank});
  ASSERT_EQ(ws_->open_file_requests().size(), 1u);
  EXPECT_TRUE(ws_->open_file_requests()[0].read_only_box);
}

TEST_F(ChooseFileTest, F3AndClosingAskForTheEndOfTheProgram) {
  sel_.set_file_name("draw.plv");
  ui::Toolkit& t = start(Script().enter().f(3));
  EXPECT_THROW(choose_file(t, sel_, {.check = CheckMode::kExisting, .show_version = true}), ui::CloseRequested);
  EXPECT_EQ(joined(), base() + "/draw.plv");  // F3 joins the names shown first
  EXPECT_TRUE(ws_->window_exists());           // the end itself is the editor's
  EXPECT_THROW(choose(Script().type("abc").close(), {}), ui::CloseRequested);
}

TEST_F(ChooseFileTest, AnExistingFileIsRequiredInCheckModeOne) {
  testing::write_file(dir_.file("there.plv"), "x");
  sel_.set_file_name("missing");
  sel_.set_default_extension("plv");
  choose(Script().f(10).type("x").enter().clear().type("THERE").f(10),
         {.apply_default_extension = true, .check = CheckMode::kExisting});
  const auto error = screen_with("CANNOT OPEN");
  ASSERT_TRUE(error);
  EXPECT_EQ(row_of(*error, 3), "ERROR: THE PROGRAM CANNOT OPEN THE FILE.");
  EXPECT_EQ(row_of(*error, 5), "THE DIRECTORY PATH AND FILE NAME ARE:");
  EXPECT_EQ(row_of(*error, 7), base() + "/missing.plv");
  EXPECT_EQ(row_of(*error, 9), "PLEASE SPECIFY A NEW DIRECTORY OR FILE NAME.");
  EXPECT_EQ(row_of(*error, 11), "TYPE ANY KEY TO CONTINUE...");
  EXPECT_EQ(joined(), base() + "/there.plv");
  // A directory is no file to open.
  std::filesystem::create_directory(dir_.path() / "d.plv");
  sel_.set_file_name("d.plv");
  screens_.clear();
  EXPECT_THROW(choose(Script().f(10).type("x"), {.check = CheckMode::kExisting}), ui::CloseRequested);
  EXPECT_TRUE(screen_with("CANNOT OPEN"));
}

TEST_F(ChooseFileTest, AFullDirectoryKeepsItsLastColumnAndAJoinTooLongIsRefused) {
  const std::string directory = base() + "/" + std::string(65 - base().size(), 'd');
  ASSERT_EQ(directory.size(), 66u);
  std::filesystem::create_directory(directory);
  testing::write_file(directory + "/abcdefghij.qpa", "x");
  testing::write_file(directory + "/draw.qpa", "x");
  ui::Toolkit& t = start(Script().f(10).type("x").enter().clear().type("draw.qpa").f(10));
  sel_.set_directory(directory);
  sel_.set_file_name("abcdefghij.qpa");
  choose_file(t, sel_, {.check = CheckMode::kExisting});
  const auto refused = screen_with("TOO LONG TOGETHER");
  ASSERT_TRUE(refused);
  EXPECT_EQ(row_of(*refused, 5), directory + "/abcdefghij.qp");  // as much as a line shows
  EXPECT_EQ(row_of(*refused, 7), "A PATH MAY HOLD AT MOST 80 CHARACTERS.");
  EXPECT_EQ(joined(), directory + "/draw.qpa");
}

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
