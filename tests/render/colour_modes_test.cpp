#include <gtest/gtest.h>

#include "render/render_fixture.h"

namespace plv {
namespace {

// The colour records a redraw sent, without the drawing.
Lines colours_of(const Lines& records) { return lines_of(records, "colour"); }

constexpr const char* kWhite = "colourgrey 252 252 252 255";
constexpr const char* kColour3 = "colourgrey 252 0 252 255";  // red, blue, green: yellow
constexpr const char* kColour8 = "colourgrey 124 124 124 191";
constexpr const char* kColour12 = "colourgrey 124 0 124 191";  // olive

TEST_F(RenderTest, BarSevenAndZeroWorkInEveryModeWithoutComplaint) {
  redraw(store_of({"SC BAR   7", "SC BAR   0"}));  // before any mode
  redraw(store_of({"SC MODE HOTPJ", "SC BAR   7"}));
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(colours_of(records()).back(), kWhite);
}

TEST_F(RenderTest, PaletteColourRecordsInBarMode) {
  const Lines first = colours_of(redraw(store_of({"SC BAR   3", two_point("LI", 0, 0, 9, 9, " S")})));
  EXPECT_EQ(state_.colour_mode, ColourMode::kBar);  // the first colour record picked the mode
  EXPECT_EQ(first, (Lines{kWhite, kColour3, kColour3}));  // the mode goes out before the colour
  redraw(store_of({"SC MODE BAR", "SC BAR  20"}));
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(colours_of(records()).back(), kWhite);  // colour 20 changed nothing
}

TEST_F(RenderTest, RecordsThatDoNotFitTheModeAreReported) {
  redraw(store_of({"SC MODE RGB", "SC RGB 10 20 64", "SC BAR   5", "SC HOT      0.500"}));
  EXPECT_EQ(messages_.shown, (Lines{"note: ERROR> ILLEGAL \"SC BAR\" COMMAND NUMBER     5",
                                    "note: ERROR> ILLEGAL \"SC HOT\" COMMAND NUMBER=    1"}));
  EXPECT_EQ(colours_of(records()).back(), kWhite);  // the RGB record with 64 was ignored
  messages_.shown.clear();
  redraw(store_of({"SC MODE CIRCL", "SC HOT      0.500", "SC CIRCL    0.500"}));
  EXPECT_EQ(messages_.shown, (Lines{"note: ERROR> ILLEGAL \"SC HOT\" COMMAND NUMBER=    1"}));
  EXPECT_EQ(colours_of(records()).back(), "colourgrey 168 0 252 192");  // circular scale entry 178: red rising to yellow
}

TEST_F(RenderTest, HotScaleInHotModes) {
  redraw(store_of({"SC MODE HOT", "SC HOT      0.500"}));
  const std::string hot = colours_of(records()).back();
  redraw(store_of({"SC MODE HOTPJ", "SC HOT      0.500", "SC BAR   8", "SC BAR   4"}));
  EXPECT_EQ(messages_.shown, (Lines{"note: ILLEGAL SC BAR COMMAND IN HOTPJ MODE"}));
  EXPECT_EQ(colours_of(records()).back(), kColour8);
  EXPECT_NE(hot, kWhite);
}

TEST_F(RenderTest, ColourWithoutAModeAndUnknownModes) {
  redraw(store_of({"SC GREY  5"}));
  EXPECT_EQ(messages_.shown,
            (Lines{"note: ERROR> ILLEGAL \"SC GREY\" COMMAND",
                   "two: ERROR > ATTEMPT TO SET A COLOR WITHOUT|        PREVIOUSLY SETTING A COLOR MODE."}));
  messages_.shown.clear();
  redraw(store_of({"SC MODE PURPLE"}));
  EXPECT_EQ(messages_.shown, (Lines{"error: ERROR >> UNRECOGNISED COLOR MODE"}));
  EXPECT_EQ(state_.colour_mode, ColourMode::kMono);
}

TEST_F(RenderTest, TwoDifferentModeRecordsEndTheProgram) {
  redraw(store_of({"SC MODE BAR", "SC MODE BAR"}));  // the same mode twice is fine
  redraw(store_of({"SC MODE BAR"}));                 // and so is every new redraw
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_THROW(redraw(store_of({"SC MODE BAR", "SC MODE GREY"})), ProgramExit);
  EXPECT_EQ(messages_.shown,
            (Lines{"two: FATAL ERROR>>  INPUT FILE CONTAINS MORE|               THAN ONE \"SC MODE\" COMMAND"}));
}

TEST_F(RenderTest, LayerFilterAndOtherLayerColour) {
  auto on_layer = [](int n) { return "LA" + std::string(n < 10 ? "  " : " ") + std::to_string(n) + "  0.1000000E+01"; };
  const RecordStore drawing =
      store_of({"SC MODE BAR", "SC BAR   3", on_layer(1), two_point("LI", 1, 1, 9, 1, " S"), on_layer(2),
                two_point("LI", 2, 2, 9, 2, " S"), on_layer(3), two_point("LI", 3, 3, 9, 3, " S")});
  state_.work_layer = 2;
  state_.also_draw_layer = 3;
  EXPECT_EQ(lines_of(redraw(drawing)), (Lines{"line 2 2 9 2", "line 3 3 9 3"}));
  state_.also_draw_layer = 0;
  const Lines all = redraw(drawing);
  EXPECT_EQ(lines_of(all), (Lines{"line 1 1 9 1", "line 2 2 9 2", "line 3 3 9 3"}));
  // Each line follows the colour sent just before it.
  Lines colour_before_line;
  std::string last;
  for (const auto& r : all) {
    if (r.rfind("colour", 0) == 0) last = r;
    else if (r.rfind("line", 0) == 0) colour_before_line.push_back(last);
  }
  EXPECT_EQ(colour_before_line, (Lines{kColour12, kColour3, kColour12}));
}

TEST_F(RenderTest, DeletedRecordsShowInTheirOwnColour) {
  const RecordStore drawing = store_of({"SC MODE BAR", "DE" + two_point("LI", 0, 0, 9, 0, " S")});
  EXPECT_TRUE(lines_of(redraw(drawing)).empty());
  state_.show_deleted = true;
  const Lines shown = redraw(drawing);
  EXPECT_EQ(lines_of(shown), (Lines{"line 0 0 9 0"}));
  EXPECT_EQ(colours_of(shown).back(), kColour8);
}

TEST_F(RenderTest, DrawingExtent) {
  EXPECT_EQ(drawing_extent(store_of({"CM NOTHING", "SC BAR   3"}), state_), (Extent{-1650, 1650, -1250, 1250}));
  const RecordStore drawing = store_of({two_point("LI", -100, 50, 300, -20, " S"),
                                        "LA  2  0.2000000E+01  0.1000000E+02  0.0000000E+00",
                                        two_point("BX", 0, 0, 10, 400)});
  EXPECT_EQ(drawing_extent(drawing, state_), (Extent{-100, 300, -20, 800}));
  state_.work_layer = 1;
  state_.also_draw_layer = 1;
  EXPECT_EQ(drawing_extent(drawing, state_), (Extent{-1650, 1650, -1250, 1250}));  // layer 0 and 2 hidden
  EXPECT_EQ(fit_view({0, 0, 0, 0}).scale, 0.99 * 10000.0);
}

}  // namespace
}  // namespace plv
