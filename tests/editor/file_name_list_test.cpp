#include <cstdio>

#include "editor/editor_fixture.h"
#include "editor/files/file_name_list.h"
#include "ui/close_requested.h"
#include "support/script.h"
#include "ui/ui_fixture.h"

namespace plv::files {
namespace {

using testing::Script;

class FileNameListTest : public ui::UiTest {
 protected:
  // f01.qpa ... fNN.qpa in the test's directory.
  void make_names(int count) {
    for (int i = 1; i <= count; ++i) testing::write_file(dir_.file(name(i)), "");
  }
  static std::string name(int i) {
    char text[16];
    std::snprintf(text, sizeof text, "f%02d.qpa", i);
    return text;
  }
  static std::string field(const std::string& text) { return text + std::string(14 - text.size(), ' '); }
  void expect_screen(const std::string& golden_name) const {
    expect_golden(host::screen_text(host_->text()), golden_name);
  }
  std::string choose(const std::string& script) { return choose_name(open(script), dir_.path().string(), "qpa"); }
  std::string choose(const Script& script) { return choose(script.text()); }
};

TEST_F(FileNameListTest, ListsSortedNamesWithTheExtensionInAnyCase) {
  for (const char* n : {"b.qpa", "A.QPA", "c.txt", "noext", "a-name-too-long.qpa", ".qpa"})
    testing::write_file(dir_.file(n), "");
  std::filesystem::create_directory(dir_.path() / "d.qpa");
  EXPECT_EQ(list_names(dir_.path().string() + "   ", "QPA"),
            (std::vector<std::string>{field("A.QPA"), field("b.qpa")}));
  EXPECT_EQ(list_names(dir_.path().string(), "txt"), (std::vector<std::string>{field("c.txt")}));
  EXPECT_EQ(list_names(dir_.path().string(), "   "), (std::vector<std::string>{field("noext")}));
  EXPECT_TRUE(list_names((dir_.path() / "missing").string(), "qpa").empty());
}

TEST_F(FileNameListTest, NeverMoreThanAHundredNames) {
  for (int i = 0; i < 105; ++i) testing::write_file(dir_.file("n" + std::to_string(1000 + i) + ".qpa"), "");
  const auto names = list_names(dir_.path().string(), "qpa");
  ASSERT_EQ(names.size(), 100u);
  EXPECT_EQ(names.front(), field("n1000.qpa"));
  EXPECT_EQ(names.back(), field("n1099.qpa"));
}

TEST_F(FileNameListTest, TwentyNamesFitOnePageWithoutShowMore) {
  make_names(20);
  EXPECT_EQ(choose(Script().down().down().enter()), field("f03.qpa"));
  expect_screen("editor_file_names_twenty");
  // Up from the first entry is the last: none chosen.
  EXPECT_EQ(choose(Script().up().enter()), field(""));
}

TEST_F(FileNameListTest, PagesAdvanceByTenAndComeBackToTheStart) {
  make_names(25);
  // Up twice from the first entry reaches SHOW MORE NAMES; the second page
  // starts at the eleventh name; a right press on a name chooses it.
  const Script show_more = Script().up().up().enter();
  EXPECT_EQ(choose(show_more.text() + "click 4 25 right\n"), field("f12.qpa"));  // Script has no right click
  expect_screen("editor_file_names_second_page");
  // Fewer than ten names would follow the second page: back to the first.
  // Escape finishes with the highlighted entry.
  EXPECT_EQ(choose(Script(show_more).then(show_more).esc()), field("f01.qpa"));
  expect_screen("editor_file_names_first_page_again");
}

TEST_F(FileNameListTest, PressesOutsideAndOtherKeysAreIgnoredAndACloseAsksForTheEnd) {
  make_names(3);
  // A left press outside, then letters and F-keys, then a left press on the
  // second name finishes with it.
  EXPECT_EQ(choose(Script().click(10, 60).type("q").f(3).down().down().click(4, 22)), field("f02.qpa"));
  EXPECT_EQ(choose(Script().down().down().down().enter()), field(""));  // NONE OF THE ABOVE
  EXPECT_THROW(choose(Script().down().close()), ui::CloseRequested);
}

TEST_F(FileNameListTest, NoMatchingNamesSaySorryAndWaitForAKey) {
  testing::write_file(dir_.file("a.txt"), "");
  EXPECT_EQ(choose(Script().type("x")), field(""));
  EXPECT_EQ(row(3), "SORRY, THERE ARE NO FILES WITH EXTENSION .qpa");
  EXPECT_EQ(row(5), "TYPE ANY KEY TO CONTINUE....");
  EXPECT_EQ(ws_->steps_left(), 0u);
}

}  // namespace
}  // namespace plv::files
