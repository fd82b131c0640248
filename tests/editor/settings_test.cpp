// The editor's settings file, and the translation setup line with its menu.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "drawing/setup_line.h"
#include "editor/editor_fixture.h"
#include "editor/editor_settings.h"
#include "editor/files/translation_setup_menu.h"
#include "ui/close_requested.h"

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

TEST(SetupLine, ReadsAndWritesTheSixValuesInTheirColumns) {
  const SetupValues defaults = parse_setup_line(kDefaultSetupLine);
  EXPECT_EQ(defaults, SetupValues{});
  EXPECT_EQ(format_setup_line(defaults), kDefaultSetupLine);

  // The first seven columns are passed over; a short line reads as blank-padded.
  const SetupValues v = parse_setup_line("XXXXXXXMS      21.00      0.250 T C L");
  EXPECT_EQ(v, (SetupValues{"MS", 21, 0.25, 'T', 'C', 'L'}));
  EXPECT_EQ(format_setup_line(v), "GLIMPT MS      21.00      0.250 T C L   ");

  // A width that cannot be read takes its default rather than stopping the menu.
  const SetupValues bad = parse_setup_line("GLIMPT EP      ab.cd      1.500 D M P");
  EXPECT_EQ(bad.drawing_width, 17.36);
  EXPECT_EQ(bad.line_width, 1.5);
}

TEST(SetupLine, OnlyAcceptedValuesAreTaken) {
  const SetupValues old;
  SetupValues typed{"WP", 30, 2, 'C', 'C', 'L'};
  EXPECT_EQ(accept_typed(old, typed), typed);

  typed = {"XX", 0, -1, 'A', 'B', 'Q'};
  EXPECT_EQ(accept_typed(old, typed), old);
  for (const char* mode : {"PR", "EP", "WP", "MS"}) EXPECT_TRUE(accepted_mode(mode));
  EXPECT_FALSE(accepted_mode("ep"));
  // Widths too large for their columns would be written as asterisks.
  EXPECT_TRUE(accepted_drawing_width(9999999.99));
  EXPECT_FALSE(accepted_drawing_width(1e8));
  EXPECT_FALSE(accepted_line_width(1e7));
  // Each is judged as its column holds it: what rounds to nothing there is refused.
  for (const auto& [width, taken] : {std::pair{1e-8, false}, {0.0049, false}, {0.005, true}, {0.01, true}, {0.0, false}})
    EXPECT_EQ(accepted_drawing_width(width), taken) << width;
  EXPECT_TRUE(accepted_line_width(0.001));
  EXPECT_FALSE(accepted_line_width(0.0004));
}

class TranslationSetupMenuTest : public EditorTest {};

TEST_F(TranslationSetupMenuTest, TypedValuesAreUpperCasedAndRefusalsKeepTheOldValue) {
  Editor& e = open(Script()
                       .type("pr").enter()            // mode in lower case
                       .field("0.004").enter()        // a drawing width that the line holds as 0.00: refused
                       .field("-2").enter()           // negative line width: refused
                       .type("h").enter()             // font
                       .type("x").enter()             // not M or C: refused
                       .type("l").f(10));
  e.ui.lines().set_title("*** TITLE");
  translation_setup_menu(e, e);
  EXPECT_EQ(e.setup_line, "GLIMPT PR      17.36      1.000 H M L   ");
  expect_screen("editor_translation_setup_typed");
}

TEST_F(TranslationSetupMenuTest, OtherKeysShowTheNewValuesAndCloseEndsTheProgram) {
  Editor& e = open(Script().type("ms").enter().field("21").f(2).f(10).f(3).close());
  translation_setup_menu(e, e);
  EXPECT_EQ(e.setup_line, "GLIMPT MS      21.00      1.000 D M P   ");
  expect_screen("editor_translation_setup_shown_again");  // after F2, the values as stored
  EXPECT_THROW(translation_setup_menu(e, e), ui::CloseRequested);
}

}  // namespace
}  // namespace plv
