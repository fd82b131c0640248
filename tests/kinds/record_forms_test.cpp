// Records in their three forms: as the element menus make them, as stored,
// and as written to a file; and converted from one to another.

#include "kinds/kinds_fixture.h"

namespace plv {
namespace {

namespace L = layout;

std::string padded(std::string s) {
  s.resize(kRecordLength, ' ');
  return s;
}

Record stored(std::string_view file_line) {
  const StoredConversion c = to_stored_form(file_line);
  EXPECT_TRUE(c.ok()) << c.problem;
  return c.record;
}

std::string file_line(const Record& r) {
  const FileConversion c = to_file_form(r);
  EXPECT_TRUE(c.ok()) << c.problem;
  return std::string(c.line.trimmed());
}

TEST(RecordConversion, EveryCodeSurvivesFileToStoredToFile) {
  const char* lines[] = {
      "LA  2             1.            10.           -20.",
      "LI   100  -200   300   400 S",
      "LI -1750 -1250  1750  1250 D",
      "AR    10    20    30    40 N N Y N N 0.000",
      "AR     0     0   500   500 N N Y N Y 0.250",
      "BR   -10   -20   100   200",
      "BX     0     0   100   100",
      "LW    10    20   300   400     3",
      "CI     0     0   100     0   100     0",
      "EL    0.10000E+03    0.20000E+03    0.50000E+02    0.25000E+02",
      "CH   100   200 10 M 1 HELLO WORLD",
      "RB  -10.  -20.  100.  200.",
      "RF  -10.  -20.  100.  200.  5",
      "QF    0.    0.  100.    0.  100.  100.    0.  100.",
      "SC MODE BAR",
      "SC BAR   7",
      "SC RGB 10 20 30",
      "CM A COMMENT LINE",
      "DELI   100  -200   300   400 S",
  };
  for (const char* line : lines) EXPECT_EQ(file_line(stored(line)), line) << line;
}

TEST(RecordConversion, StoredLayoutsOfConvertedLines) {
  namespace S = L::stored;
  const Record li = stored("LI   100  -200   300   400 D"), lw = stored("LW    10    20   300   400     3");
  const Record ci = stored("CI     1     2     3     4     5     6"), ch = stored("CH   100   200 10 E 3 ABC");
  const Record rf = stored("RF   1.5  -20.  100.  200. 12");
  EXPECT_EQ(li.trimmed(), "LI0.100000E+03-.200000E+030.300000E+030.400000E+03 D");
  EXPECT_EQ(std::tuple(li.get(S::two_point::kY1), lw.get(S::two_point::kHalfWidth), ci.get(S::circle::kEndY),
                       ch.get(S::string::kSize), ch.get(S::string::kDirection), rf.get(S::box::kX1),
                       rf.get(S::box::kEdgeFlags)),
            std::tuple(-200.0, 3, 6.0, 10, 3, 1.5, 12));
  EXPECT_EQ(std::tuple(li.text(S::two_point::kLineType), ch.text(S::string::kKeyPoint),
                       ch.text(S::string::kText).substr(0, 4), rf.text({51, 3})),
            std::tuple("D", "E", "ABC ", " 12"));
  EXPECT_TRUE(ci.blank_in({75, 48}));
}

TEST(RecordConversion, FileFormRoundsCoordinatesHalvesAwayFromZero) {
  EXPECT_EQ(file_line(line_record({-0.5, 1.49}, {2.5, -1249.5}, ' ')), "LI    -1     1     3 -1250");
  EXPECT_EQ(file_line(box_record_as_is(ElementKind::kRectangularBox, {2.5, 2.5}, {2.5, 2.5})), "RB    3.    3.    3.    3.");
}

TEST(RecordConversion, OldStringsBecomeNewStrings) {
  EXPECT_EQ(stored("ST   100   200 10 M ABC").trimmed(), "CH0.100000E+030.200000E+03 10 M 0 ABC");

  // A long old text keeps its first 30 characters, loses 31 to 48, and its
  // characters from 49 on stay in their columns.
  std::string text;
  for (int i = 1; i <= 60; ++i) text += static_cast<char>('A' + (i - 1) % 26);
  const Record long_ch = stored("ST     0     0 10 S " + text);
  const std::string_view out = long_ch.text(L::stored::string::kText);
  EXPECT_EQ(out.substr(0, 30), text.substr(0, 30));
  EXPECT_EQ(out.substr(30, 16), std::string(16, ' '));
  EXPECT_EQ(out.substr(46, 12), text.substr(48, 12));
}

TEST(RecordConversion, UnknownCodesReadAsBlankAndBlankRecordsAreNotWritten) {
  for (const char* line : {"ZZ 1 2 3", "li   100   200   300   400", "XXLI   100", ""})
    EXPECT_TRUE(stored(line).is_blank()) << line;
  for (const Record& r : {stored("CH   100   200"), Record(padded("XXLI   100")), Record(), Record("ZZ whatever")})
    EXPECT_TRUE(to_file_form(r).line.is_blank()) << r.trimmed();
  // A string whose text is blank but whose size is not still goes out.
  EXPECT_EQ(file_line(stored("CH   100   200 10")), "CH   100   200 10");
  // Long lines are cut at 122 columns.
  const std::string line = "CM" + std::string(130, 'x');
  EXPECT_EQ(stored(line).text(), line.substr(0, kRecordLength));
}

TEST(RecordConversion, UnreadableNumbersAreReportedNotZeroed) {
  for (const char* line : {"LI   1x0   200   300   400", "CI ******     0     0     0     0     0",
                           "CH   1.5   200 10 S A", "RB  abc.    0.    0.    0.", "RF    0.    0.    0.    0. x"}) {
    const StoredConversion c = to_stored_form(line);
    EXPECT_FALSE(c.ok()) << line;
    EXPECT_NE(c.problem.find("columns"), std::string::npos) << c.problem;
  }
  Record bad(padded("LI  garbage"));
  EXPECT_FALSE(to_file_form(bad).ok());
}

TEST(DeletedRecords, MarkRestoreAndRemoveDeletedGraphics) {
  const Record li = stored("LI   100  -200   300   400 S");
  const Record de = mark_deleted(li);
  EXPECT_TRUE(de.has_code("DE"));
  EXPECT_EQ(de.text({3, 120}), li.text({1, 120}));
  EXPECT_EQ(restore_deleted(de), li);

  Record full(std::string(kRecordLength, 'Q'));
  const Record twice = mark_deleted(mark_deleted(full));
  EXPECT_EQ(twice.text({1, 4}), "DEDE");
  const Record back = restore_deleted(restore_deleted(twice));
  EXPECT_EQ(back.text({1, 118}), std::string(118, 'Q'));
  EXPECT_TRUE(back.blank_in({119, 4}));  // each mark loses two columns

  // Removing deleted graphics from a drawing.
  RecordStore store;
  for (const char* line : {"SC BAR   3", "DELI   100", "LI", "", "SC BAR   5", "SC BAR   3", "LI", "SC BAR   3",
                           "DEDESC BAR   3", "SC BAR   3"})
    store.append(Record(line));
  EXPECT_EQ(remove_deleted_graphics(store), 4);
  const char* expected[] = {"SC BAR   3", "XXLI   100", "LI", "", "SC BAR   5", "SC BAR   3", "LI", "XX BAR   3",
                            "XXDESC BAR   3", "XX BAR   3"};
  ASSERT_EQ(store.count(), 10);
  for (long n = 1; n <= 10; ++n) EXPECT_EQ(store.read(n).trimmed(), expected[n - 1]) << n;
}

TEST(LayerRecords, PointOrNoPointInTheScale) {
  const char* plain = "LA  1             1.             0.             0.";
  const Record la(padded(plain));
  EXPECT_EQ(std::tuple(la.get(L::stored::layer::kNumber), la.get(L::stored::layer::kXShift)), std::tuple(1, 0.0));
  for (const auto& [line, scale] : {std::pair{plain, 1.0},
                                    {"LA  1   .1000000E+01   .0000000E+00   .0000000E+00", 1.0},
                                    {"LA  1             1              0.             0.", 1e-7}})
    EXPECT_EQ(Record(padded(line)).get(L::stored::layer::kScale), scale) << line;
}


TEST(ElementRecords, LinesArrowsBracketsAndBoxes) {
  const Record li = line_record({-100, -100}, {100, 100}, 'D');
  EXPECT_EQ(li.trimmed(), "LI-.100000E+03-.100000E+030.100000E+030.100000E+03 D");
  const Record lw = wide_line_record({0, 0}, {10, 0}, 3);
  EXPECT_EQ(columns(lw, 51, 56), "     3");
  EXPECT_EQ(line_values(li)->type, 'D');

  const Record ar = arrow_record({0, 0}, {100, 0}, {'N', 'N', 'Y', 'N', 'N'});
  EXPECT_EQ(columns(ar, 51, 66), " N N Y N N 0.500");
  EXPECT_EQ(arrow_values(ar)->flags, (ArrowFlags{'N', 'N', 'Y', 'N', 'N'}));

  EXPECT_EQ(bracket_record({100, 0}, {0, 0}).trimmed(), "BR0.100000E+030.000000E+000.000000E+000.000000E+00");

  EXPECT_EQ(box_record(ElementKind::kBox, {0, 0}, {100, 50}).code(), "BX");
  EXPECT_EQ(box_record(ElementKind::kRectangularBox, {0, 0}, {100, 50}).trimmed().size(), 50u);
  EXPECT_EQ(columns(box_record(ElementKind::kFilledRectangle, {0, 0}, {100, 50}), 51, 53), "  0");
  // A rectangle without height is a plain line, unless it is reopened.
  const Record flat = box_record(ElementKind::kFilledRectangle, {0, 0}, {100, 0});
  EXPECT_EQ(flat.code(), "LI");
  EXPECT_TRUE(flat.blank_in({51, 72}));
  EXPECT_EQ(box_record_as_is(ElementKind::kRectangularBox, {0, 0}, {100, 0}).code(), "RB");
}

TEST(ElementRecords, CurvesQuadrilateralsStringsAndComments) {
  const Record ci = circle_record({0, 0}, {100, 0}, {0, 100});
  EXPECT_EQ(ci.trimmed().size(), 74u);

  const Record el = ellipse_record({10, 10}, 40, 60);
  EXPECT_EQ(el.trimmed(), "EL     0.10000E+02    0.10000E+02    0.40000E+02    0.60000E+02");

  const Record qf = quad_record({{{12.7, -100}, {100, 100}, {0, 0}, {0, 0}}});
  EXPECT_EQ(columns(qf, 3, 14), "   13. -100.");

  const Record ch = string_record({{1, 2}, 4, 'M', 3, "ABC"});
  EXPECT_EQ(columns(ch, 27, 37), "  4 M 3 ABC");

  EXPECT_EQ(comment_record("A NOTE").trimmed(), "CM A NOTE");
  EXPECT_EQ(comment_record("").trimmed(), "CM");

  // Snapping finds these points, as stored.
  EXPECT_EQ(kinds().kind_of(ci).defining_points(ci).size(), 3u);
  EXPECT_EQ(kinds().kind_of(el).defining_points(el).size(), 1u);
  EXPECT_EQ(kinds().kind_of(qf).defining_points(qf).size(), 4u);
  EXPECT_TRUE(kinds().kind_of(ch).defining_points(ch).empty());
}

}  // namespace
}  // namespace plv
