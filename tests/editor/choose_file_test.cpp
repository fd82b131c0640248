#include "editor/files/choose_file.h"

#include <algorithm>
#include <optional>

#include "editor/files/path_rules.h"
#include "ui/close_requested.h"
#include "ui/ui_fixture.h"

namespace plv::files {
namespace {

class ChooseFileTest : public ui::UiTest {
 protected:
  // Opens the toolkit on `script`; every screen shown at a wait is kept.
  ui::Toolkit& start(const std::string& script) {
    ui::Toolkit& t = open(script);
    ws_->set_wait_observer([this](const host::Frame& frame) {
      if (frame.text) screens_.push_back(host::screen_text(*frame.text));
    });
    sel_.set_directory(base());
    return t;
  }
  void choose(const std::string& script, const ChooseFileOptions& options) {
    choose_file(start(script), sel_, options);
  }
  std::string base() const { return dir_.path().string(); }
  std::string joined() const { return std::string(text::trimmed_right(sel_.joined_path)); }
  // The first screen shown at a wait that holds `text`.
  std::optional<std::string> screen_with(const std::string& text) const {
    const auto it = std::find_if(screens_.begin(), screens_.end(),
                                 [&](const std::string& s) { return s.find(text) != std::string::npos; });
    if (it == screens_.end()) return std::nullopt;
    return *it;
  }
  // Row `r` (one-based) of a kept screen.
  static std::string row_of(const std::string& screen, int r) {
    std::size_t start = 0;
    for (int i = 1; i < r; ++i) start = screen.find('\n', start) + 1;
    return screen.substr(start, screen.find('\n', start) - start);
  }

