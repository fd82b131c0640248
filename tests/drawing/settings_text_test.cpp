#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "drawing/settings_file.h"

namespace plv {
namespace {

Settings read(const std::string& text, Settings settings = {}) {
  read_settings_text(text, settings);
  return settings;
}

// Every value the settings hold, to compare them whole.
auto values(const Settings& s) {
  return std::tuple(s.view.scale, s.view.x_shift, s.view.y_shift, s.paste.shift_x, s.paste.shift_y, s.paste.scale_x,
                    s.paste.scale_y, s.paste.rotation, s.paste.cos, s.paste.sin, s.work_layer, s.also_draw_layer,
                    s.layer.layer, s.layer.scale, s.layer.x_shift, s.layer.y_shift, s.deleted_colour.text(),
                    s.other_layer_colour.text(), s.create_colour, s.aspect, s.drawing_name, s.drawing_path);
}

TEST(SettingsText, FourteenLinesInOrderAndFormReadBackWhole) {
  const Settings written{.drawing_path = "/home/ann/plots/site.plv", .drawing_name = "site.plv",
                         .view = {0.1234567, -250.5, 1.0e-3}, .paste = {12, -3.5, 2, 0.5, 30, 0.8660254, 0.5},
                         .work_layer = 2, .also_draw_layer = 5, .layer = {3, 1.5, -10, 20},
                         .deleted_colour = Record("SC BAR   4"), .other_layer_colour = Record("SC BAR  11"),
                         .create_colour = 9, .aspect = 1.25};
  const std::string text = settings_text(written);
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
  // The name and the path are written for people, never read.
  Settings expected = written;
  expected.drawing_name = expected.drawing_path = "";
  EXPECT_EQ(values(read(text)), values(expected));
}

// Each text read over the same settings, and what it changes in them:
// anything it cannot read, it leaves as it was.
TEST(SettingsText, ReadingChangesOnlyWhatItCanRead) {
  Settings before;
  before.view = {3, 4, 5};
  before.work_layer = 7;
  before.also_draw_layer = 8;
  before.layer.layer = 9;
  before.deleted_colour = Record("SC BAR   8 leftover text");
  const std::string body = "SC   0.2000000E+01  0.1000000E+03  0.0000000E+00\nC3    11\nEN\n";
  const struct {
    std::string text;
    std::function<void(Settings&)> change;
  } cases[] = {
      // Without its path line, a file that begins with the comment loses nothing ...
      {"CM SETUP FILE FOR PROGRAM PLIVET\n" + body, [](Settings& s) { s.view = {2, 100, 0}; s.create_colour = 11; }},
      // ... but one that begins with a value line loses that line.
      {body, [](Settings& s) { s.create_colour = 11; }},
      // Nothing after "EN" is read; unknown keys and "FI" are passed over.
      {"path\nFI other.plv\nZZ 1\nEN\nC3    12\n", [](Settings&) {}},
      {"\nL1     2    0    1\r\n", [](Settings& s) { s.work_layer = 2; s.also_draw_layer = 0; s.layer.layer = 1; }},
      // An unreadable field keeps itself and the fields after it.
      {"\nSC   0.2000000E+01  xx             0.1000000E+01\nL1     1  ???    4\n",
       [](Settings& s) { s.view.scale = 2; s.work_layer = 1; }},
      // A line that ends early keeps the fields it lacks; a blank field reads 0.
      {"\nSC   0.2000000E+01\nB1                  0.1000000E+01\n",
       [](Settings& s) { s.view.scale = 2; s.paste.shift_x = 0; s.paste.shift_y = 1; }},
      // Scales of 0 or less would divide by zero: refused like unreadable fields.
      {"\nSC   0.0000000E+00  0.1000000E+01\nB2   0.2000000E+01 -0.1000000E+01\nAS  -0.1000000E+01\n",
       [](Settings& s) { s.paste.scale_x = 2; }},
      // Absurd numbers would overflow the picture: they count as unreadable.
      {"\nAS  0.1000000E+32\nSC   0.2000000E+01 -0.1000000E+99\n", [](Settings& s) { s.view.scale = 2; }},
      // Colour commands take ten columns, the rest blanked.
      {"\nC1 SC BAR   3 and more\nC2 SC BAR\n",
       [](Settings& s) { s.deleted_colour = Record("SC BAR   3"); s.other_layer_colour = Record("SC BAR"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    Settings expected = before;
    c.change(expected);
    EXPECT_EQ(values(read(c.text, before)), values(expected));
  }
}

}  // namespace
}  // namespace plv
