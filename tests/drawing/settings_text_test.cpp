#include <gtest/gtest.h>

#include "drawing/settings_file.h"

namespace plv {
namespace {

Settings read(const std::string& text, Settings settings = {}) {
  read_settings_text(text, settings);
  return settings;
}

Settings unusual_settings() {
  Settings s;
  s.drawing_path = "/home/ann/plots/site.plv";
  s.drawing_name = "site.plv";
  s.view = {0.1234567, -250.5, 1.0e-3};
  s.paste = {12, -3.5, 2, 0.5, 30, 0.8660254, 0.5};
  s.work_layer = 2;
  s.also_draw_layer = 5;
  s.layer = {3, 1.5, -10, 20};
  s.deleted_colour = Record("SC BAR   4");
  s.other_layer_colour = Record("SC BAR  11");
  s.create_colour = 9;
  s.aspect = 1.25;
  return s;
}

TEST(SettingsText, FourteenLinesInOrderAndForm) {
  const std::string text = settings_text(unusual_settings());
  EXPECT_EQ(text,
            "/home/ann/plots/site.plv\n"
            "CM SETUP FILE FOR PROGRAM PLIVET\n"
            "FI site.plv      \n"
            "SC   0.1234567E+00 -0.2505000E+03  0.1000000E-02\n"
            "B1   0.1200000E+02 -0.3500000E+01\n"
            "B2   0.2000000E+01  0.5000000E+00\n"
            "B3   0.3000000E+02  0.8660254E+00  0.5000000E+00\n"
            "L1     2    5    3\n"
            "L2   0.1500000E+01 -0.1000000E+02  0.2000000E+02\n"
            "C1 SC BAR   4\n"
            "C2 SC BAR  11\n"
            "C3     9\n"
            "AS   0.1250000E+01\n"
            "EN\n");
}

TEST(SettingsText, WritingThenReadingRestoresEverythingButNameAndPath) {
  const Settings written = unusual_settings();
  const Settings back = read(settings_text(written));
  EXPECT_EQ(back.view.scale, written.view.scale);
  EXPECT_EQ(back.view.x_shift, written.view.x_shift);
  EXPECT_EQ(back.view.y_shift, written.view.y_shift);
  EXPECT_EQ(back.paste.shift_x, 12);
  EXPECT_EQ(back.paste.shift_y, -3.5);
  EXPECT_EQ(back.paste.scale_x, 2);
  EXPECT_EQ(back.paste.scale_y, 0.5);
  EXPECT_EQ(back.paste.rotation, 30);
  EXPECT_EQ(back.paste.cos, 0.8660254);
  EXPECT_EQ(back.paste.sin, 0.5);
  EXPECT_EQ(back.work_layer, 2);
  EXPECT_EQ(back.also_draw_layer, 5);
  EXPECT_EQ(back.layer.layer, 3);
  EXPECT_EQ(back.layer.scale, 1.5);
  EXPECT_EQ(back.layer.x_shift, -10);
  EXPECT_EQ(back.layer.y_shift, 20);
  EXPECT_EQ(back.deleted_colour, Record("SC BAR   4"));
  EXPECT_EQ(back.other_layer_colour, Record("SC BAR  11"));
  EXPECT_EQ(back.create_colour, 9);
  EXPECT_EQ(back.aspect, 1.25);
  // The name and the path are written for people, never read.
  EXPECT_EQ(back.drawing_name, "");
  EXPECT_EQ(back.drawing_path, "");
}

TEST(SettingsText, FirstLineIsSkippedWhateverItHolds) {
  const std::string body = "SC   0.2000000E+01  0.1000000E+03  0.0000000E+00\nC3    11\nEN\n";
  // Without its path line, a file that begins with the comment loses nothing ...
  const Settings from_comment = read("CM SETUP FILE FOR PROGRAM PLIVET\n" + body);
  EXPECT_EQ(from_comment.view.scale, 2);
  EXPECT_EQ(from_comment.view.x_shift, 100);
  EXPECT_EQ(from_comment.create_colour, 11);
  // ... but one that begins with a value line loses that line.
  const Settings from_value = read(body);
  EXPECT_EQ(from_value.view.scale, 1);
  EXPECT_EQ(from_value.view.x_shift, 0);
  EXPECT_EQ(from_value.create_colour, 11);
  // Nothing after "EN" is read; unknown keys and "FI" are passed over.
  const Settings stopped = read("path\nFI other.plv\nZZ 1\nEN\nC3    12\n");
  EXPECT_EQ(stopped.create_colour, 6);
}

TEST(SettingsText, LayerLineAndUnreadableFields) {
  const Settings layers = read("\nL1     2    0    1\r\n");
  EXPECT_EQ(layers.work_layer, 2);
  EXPECT_EQ(layers.also_draw_layer, 0);
  EXPECT_EQ(layers.layer.layer, 1);

  Settings before;
  before.view = {3, 4, 5};
  before.work_layer = 7;
  before.also_draw_layer = 8;
  before.layer.layer = 9;
  // An unreadable field keeps itself and the fields after it.
  Settings s = read("\nSC   0.2000000E+01  xx             0.1000000E+01\nL1     1  ???    4\n", before);
  EXPECT_EQ(s.view.scale, 2);
  EXPECT_EQ(s.view.x_shift, 4);
  EXPECT_EQ(s.view.y_shift, 5);
  EXPECT_EQ(s.work_layer, 1);
  EXPECT_EQ(s.also_draw_layer, 8);
  EXPECT_EQ(s.layer.layer, 9);
  // A line that ends early keeps the fields it lacks; a blank field reads 0.
  s = read("\nSC   0.2000000E+01\nB1                  0.1000000E+01\n", before);
  EXPECT_EQ(s.view.scale, 2);
  EXPECT_EQ(s.view.x_shift, 4);
  EXPECT_EQ(s.paste.shift_x, 0);
  EXPECT_EQ(s.paste.shift_y, 1);
  // Scales of 0 or less would divide by zero: refused like unreadable fields.
  s = read("\nSC   0.0000000E+00  0.1000000E+01\nB2   0.2000000E+01 -0.1000000E+01\nAS  -0.1000000E+01\n", before);
  EXPECT_EQ(s.view.scale, 3);
  EXPECT_EQ(s.view.x_shift, 4);
  EXPECT_EQ(s.paste.scale_x, 2);
  EXPECT_EQ(s.paste.scale_y, 1);
  EXPECT_EQ(s.aspect, 1);
}

TEST(SettingsText, ColourCommandsAreBlankedAndTakeTenColumns) {
  Settings before;
  before.deleted_colour = Record("SC BAR   8 leftover text");
  const Settings s = read("\nC1 SC BAR   3 and more\nC2 SC BAR\n", before);
  EXPECT_EQ(s.deleted_colour, Record("SC BAR   3"));
  EXPECT_EQ(s.other_layer_colour, Record("SC BAR"));

  // Absurd numbers would overflow the picture: they count as unreadable.
  const Settings kept = read("\nAS  0.1000000E+32\nSC   0.2000000E+01 -0.1000000E+99\n", before);
  EXPECT_EQ(kept.aspect, before.aspect);
  EXPECT_EQ(kept.view.scale, 2);
  EXPECT_EQ(kept.view.x_shift, before.view.x_shift);
}

}  // namespace
}  // namespace plv
