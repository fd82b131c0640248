// The editor never writes a drawing whose values the file cannot hold: it
// says which record, keeps the drawing open, and leaves the file alone.

#include <gtest/gtest.h>

#include "drawing/record_layout.h"
#include "editor/editor_fixture.h"
#include "editor/files/drawing_file_ops.h"
#include "editor/view/exit_menu.h"
#include "kinds/circle.h"

namespace plv {
namespace {

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

TEST_F(HonestWriteTest, TheRecordIsNamedAndNothingIsWritten) {
  Editor& e = with_a_circle_too_large(Script().enter());
  EXPECT_FALSE(write_drawing({e, e, names_}));
  EXPECT_EQ(row(3), "ERROR: RECORD 2 HOLDS A VALUE TOO LARGE FOR THE FILE.");
  EXPECT_EQ(row(5), "RECORD 2: THE VALUE -2500000 DOES NOT FIT COLUMNS 15-20.");
  EXPECT_EQ(row(7), "THE DRAWING WAS NOT WRITTEN; THE FILE ON DISC IS AS IT WAS.");
  EXPECT_EQ(testing::read_file(e.drawing_path), "the old drawing\n");
  EXPECT_TRUE(e.last_write_failed);
  EXPECT_EQ(e.drawing.count(), 2);
}

TEST_F(HonestWriteTest, TheExitMenuKeepsTheProgramAndTheDrawing) {
  Editor& e = with_a_circle_too_large(Script().f(1).enter().f(10));
  exit_menu({e, e, names_});  // F1 cannot close the drawing; F10 comes back
  EXPECT_TRUE(e.file_open);
  EXPECT_EQ(e.drawing_name, "d.plv");
  EXPECT_EQ(testing::read_file(e.drawing_path), "the old drawing\n");
}

}  // namespace
}  // namespace plv
