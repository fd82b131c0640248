#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "ui/field_display.h"
#include "ui/field_navigation.h"
#include "ui/field_parse.h"

namespace plv::ui {
namespace {

TEST(FieldDisplay, EachKindShowsItsForm) {
  const std::tuple<int, int, const char*> integers[] = {{12345, 3, "345"}, {-5, 4, "  -5"},
                                                        {-32768, 20, "              -32768"}};
  for (const auto& [value, width, text] : integers) EXPECT_EQ(integer_display(value, width), text) << value;
  const std::tuple<float, int, int, const char*> fixed[] = {
      {1000, 7, 0, "  1000."}, {0, 7, 0, "     0."}, {0.5f, 3, 2, ".50"}, {123456789, 5, 1, "*****"},
      {2.675f, 6, 2, "  2.68"}};  // rounded as typed, not as stored
  for (const auto& [value, width, decimals, text] : fixed) EXPECT_EQ(fixed_display(value, width, decimals), text) << value;
  const std::tuple<float, int, int, bool, const char*> exponents[] = {
      {1500, 10, 2, false, "    1.50E3"}, {1500, 10, 2, true, "    1.50E3"}, {15000, 10, 2, false, "    1.50E4"},
      {15000, 10, 2, true, "   15.00E3"}, {0.5f, 10, 2, true, " 500.00E-3"}, {0.5f, 10, 2, false, "   5.00E-1"},
      {0, 8, 2, true, "  0.00E0"}, {-0.00123f, 10, 3, false, " -1.230E-3"}, {-1500, 7, 1, true, " -1.5E3"},
      {1500, 4, 2, false, "50E3"}};  // the last characters of 20 show in a narrow field
  for (const auto& [value, width, decimals, engineering, text] : exponents)
    EXPECT_EQ(exponent_display(value, width, decimals, engineering), text) << value;
  const std::tuple<float, int, int, const char*> general[] = {
      {123.456f, 12, 4, "       123.5"}, {0.25f, 10, 3, "     0.250"}, {0.05f, 12, 3, "   0.500E-01"},
      {12345, 12, 4, "  0.1235E+05"}, {9999.7f, 12, 4, "  0.1000E+05"}};  // judged as it rounds
  for (const auto& [value, width, decimals, text] : general) EXPECT_EQ(general_display(value, width, decimals), text) << value;

  // Padding and the other kinds are seen on the form; the cut is not.
  EXPECT_EQ(display_text(Field{.width = 6, .type = FieldType::text(), .text = "ABCDEFGH"}), "ABCDEF");
}

TEST(FieldParse, EntriesReadAndTakenShowTheValueInTheKindsForm) {
  const std::pair<const char*, int> integers[] = {{"  42 ", 42}, {"   ", 0}, {"-32768", -32768}, {"32767", 32767},
                                                  {"007", 7}};
  for (const auto& [entry, value] : integers) EXPECT_EQ(parse_integer_entry(entry), value) << entry;
  for (const char* entry : {"32768", "-32769", "99999999999999999999", "1 2", "+5", "-", "12a", "1.0"})
    EXPECT_FALSE(parse_integer_entry(entry)) << entry;

  const std::pair<const char*, float> reals[] = {
      {"2.5K", 2500.0f}, {"1K", 1000.0f}, {"1.5M", 1.5e6f}, {"2G", 2e9f}, {"1e-3", 0.001f}, {"1E+2", 100.0f},
      {"  -7 ", -7.0f}, {"       ", 0.0f},
      // What narrow fixed fields show reads back.
      {"1000.", 1000.0f}, {".5", 0.5f}, {"-.5", -0.5f}, {"15.00E3", 15000.0f}};
  for (const auto& [entry, value] : reals) EXPECT_EQ(parse_real_entry(entry), value) << entry;
  // Suffixes in capitals only; no float holds 1e400.
  for (const char* entry : {"+5", "1 2", "1k", "1E3K", "1E", "E3", ".", "1.2.3", "--1", "1+2", "1e400"})
    EXPECT_FALSE(parse_real_entry(entry)) << entry;

  // Taking an entry shows the value in its kind's form; a refused one changes nothing.
  Field f{.width = 7, .type = FieldType::fixed(0), .real = 5}, p{.width = 10, .type = FieldType::engineering(2)},
      i{.width = 3, .type = FieldType::integer(), .integer = 9}, t{.width = 4, .type = FieldType::text(), .text = "OLD "};
  const std::tuple<Field*, const char*, bool, const char*> entries[] = {
      {&f, "     1K", true, "  1000."}, {&f, "1 2    ", false, "  1000."}, {&p, "0.5", true, " 500.00E-3"},
      {&i, "   ", true, "  0"},         {&i, "40000", false, "  0"},      {&t, "1 2", true, "1 2 "}};
  for (const auto& [field, entry, taken, text] : entries) {
    EXPECT_EQ(take_entry(*field, entry), taken) << entry;
    EXPECT_EQ(field->text, text) << entry;
  }
  EXPECT_EQ(f.real, 1000.0f);
  EXPECT_EQ(i.integer, 0);
}

Field at(int row, int column, bool is_protected = false) {
  return {.row = row, .column = column, .width = 5, .is_protected = is_protected};
}

TEST(FieldNavigation, KeysMoveInReadingOrderAndWrap) {
  // 1: (7, 38)  2: (9, 10)  3: (9, 40)  4: (11, 38) protected  5: (13, 20)  6: (13, 50)
  const std::vector<Field> f = {at(7, 38), at(9, 10), at(9, 40), at(11, 38, true), at(13, 20), at(13, 50)};
  using K = FieldKey;
  const std::tuple<FieldKey, int, int> moves[] = {
      {K::kDown, 1, 3},  // the nearest column on row 9
      {K::kDown, 2, 5},  // protected row 11 passed over, column 20 nearer 10
      {K::kDown, 3, 6}, {K::kDown, 6, 1},  // wraps to the top
      {K::kUp, 3, 1}, {K::kUp, 1, 6},      // wraps to the last field, nearest column 38
      {K::kUp, 5, 2}, {K::kTab, 1, 2}, {K::kTab, 3, 5}, {K::kTab, 6, 1}, {K::kRight, 2, 3}, {K::kLeft, 3, 2},
      {K::kLeft, 1, 6}, {K::press_on(4), 1, 4},  // a press reaches protected fields too
      {K::kPressOutside, 2, 2}, {K::press_on(7), 2, 2}, {K::kEnter, 3, 3},
      {K::kTab, 0, 1}};  // no current field: from the screen's start
  for (const auto& [key, from, to] : moves) EXPECT_EQ(move_to_field(key, from, f), to) << from;

  // Equal distance: the lower field number wins; on a single row Down wraps onto the same row.
  const std::tuple<std::vector<Field>, FieldKey, int, int> others[] = {
      {{at(5, 30), at(7, 20), at(7, 40)}, K::kDown, 1, 2}, {{at(5, 10), at(5, 30)}, K::kDown, 2, 2},
      {{at(5, 10), at(5, 30)}, K::kDown, 1, 1}, {{at(5, 10, true)}, K::kTab, 1, 1}};
  for (const auto& [fields, key, from, to] : others) EXPECT_EQ(move_to_field(key, from, fields), to) << from;
}

}  // namespace
}  // namespace plv::ui
