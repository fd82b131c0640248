// The main menu's choices, and the ways out of the editor: the exit menu
// never writing a drawing whose values the file cannot hold (it says which
// record, keeps the drawing open and leaves the file alone), and the
// shutdown that every way out ends in.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "drawing/record_layout.h"
#include "drawing/settings_file.h"
#include "editor/editor_fixture.h"
#include "editor/files/drawing_file_ops.h"
#include "editor/main_menu.h"
#include "editor/main_program.h"
#include "editor/shutdown.h"
#include "editor/view/exit_menu.h"
#include "host/program_exit.h"
#include "kinds/circle.h"
#include "ui/close_requested.h"

namespace plv {
namespace {

using MainMenuTest = EditorTest;

TEST_F(MainMenuTest, FunctionKeysChooseAndKeepTheLayersOtherKeysDropThem) {
  Editor& e = open(Script().type("3").tab().type("5").f(9).type("7").type("|").f(6).f(10).close());
  EXPECT_EQ(main_menu(e, e), MainChoice::kCreate);
  EXPECT_EQ(e.render.work_layer, 3);
  EXPECT_EQ(e.render.also_draw_layer, 5);
  // The bar is no choice: what was typed is dropped.
  EXPECT_EQ(main_menu(e, e), std::nullopt);
  EXPECT_EQ(e.render.work_layer, 3);
  EXPECT_EQ(row(7), "             WORK ON LAYER:      7     ALSO DRAW LAYER:      5");
  EXPECT_EQ(main_menu(e, e), MainChoice::kScreen);
  EXPECT_EQ(main_menu(e, e), MainChoice::kExit);
  EXPECT_THROW(main_menu(e, e), ui::CloseRequested);
}

class HonestWriteTest : public EditorTest {
 protected:
  Editor& with_a_circle_too_large(const Script& script) {
    Editor& e = open(script);
    e.drawing_path = dir_.file("d.plv");
    e.drawing_name = "d.plv";
    e.file_open = true;
    testing::write_file(e.drawing_path, "the old drawing\n");
    Record circle;
    circle.put_text(layout::kCode, "CI");
    for (const RealField f : layout::stored::circle::kValues) circle.put(f, 1);
    circle.put(layout::stored::circle::kStartX, -2.5e6);
    e.drawing.append(Record("CM FIRST"));
    e.drawing.append(circle);
    return e;
  }
  files::FileSelection names_;
};

TEST_F(HonestWriteTest, TheRecordIsNamedNothingIsWrittenAndTheExitMenuKeepsTheDrawing) {
  Editor& e = with_a_circle_too_large(Script().enter());
  EXPECT_FALSE(write_drawing({e, e, names_}));
  expect_screen("editor_value_too_large");
  EXPECT_EQ(testing::read_file(e.drawing_path), "the old drawing\n");
  EXPECT_TRUE(e.last_write_failed);
  EXPECT_EQ(e.drawing.count(), 2);

  Editor& again = with_a_circle_too_large(Script().f(1).enter().f(10));
  exit_menu({again, again, names_});  // F1 cannot close the drawing; F10 comes back
  EXPECT_TRUE(again.file_open);
  EXPECT_EQ(again.drawing_name, "d.plv");
  EXPECT_EQ(testing::read_file(again.drawing_path), "the old drawing\n");
}

namespace fs = std::filesystem;

class ShutdownTest : public EditorTest {
 protected:
  // The editor started in dir/start, working in dir/work, the drawing in dir/drawings.
  Editor& start(const Script& script = {}) {
    Editor& e = open(script);
    fs::create_directories(work_);
    fs::create_directories(start_);
    fs::create_directories(dir_.path() / "drawings");
    e.start_directory = start_;
    e.drawing_path = (dir_.path() / "drawings" / "site.plv").string();
    e.render.view = {2, 30, -40};
    e.settings_read = true;
    return e;
  }
  // `run` must end the program with status `code`.
  static void expect_exit(const std::function<void()>& run, int code = 0) {
    try {
      run();
      ADD_FAILURE() << "the program did not end";
    } catch (const ProgramExit& exit) {
      EXPECT_EQ(exit.code, code);
    }
  }
  void expect_exit(Editor& e, int code = 0) { expect_exit([&] { shutdown(e, work_); }, code); }

