#include "text/field_format.h"

#include <gtest/gtest.h>

namespace plv::fmt {
namespace {

TEST(FieldWriting, IntegersRightJustifiedWithStarsOnOverflow) {
  EXPECT_EQ(int_text(6, 250), "   250");
  EXPECT_EQ(int_text(6, -1750), " -1750");
  EXPECT_EQ(int_text(3, 0), "  0");
  EXPECT_EQ(int_text(6, -99999), "-99999");
  EXPECT_EQ(int_text(6, -100000), "******");
  EXPECT_EQ(int_text(2, 100), "**");
  EXPECT_EQ(int_text(1, -1), "*");
  EXPECT_EQ(int_text(20, -9223372036854775807LL - 1), "-9223372036854775808");
}

TEST(FieldWriting, RealsRoundToIntegerHalvesAwayFromZero) {
  auto rounded = [](double v) {
    std::string s(6, ' ');
    write_rounded_int(s.data(), 6, v);
    return s;
  };
  EXPECT_EQ(rounded(-0.5), "    -1");
  EXPECT_EQ(rounded(2.5), "     3");
  EXPECT_EQ(rounded(2.4999), "     2");
  EXPECT_EQ(rounded(-0.4), "     0");
  EXPECT_EQ(rounded(0.49999999999999994), "     0");
  EXPECT_EQ(rounded(1e30), "******");
  EXPECT_EQ(rounded(999999.5), "******");
}

TEST(FieldWriting, ExponentFormKeepsALeadingZeroOnlyWhereThereIsRoom) {
  EXPECT_EQ(exp_text(12, 6, -123.456), "-.123456E+03");
  EXPECT_EQ(exp_text(12, 6, 123.456), "0.123456E+03");
  EXPECT_EQ(exp_text(12, 6, 0.0), "0.000000E+00");
  EXPECT_EQ(exp_text(12, 6, -0.0), "0.000000E+00");
  EXPECT_EQ(exp_text(12, 6, 1.0), "0.100000E+01");
  EXPECT_EQ(exp_text(12, 6, -1750.0), "-.175000E+04");
  EXPECT_EQ(exp_text(15, 7, 1.0), "  0.1000000E+01");
  EXPECT_EQ(exp_text(15, 7, 0.0), "  0.0000000E+00");
  EXPECT_EQ(exp_text(15, 5, 0.001), "    0.10000E-02");
  EXPECT_EQ(exp_text(11, 6, 5.0), ".500000E+01");  // no room for the zero
  EXPECT_EQ(exp_text(10, 6, 5.0), "**********");
}

TEST(FieldWriting, ExponentFormRoundsItsMantissaAndCarries) {
  EXPECT_EQ(exp_text(12, 6, 1234567.0), "0.123457E+07");
  EXPECT_EQ(exp_text(12, 6, 1234565.0), "0.123457E+07");  // a half goes away from zero
  EXPECT_EQ(exp_text(12, 6, -1234565.0), "-.123457E+07");
  EXPECT_EQ(exp_text(12, 6, 9999995.0), "0.100000E+08");
  EXPECT_EQ(exp_text(12, 6, 0.5), "0.500000E+00");
  EXPECT_EQ(exp_text(12, 6, 1e-5), "0.100000E-04");
}

TEST(FieldWriting, ExponentsBeyondTwoDigitsDropTheLetter) {
  EXPECT_EQ(exp_text(12, 6, 1.5e120), "0.150000+121");
  EXPECT_EQ(exp_text(12, 6, -2.5e-150), "-.250000-149");
  EXPECT_EQ(exp_text(12, 6, 1e300), "0.100000+301");
}

TEST(FieldWriting, FixedFormRoundsHalvesAwayFromZero) {
  EXPECT_EQ(fixed_text(6, 0, 250), "  250.");
  EXPECT_EQ(fixed_text(10, 3, 1), "     1.000");
  EXPECT_EQ(fixed_text(6, 0, 2.5), "    3.");
  EXPECT_EQ(fixed_text(6, 0, -123.5), " -124.");
  EXPECT_EQ(fixed_text(6, 0, 0.3), "    0.");
  EXPECT_EQ(fixed_text(6, 0, -0.3), "    0.");  // no sign on a value that rounds to zero
  EXPECT_EQ(fixed_text(4, 1, 0.15), " 0.2");
  EXPECT_EQ(fixed_text(10, 2, 17.36), "     17.36");
  EXPECT_EQ(fixed_text(5, 3, 0.5), "0.500");
  EXPECT_EQ(fixed_text(4, 3, 0.5), ".500");  // the zero goes when there is no room
  EXPECT_EQ(fixed_text(10, 3, 0.0005), "     0.001");
  EXPECT_EQ(fixed_text(10, 3, 99.9996), "   100.000");
  EXPECT_EQ(fixed_text(6, 0, -12345.6), "******");
  EXPECT_EQ(fixed_text(6, 0, 99999.4), "99999.");
  EXPECT_EQ(fixed_text(6, 0, 1e40), "******");
}

TEST(FieldReading, IntegersIgnoreBlanksAndRefuseOtherCharacters) {
  EXPECT_EQ(read_int("   250"), 250);
  EXPECT_EQ(read_int(" - 1 7"), -17);
  EXPECT_EQ(read_int("+12"), 12);
  EXPECT_EQ(read_int("      "), 0);
  EXPECT_EQ(read_int(""), 0);
  EXPECT_EQ(read_int("1 2"), 12);
  EXPECT_FALSE(read_int("1.5"));
  EXPECT_FALSE(read_int("12-"));
  EXPECT_FALSE(read_int("  -  "));
  EXPECT_FALSE(read_int("******"));
  EXPECT_FALSE(read_int("12a"));
  EXPECT_FALSE(read_int("99999999999999999999"));
}

TEST(FieldReading, RealsWithAndWithoutPointOrExponent) {
  EXPECT_DOUBLE_EQ(*read_real("-.123456E+03", 6), -123.456);
  EXPECT_DOUBLE_EQ(*read_real("0.123456E+03", 6), 123.456);
  EXPECT_DOUBLE_EQ(*read_real("             1.", 7), 1.0);
  EXPECT_DOUBLE_EQ(*read_real("             1", 7), 1e-7);  // no point: divided by 10^7
  EXPECT_DOUBLE_EQ(*read_real("  250", 0), 250.0);
  EXPECT_DOUBLE_EQ(*read_real("  1234", 3), 1.234);
  EXPECT_DOUBLE_EQ(*read_real("12E2", 1), 120.0);  // the implied point applies before the exponent
  EXPECT_DOUBLE_EQ(*read_real("1.5e2", 3), 150.0);
  EXPECT_DOUBLE_EQ(*read_real("1.5D-2", 3), 0.015);
  EXPECT_DOUBLE_EQ(*read_real("1.5+2", 3), 150.0);
  EXPECT_DOUBLE_EQ(*read_real(" 1 . 5 E + 0 1", 3), 15.0);
  EXPECT_DOUBLE_EQ(*read_real("         ", 3), 0.0);
  EXPECT_DOUBLE_EQ(*read_real("-0.", 0), 0.0);
  EXPECT_DOUBLE_EQ(*read_real(".5", 0), 0.5);
  EXPECT_DOUBLE_EQ(*read_real("0.1E-300", 0), 1e-301);
  EXPECT_DOUBLE_EQ(*read_real("123456789012345678901234.", 0), 123456789012345678901234.0);
}

TEST(FieldReading, UnreadableRealsGiveNothing) {
  for (const char* bad : {"1.2.3", "abc", "1.5E", "E5", ".", "-", "1.5E+", "1,5", "******", "1E999", "1.0x"})
    EXPECT_FALSE(read_real(bad, 3)) << bad;
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
