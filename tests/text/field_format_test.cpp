#include "text/field_format.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <tuple>

namespace plv::fmt {
namespace {

struct Written {
  int width, decimals;
  double value;
  const char* text;
};

TEST(FieldWriting, IntegersRightJustifiedWithStarsOnOverflow) {
  const std::tuple<int, long long, const char*> cases[] = {
      {6, 250, "   250"}, {6, -1750, " -1750"},  {3, 0, "  0"}, {6, -99999, "-99999"},
      {2, 100, "**"},     {6, -100000, "******"}, {1, -1, "*"}, {20, LLONG_MIN, "-9223372036854775808"}};
  for (const auto& [width, value, text] : cases) EXPECT_EQ(int_text(width, value), text) << value;
}

TEST(FieldWriting, RealsRoundToIntegerHalvesAwayFromZero) {
  const std::pair<double, const char*> cases[] = {{-0.5, "    -1"}, {2.5, "     3"}, {2.4999, "     2"},
                                                  {-0.4, "     0"}, {0.49999999999999994, "     0"},
                                                  {1e30, "******"}, {999999.5, "******"}};
  for (const auto& [value, text] : cases) {
    std::string s(6, ' ');
    write_rounded_int(s.data(), 6, value);
    EXPECT_EQ(s, text) << value;
  }
}

TEST(FieldWriting, ExponentForm) {
  const Written cases[] = {
      // A leading zero only where there is room.
      {12, 6, -123.456, "-.123456E+03"}, {12, 6, 123.456, "0.123456E+03"}, {12, 6, 0.0, "0.000000E+00"},
      {12, 6, -0.0, "0.000000E+00"}, {12, 6, 1.0, "0.100000E+01"}, {12, 6, -1750.0, "-.175000E+04"},
      {15, 7, 1.0, "  0.1000000E+01"}, {15, 7, 0.0, "  0.0000000E+00"}, {15, 5, 0.001, "    0.10000E-02"},
      {11, 6, 5.0, ".500000E+01"}, {10, 6, 5.0, "**********"},
      // The mantissa rounded, a half away from zero, and carried.
      {12, 6, 1234567.0, "0.123457E+07"}, {12, 6, 1234565.0, "0.123457E+07"}, {12, 6, -1234565.0, "-.123457E+07"},
      {12, 6, 9999995.0, "0.100000E+08"}, {12, 6, 0.5, "0.500000E+00"}, {12, 6, 1e-5, "0.100000E-04"},
      // Exponents beyond two digits drop the letter.
      {12, 6, 1.5e120, "0.150000+121"}, {12, 6, -2.5e-150, "-.250000-149"}, {12, 6, 1e300, "0.100000+301"}};
  for (const auto& c : cases) EXPECT_EQ(exp_text(c.width, c.decimals, c.value), c.text) << c.value;
}

TEST(FieldWriting, FixedFormRoundsHalvesAwayFromZero) {
  const Written cases[] = {
      {6, 0, 250, "  250."}, {10, 3, 1, "     1.000"}, {6, 0, 2.5, "    3."}, {6, 0, -123.5, " -124."},
      {6, 0, 0.3, "    0."}, {6, 0, -0.3, "    0."},  // no sign on a value that rounds to zero
      {4, 1, 0.15, " 0.2"}, {10, 2, 17.36, "     17.36"}, {5, 3, 0.5, "0.500"},
      {4, 3, 0.5, ".500"},  // the zero goes when there is no room
      {10, 3, 0.0005, "     0.001"}, {10, 3, 99.9996, "   100.000"}, {6, 0, -12345.6, "******"},
      {6, 0, 99999.4, "99999."}, {6, 0, 1e40, "******"}};
  for (const auto& c : cases) EXPECT_EQ(fixed_text(c.width, c.decimals, c.value), c.text) << c.value;
}

TEST(FieldReading, IntegersIgnoreBlanksAndRefuseOtherCharacters) {
  const std::pair<const char*, long long> read[] = {{"   250", 250}, {" - 1 7", -17}, {"+12", 12},
                                                    {"      ", 0},    {"", 0},          {"1 2", 12}};
  for (const auto& [text, value] : read) EXPECT_EQ(read_int(text), value) << text;
  for (const char* bad : {"1.5", "12-", "  -  ", "******", "12a", "99999999999999999999"})
    EXPECT_FALSE(read_int(bad)) << bad;
}

TEST(FieldReading, RealsWithAndWithoutPointOrExponent) {
  const std::tuple<const char*, int, double> cases[] = {{"-.123456E+03", 6, -123.456}, {"0.123456E+03", 6, 123.456}, {"             1.", 7, 1.0},
               {"             1", 7, 1e-7},  // no point: divided by 10^7
               {"  250", 0, 250.0}, {"  1234", 3, 1.234},
               {"12E2", 1, 120.0},  // the implied point applies before the exponent
               {"1.5e2", 3, 150.0}, {"1.5D-2", 3, 0.015}, {"1.5+2", 3, 150.0}, {" 1 . 5 E + 0 1", 3, 15.0},
               {"         ", 3, 0.0}, {"-0.", 0, 0.0}, {".5", 0, 0.5}, {"0.1E-300", 0, 1e-301},
               {"123456789012345678901234.", 0, 123456789012345678901234.0}};
  for (const auto& [text, decimals, value] : cases) {
    ASSERT_TRUE(read_real(text, decimals)) << text;
    EXPECT_DOUBLE_EQ(*read_real(text, decimals), value) << text;
  }
  for (const char* bad : {"1.2.3", "abc", "1.5E", "E5", ".", "-", "1.5E+", "1,5", "******", "1E999", "1.0x"})
    EXPECT_FALSE(read_real(bad, 3)) << bad;
}

// A field read as it stands and with a blank put inside its number, which
// blanks do not change, must give the same bits: the two readings take
// different roads there.
TEST(FieldReading, ABlankInsideTheNumberChangesNothing) {
  std::mt19937 random(7);
  const std::string pieces[] = {"", "-", "+", "0", "00", "7", "12", "906", "1234567", "99999999999999999999", ".",
                                ".5", "25.", "E", "e", "D", "d", "+", "-", "3", "03", "22", "0023", "400", "x", "  "};
  std::uniform_int_distribution<size_t> piece(0, std::size(pieces) - 1), count(1, 6);
  std::uniform_int_distribution<int> decimals(0, 8);
  for (int n = 0; n < 200000; ++n) {
    std::string number;
    for (size_t k = count(random); k > 0; --k) number += pieces[piece(random)];
    if (number.size() < 2) continue;
    const size_t at = std::uniform_int_distribution<size_t>(1, number.size() - 1)(random);
    const std::string field = "  " + number + " ", blanked = "  " + number.substr(0, at) + ' ' + number.substr(at) + " ";
    const int d = decimals(random);
    const auto plain = read_real(field, d), general = read_real(blanked, d);
    ASSERT_EQ(plain.has_value(), general.has_value()) << '"' << field << "\" " << d;
    if (plain) {
      ASSERT_EQ(std::bit_cast<std::uint64_t>(*plain), std::bit_cast<std::uint64_t>(*general)) << field << ' ' << d;
    }
  }
}

TEST(FieldRoundTrip, WrittenValuesReadBack) {
  for (double v : {0.0, 1.0, -1.0, 123.456, -1750.0, 1249.5, 0.000123456, 98765.4, -3.0e-7}) {
    EXPECT_DOUBLE_EQ(*read_real(exp_text(12, 6, v), 6), std::stod(exp_text(12, 6, v))) << v;
    EXPECT_NEAR(*read_real(exp_text(15, 7, v), 7), v, std::abs(v) * 1e-7) << v;
  }
  EXPECT_EQ(*read_int(int_text(6, -32768)), -32768);
}

}  // namespace
}  // namespace plv::fmt