  fs::path work_ = dir_.path() / "work";
  fs::path start_ = dir_.path() / "start";
};

TEST_F(ShutdownTest, WritesBothSettingsFilesWhenTheDrawingExistsAndEnds) {
  Editor& e = start();
  testing::write_file(e.drawing_path, "drawing");
  testing::write_file((start_ / "plivet.set").string(), "old settings");
  e.ui.screen().write_at(5, 1, "SOMETHING ON SCREEN", 19);
  expect_exit(e);

  const std::string here = testing::read_file((work_ / "plivet.set").string());
  EXPECT_TRUE(here.starts_with(e.drawing_path + "\nCM SETUP FILE FOR PROGRAM PLIVET\n"));
  EXPECT_NE(here.find("SC   0.2000000E+01  0.3000000E+02 -0.4000000E+02\n"), std::string::npos);
  EXPECT_EQ(testing::read_file((start_ / "plivet.set").string()), here);
  EXPECT_EQ(row(5), "");  // the text screen is cleared
  EXPECT_TRUE(fs::exists(dir_.path() / "orvlab.ini"));  // the host wrote its own settings
  EXPECT_EQ(testing::read_file(e.drawing_path), "drawing");  // never the drawing
}

TEST_F(ShutdownTest, WithoutTheDrawingOnlyTheCurrentDirectoryAndFailuresAreTold) {
  Editor& e = start();
  expect_exit(e);
  EXPECT_TRUE(fs::exists(work_ / "plivet.set"));
  EXPECT_FALSE(fs::exists(start_ / "plivet.set"));

  // A directory at the drawing path is no drawing.
  Editor& again = start();
  again.drawing_path = start_.string();
  expect_exit(again);
  EXPECT_FALSE(fs::exists(start_ / "plivet.set"));

  // A settings file that cannot be replaced is told, left as it was, and the program still ends.
  Editor& failing = start();
  fs::remove(work_ / "plivet.set");
  fs::create_directories(work_ / "plivet.set" / "in the way");
  expect_exit(failing);
  ASSERT_FALSE(ws_->messages().empty());
  EXPECT_NE(ws_->messages().back().text.find("plivet.set"), std::string::npos);
  EXPECT_TRUE(fs::exists(work_ / "plivet.set" / "in the way"));
}

TEST_F(ShutdownTest, SettingsNeverReadAreLeftAloneAndAnUnsavedDrawingEndsWithStatusOne) {
  Editor& e = start();
  testing::write_file(e.drawing_path, "drawing");
  testing::write_file((work_ / "plivet.set").string(), "the user's settings");
  e.settings_read = false;
  e.last_write_failed = true;
  expect_exit(e, 1);
  EXPECT_EQ(testing::read_file((work_ / "plivet.set").string()), "the user's settings");
  EXPECT_FALSE(fs::exists(start_ / "plivet.set"));
}

// The process's current directory for as long as it lives.
struct WorkingIn {
  fs::path before = fs::current_path();
  explicit WorkingIn(const fs::path& dir) { fs::current_path(dir); }
  ~WorkingIn() { fs::current_path(before); }
};

// However the user asks for the end (a close at any wait, or the exit
// menu after the drawing is written), the editor ends through the shutdown.
TEST_F(ShutdownTest, EveryWayOutEndsThroughTheShutdown) {
  for (const Script& way_out : {Script().close(), Script().f(10).f(1)}) {
    SCOPED_TRACE(way_out.text());
    Editor& e = start(Script().enter().type("a").f(10).then(way_out));
    fs::remove(work_ / "plivet.set");
    fs::remove(work_ / "a.plv");
    WorkingIn here(work_);
    MenuStates states;
    expect_exit([&] { run_editor(e, states, std::nullopt); });
    EXPECT_TRUE(fs::exists(work_ / "plivet.set"));
    EXPECT_FALSE(ws_->window_exists());
    EXPECT_EQ(row(5), "");  // the shutdown cleared the screen
  }
  EXPECT_FALSE(testing::read_file((work_ / "a.plv").string()).empty());  // the exit menu wrote the drawing
}

}  // namespace
}  // namespace plv
