#include <gtest/gtest.h>

#include <vector>

#include "ui/field_display.h"
#include "ui/field_navigation.h"
#include "ui/field_parse.h"

namespace plv::ui {
namespace {

TEST(FieldDisplay, EachKindShowsItsForm) {
  EXPECT_EQ(integer_display(12345, 3), "345");
  EXPECT_EQ(integer_display(-5, 4), "  -5");
  EXPECT_EQ(integer_display(-32768, 20), "              -32768");

  EXPECT_EQ(fixed_display(1000, 7, 0), "  1000.");
  EXPECT_EQ(fixed_display(0, 7, 0), "     0.");
  EXPECT_EQ(fixed_display(2.675f, 6, 2), "  2.68");  // rounded as typed, not as stored
  EXPECT_EQ(fixed_display(0.5f, 3, 2), ".50");
  EXPECT_EQ(fixed_display(123456789, 5, 1), "*****");

  EXPECT_EQ(exponent_display(1500, 10, 2, false), "    1.50E3");
  EXPECT_EQ(exponent_display(1500, 10, 2, true), "    1.50E3");
  EXPECT_EQ(exponent_display(15000, 10, 2, false), "    1.50E4");
  EXPECT_EQ(exponent_display(15000, 10, 2, true), "   15.00E3");
  EXPECT_EQ(exponent_display(0.5f, 10, 2, true), " 500.00E-3");
  EXPECT_EQ(exponent_display(0.5f, 10, 2, false), "   5.00E-1");
  EXPECT_EQ(exponent_display(0, 8, 2, true), "  0.00E0");
  EXPECT_EQ(exponent_display(-0.00123f, 10, 3, false), " -1.230E-3");
  EXPECT_EQ(exponent_display(-1500, 7, 1, true), " -1.5E3");
  // The last characters of 20 show in a narrow field.
  EXPECT_EQ(exponent_display(1500, 4, 2, false), "50E3");

  EXPECT_EQ(general_display(123.456f, 12, 4), "       123.5");
  EXPECT_EQ(general_display(0.25f, 10, 3), "     0.250");
  EXPECT_EQ(general_display(0.05f, 12, 3), "   0.500E-01");
  EXPECT_EQ(general_display(12345, 12, 4), "  0.1235E+05");
  EXPECT_EQ(general_display(9999.7f, 12, 4), "  0.1000E+05");  // judged as it rounds

  Field text{.width = 6, .type = FieldType::text(), .text = "AB"};
  EXPECT_EQ(display_text(text), "AB    ");
  text.text = "ABCDEFGH";
  EXPECT_EQ(display_text(text), "ABCDEF");
  EXPECT_EQ(display_text(Field{.width = 9, .type = FieldType::fixed(3), .real = 1}), "    1.000");
  EXPECT_EQ(display_text(Field{.width = 3, .type = FieldType::integer(), .integer = 12345}), "345");
}

TEST(FieldParse, IntegerEntries) {
  EXPECT_EQ(parse_integer_entry("  42 "), 42);
  EXPECT_EQ(parse_integer_entry("   "), 0);
  EXPECT_EQ(parse_integer_entry("-32768"), -32768);
  EXPECT_EQ(parse_integer_entry("32767"), 32767);
  EXPECT_EQ(parse_integer_entry("007"), 7);
  EXPECT_FALSE(parse_integer_entry("32768"));
  EXPECT_FALSE(parse_integer_entry("-32769"));
  EXPECT_FALSE(parse_integer_entry("99999999999999999999"));
  EXPECT_FALSE(parse_integer_entry("1 2"));
  EXPECT_FALSE(parse_integer_entry("+5"));
  EXPECT_FALSE(parse_integer_entry("-"));
  EXPECT_FALSE(parse_integer_entry("12a"));
  EXPECT_FALSE(parse_integer_entry("1.0"));
}

TEST(FieldParse, RealEntries) {
  EXPECT_EQ(parse_real_entry("2.5K"), 2500.0f);
  EXPECT_EQ(parse_real_entry("1K"), 1000.0f);
  EXPECT_EQ(parse_real_entry("1.5M"), 1.5e6f);
  EXPECT_EQ(parse_real_entry("2G"), 2e9f);
  EXPECT_EQ(parse_real_entry("1e-3"), 0.001f);
  EXPECT_EQ(parse_real_entry("1E+2"), 100.0f);
  EXPECT_EQ(parse_real_entry("  -7 "), -7.0f);
  EXPECT_EQ(parse_real_entry("       "), 0.0f);
  // What narrow fixed fields show reads back.
  EXPECT_EQ(parse_real_entry("1000."), 1000.0f);
  EXPECT_EQ(parse_real_entry(".5"), 0.5f);
  EXPECT_EQ(parse_real_entry("-.5"), -0.5f);
  EXPECT_EQ(parse_real_entry("15.00E3"), 15000.0f);

  EXPECT_FALSE(parse_real_entry("+5"));
  EXPECT_FALSE(parse_real_entry("1 2"));
  EXPECT_FALSE(parse_real_entry("1k"));  // capitals only
  EXPECT_FALSE(parse_real_entry("1E3K"));
  EXPECT_FALSE(parse_real_entry("1E"));
  EXPECT_FALSE(parse_real_entry("E3"));
  EXPECT_FALSE(parse_real_entry("."));
  EXPECT_FALSE(parse_real_entry("1.2.3"));
  EXPECT_FALSE(parse_real_entry("--1"));
  EXPECT_FALSE(parse_real_entry("1+2"));
  EXPECT_FALSE(parse_real_entry("1e400"));  // no float holds it
}

TEST(FieldParse, TakingAnEntryShowsTheValueInTheKindsForm) {
  Field f{.width = 7, .type = FieldType::fixed(0), .real = 5};
  EXPECT_TRUE(take_entry(f, "     1K"));
  EXPECT_EQ(f.real, 1000.0f);
  EXPECT_EQ(f.text, "  1000.");
  EXPECT_FALSE(take_entry(f, "1 2    "));
  EXPECT_EQ(f.real, 1000.0f);
  EXPECT_EQ(f.text, "  1000.");

  Field p{.width = 10, .type = FieldType::engineering(2)};
  EXPECT_TRUE(take_entry(p, "0.5"));
  EXPECT_EQ(p.text, " 500.00E-3");
  Field i{.width = 3, .type = FieldType::integer(), .integer = 9};
  EXPECT_TRUE(take_entry(i, "   "));
  EXPECT_EQ(i.integer, 0);
  EXPECT_EQ(i.text, "  0");
  EXPECT_FALSE(take_entry(i, "40000"));
  EXPECT_EQ(i.integer, 0);
  Field t{.width = 4, .type = FieldType::text(), .text = "OLD "};
  EXPECT_TRUE(take_entry(t, "1 2"));
  EXPECT_EQ(t.text, "1 2 ");
}

Field at(int row, int column, bool is_protected = false) {
  return {.row = row, .column = column, .width = 5, .is_protected = is_protected};
}

TEST(FieldNavigation, KeysMoveInReadingOrderAndWrap) {
  // 1: (7, 38)  2: (9, 10)  3: (9, 40)  4: (11, 38) protected  5: (13, 20)  6: (13, 50)
  const std::vector<Field> f = {at(7, 38), at(9, 10), at(9, 40), at(11, 38, true), at(13, 20), at(13, 50)};
  using K = FieldKey;
  EXPECT_EQ(move_to_field(K::kDown, 1, f), 3);   // the nearest column on row 9
  EXPECT_EQ(move_to_field(K::kDown, 2, f), 5);   // protected row 11 passed over, column 20 nearer 10
  EXPECT_EQ(move_to_field(K::kDown, 3, f), 6);
  EXPECT_EQ(move_to_field(K::kDown, 6, f), 1);   // wraps to the top
  EXPECT_EQ(move_to_field(K::kUp, 3, f), 1);
  EXPECT_EQ(move_to_field(K::kUp, 1, f), 6);     // wraps to the last field, nearest column 38
  EXPECT_EQ(move_to_field(K::kUp, 5, f), 2);
  EXPECT_EQ(move_to_field(K::kTab, 1, f), 2);
  EXPECT_EQ(move_to_field(K::kTab, 3, f), 5);
  EXPECT_EQ(move_to_field(K::kTab, 6, f), 1);    // wraps to the first
  EXPECT_EQ(move_to_field(K::kRight, 2, f), 3);
  EXPECT_EQ(move_to_field(K::kLeft, 3, f), 2);
  EXPECT_EQ(move_to_field(K::kLeft, 1, f), 6);
  EXPECT_EQ(move_to_field(K::press_on(4), 1, f), 4);  // a press reaches protected fields too
  EXPECT_EQ(move_to_field(K::kPressOutside, 2, f), 2);
  EXPECT_EQ(move_to_field(K::press_on(7), 2, f), 2);
  EXPECT_EQ(move_to_field(K::kEnter, 3, f), 3);
  EXPECT_EQ(move_to_field(K::kTab, 0, f), 1);    // no current field: from the screen's start

  // Equal distance: the lower field number wins.
  const std::vector<Field> tie = {at(5, 30), at(7, 20), at(7, 40)};
  EXPECT_EQ(move_to_field(K::kDown, 1, tie), 2);
  // A single row: Down wraps onto the same row.
  const std::vector<Field> one_row = {at(5, 10), at(5, 30)};
  EXPECT_EQ(move_to_field(K::kDown, 2, one_row), 2);
  EXPECT_EQ(move_to_field(K::kDown, 1, one_row), 1);
  const std::vector<Field> none = {at(5, 10, true)};
  EXPECT_EQ(move_to_field(K::kTab, 1, none), 1);
}

}  // namespace
}  // namespace plv::ui
