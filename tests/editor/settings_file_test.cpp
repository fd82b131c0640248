#include <gtest/gtest.h>
#include <sys/stat.h>

#include "editor/editor_fixture.h"
#include "editor/editor_settings.h"

namespace plv {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public EditorTest {};

TEST_F(SettingsFileTest, FileRoundTripThroughTheEditor) {
  Editor& e = open();
  const auto file = dir_.path() / kSettingsFileName;
  read_editor_settings(file, e);  // missing: the defaults stay
  EXPECT_EQ(e.render.view.scale, 1.0);
  EXPECT_EQ(e.render.deleted_colour, Record("SC BAR   8"));
  EXPECT_EQ(e.create_colour, 6);

  e.render.view = {2.5, 10, -20};
  e.render.aspect = 0.75f;
  e.render.work_layer = 4;
  e.create_colour = 3;
  e.drawing_path = "/tmp/x.plv" + std::string(70, ' ');
  EXPECT_TRUE(write_editor_settings(file, e).ok());
  EXPECT_TRUE(testing::read_file(file.string()).starts_with("/tmp/x.plv\nCM SETUP"));

  Editor& fresh = open();
  read_editor_settings(file, fresh);
  EXPECT_EQ(fresh.render.view.scale, 2.5);
  EXPECT_EQ(fresh.render.view.y_shift, -20);
  EXPECT_EQ(fresh.render.aspect, 0.75f);
  EXPECT_EQ(kernel_->aspect(), 0.75f);
  EXPECT_EQ(fresh.render.work_layer, 4);
  EXPECT_EQ(fresh.create_colour, 3);

  // Only palette colours mark deleted and other-layer graphics: a mode
  // record there would clash with every drawing's own mode.
  Settings odd = settings_of(fresh);
  odd.deleted_colour = Record("SC MODE HOT");
  odd.other_layer_colour = Record("SC RGB  1  2  3");
  apply_settings(odd, fresh);
  EXPECT_EQ(fresh.render.deleted_colour, Record("SC BAR   8"));
  EXPECT_EQ(fresh.render.other_layer_colour, Record("SC BAR  12"));
  odd.deleted_colour = Record("SC BAR   3");
  apply_settings(odd, fresh);
  EXPECT_EQ(fresh.render.deleted_colour, Record("SC BAR   3"));

  // Something at the path that is not a readable file: nothing changes,
  // and the caller learns that the settings were not read.
  Editor& third = open();
  fs::remove(file);
  fs::create_directory(file);
  EXPECT_FALSE(read_editor_settings(file, third).ok());
  fs::remove(file);
  ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
  EXPECT_FALSE(read_editor_settings(file, third).ok());  // and does not wait for a writer
  EXPECT_EQ(third.render.view.scale, 1.0);
  fs::remove(file);
  EXPECT_TRUE(read_editor_settings(file, third).ok());  // missing is fine
}

}  // namespace
}  // namespace plv