  FileSelection sel_;
  std::vector<std::string> screens_;
};

TEST_F(ChooseFileTest, TheMenuWithItsFieldsLegendsAndVersionBlock) {
  sel_.set_file_name("draw.plv");
  sel_.set_default_extension("plv");
  choose("key F10\n", {.check = CheckMode::kNone, .show_version = true});
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
  ui::Toolkit& t = start("key F1\nkey F10\n");
  ws_->open_file_answers.push_back("/elsewhere/x.plv");
  choose_file(t, sel_, {.check = CheckMode::kNotBlank});
  EXPECT_EQ(row(9), "             F3 = EXIT FROM THE PROGRAM");
  EXPECT_EQ(row(11), "             F10= CONTINUE");
  EXPECT_EQ(row(13), "");
  EXPECT_EQ(ws_->open_file_answers.size(), 1u);  // never asked
  EXPECT_EQ(joined(), base() + "/draw.plv");
  // Clicking F3's legend row asks for the end of the program.
  EXPECT_THROW(choose("click 9 20\n", {}), ui::CloseRequested);
}

TEST_F(ChooseFileTest, TypedNamesAreCleanedUpAndTheDefaultExtensionApplied) {
  std::string typed = base() + "/plots/";
  std::replace(typed.begin(), typed.end(), '/', '\\');
  // The directory typed with backslashes, Enter to the name, a name with a
  // folder in front, then F5 to see the menu again before continuing.
  choose("key 145\ntype " + typed + "\nkey ENTER\ntype sub\\DRAW.TXT\nkey F5\nkey F10\n",
         {.apply_default_extension = true, .check = CheckMode::kNotBlank});
  EXPECT_EQ(row(5), "DIRECTORY:   " + base() + "/plots/");
  EXPECT_EQ(row(7), "FILE NAME:   DRAW.TXT");
  EXPECT_EQ(joined(), base() + "/plots/DRAW.TXT");  // no default extension was set

  sel_ = FileSelection{};
  sel_.set_default_extension("QPA");
  choose("key 145\ntype " + typed + "\nkey ENTER\ntype sub\\DRAW.TXT\nkey F10\n",
         {.apply_default_extension = true, .check = CheckMode::kNotBlank});
  EXPECT_EQ(sel_.file_name, "draw.qpa      ");
  EXPECT_EQ(joined(), base() + "/plots/draw.qpa");
}

TEST_F(ChooseFileTest, AWholePathInTheDirectoryFieldIsSplit) {
  // Typed over the directory: "  /dir/new.plv" (leading blanks dropped).
  choose("key 145\ntype   " + base() + "/new.plv\nkey F10\n", {.check = CheckMode::kNotBlank});
  EXPECT_EQ(std::string(text::trimmed_right(sel_.directory)), base() + "/");
  EXPECT_EQ(sel_.file_name, "new.plv       ");
  EXPECT_EQ(joined(), base() + "/new.plv");
}

TEST_F(ChooseFileTest, BrowsingTakesTheChosenPathAndCancellingKeepsTheNames) {
  sel_.set_default_extension("QPA");
  sel_.set_file_name("old.qpa");
  ui::Toolkit& t = start("key F1\nkey F1\nclick 9 5\ntype x\nkey F10\n");
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
  choose("key F1\nkey F10\n", {.check = CheckMode::kNotBlank});
  ASSERT_EQ(ws_->open_file_requests().size(), 1u);
  EXPECT_TRUE(ws_->open_file_requests()[0].read_only_box);
}

TEST_F(ChooseFileTest, F3AndClosingAskForTheEndOfTheProgram) {
  sel_.set_file_name("draw.plv");
  ui::Toolkit& t = start("key ENTER\nkey F3\n");
  EXPECT_THROW(choose_file(t, sel_, {.check = CheckMode::kExisting, .show_version = true}), ui::CloseRequested);
  EXPECT_EQ(joined(), base() + "/draw.plv");  // F3 joins the names shown first
  EXPECT_TRUE(ws_->window_exists());           // the end itself is the editor's
  EXPECT_THROW(choose("type abc\nclose\n", {}), ui::CloseRequested);
}

TEST_F(ChooseFileTest, ClicksOnLegendRowsAreKeysAndOtherClicksRedraw) {
  sel_.set_file_name("a.plv");
  choose("click 15 3\nclick 1 1\nclick 11 2\n", {.check = CheckMode::kNotBlank});
  EXPECT_EQ(joined(), base() + "/a.plv");
  EXPECT_EQ(ws_->steps_left(), 0u);
}

TEST_F(ChooseFileTest, ABlankNameStartsTheMenuAgainInItsFirstField) {
  // No message: the menu comes again with the caret in the directory field,
  // so Enter leads to the name.
  choose("key ENTER\nkey F10\nkey ENTER\ntype a\nkey F10\n", {.check = CheckMode::kNotBlank});
  EXPECT_FALSE(screen_with("ERROR"));
  EXPECT_EQ(joined(), base() + "/a");
  // Without a check a blank name is accepted at once.
  sel_ = FileSelection{};
  choose("key F10\n", {.check = CheckMode::kNone});
  EXPECT_EQ(joined(), base() + "/");
}

TEST_F(ChooseFileTest, AnExistingFileIsRequiredInCheckModeOne) {
  testing::write_file(dir_.file("there.plv"), "x");
  sel_.set_file_name("missing");
  sel_.set_default_extension("plv");
  choose("key F10\ntype x\nkey ENTER\nkey 145\ntype THERE\nkey F10\n",
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
  EXPECT_THROW(choose("key F10\ntype x\n", {.check = CheckMode::kExisting}), ui::CloseRequested);
  EXPECT_TRUE(screen_with("CANNOT OPEN"));
}

TEST_F(ChooseFileTest, AFullDirectoryKeepsItsLastColumnAndAJoinTooLongIsRefused) {
  const std::string directory = base() + "/" + std::string(65 - base().size(), 'd');
  ASSERT_EQ(directory.size(), 66u);
  std::filesystem::create_directory(directory);
  testing::write_file(directory + "/abcdefghij.qpa", "x");
  testing::write_file(directory + "/draw.qpa", "x");
  ui::Toolkit& t = start("key F10\ntype x\nkey ENTER\nkey 145\ntype draw.qpa\nkey F10\n");
  sel_.set_directory(directory);
  sel_.set_file_name("abcdefghij.qpa");
  choose_file(t, sel_, {.check = CheckMode::kExisting});
  const auto refused = screen_with("TOO LONG TOGETHER");
  ASSERT_TRUE(refused);
  EXPECT_EQ(row_of(*refused, 5), directory + "/abcdefghij.qp");  // as much as a line shows
  EXPECT_EQ(row_of(*refused, 7), "A PATH MAY HOLD AT MOST 80 CHARACTERS.");
  EXPECT_EQ(joined(), directory + "/draw.qpa");
}

TEST_F(ChooseFileTest, ListingFirstFillsTheName) {
  testing::write_file(dir_.file("a.qpa"), "");
  testing::write_file(dir_.file("b.qpa"), "");
  sel_.set_file_name("old.qpa");
  sel_.set_default_extension("qpa");
  choose("key DOWN\nkey ENTER\nkey F10\n", {.list_first = true, .check = CheckMode::kNotBlank});
  EXPECT_EQ(joined(), base() + "/b.qpa");
  // Choosing none leaves the name blank.
  choose("key UP\nkey ENTER\nkey F10\n", {.list_first = true, .check = CheckMode::kNone});
  EXPECT_EQ(sel_.file_name, std::string(14, ' '));
}

}  // namespace
}  // namespace plv::files
