#include <gtest/gtest.h>

#include "drawing/setup_line.h"
#include "editor/files/translation_setup_menu.h"
#include "editor/editor_fixture.h"
#include "ui/close_requested.h"

namespace plv {
namespace {

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

  EXPECT_EQ(row(1), "*** TITLE");
  EXPECT_EQ(row(4), "********* SETUP MENU FOR TRANSLATION PARAMETERS FOR PROGRAM GLIMPT *************");
  EXPECT_EQ(row(7), "                                     EP=ENCAPSULATED POSTSCRIPT");
  EXPECT_EQ(row(8), "                                     FOR \"WORD\" OR \"WORDPERFECT\"");
  EXPECT_EQ(row(18), "                                     T=TIMES-ROMAN FONT");
  EXPECT_EQ(row(25), "         F10= RETURN TO THE MAIN MENU");
}

TEST_F(TranslationSetupMenuTest, OtherKeysShowTheNewValuesAndCloseEndsTheProgram) {
  Editor& e = open(Script().type("ms").enter().field("21").f(2).f(10).f(3).close());
  translation_setup_menu(e, e);
  EXPECT_EQ(e.setup_line, "GLIMPT MS      21.00      1.000 D M P   ");
  // After F2 the screen came back with the values as stored.
  EXPECT_EQ(row(6), "         TRANSLATION MODE:  MS       PR=COPY-TO-PRINTER");
  EXPECT_EQ(row(11), "         DRAWING WIDTH:        21.0000   CENTIMETRES");
  EXPECT_EQ(row(13), "         LINE WIDTH:            1.0000");
  EXPECT_EQ(row(15), "         LETTERING FONT:    D        D=DRAFTING LETTERS");
  EXPECT_EQ(row(20), "         MONO OR COLOR:          M   (SPECIFY M OR C)");
  EXPECT_EQ(row(22), "         LANDSCAPE OR PORTRAIT:  P   (SPECIFY L OR P)");

  EXPECT_THROW(translation_setup_menu(e, e), ui::CloseRequested);
}

}  // namespace
}  // namespace plv
