// Inputs and outputs that once crashed, hung or lost data: each ends with
// its own error, in bounded time and memory.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <regex>
#include <string>

#include "tools/tool_run.h"

namespace plv {
namespace {

using namespace testing;

long lines_drawn(const std::string& primitives) {
  static const std::regex line("(?:^|\n)line ");
  return std::distance(std::sregex_iterator(primitives.begin(), primitives.end(), line), std::sregex_iterator());
}

TEST(PlvtoolBadInput, DrawingEndsWhateverTheLayerScale) {
  TempDir dir;
  // A circle scaled past all numbers draws nothing; a dashed line scaled far
  // beyond the picture draws only the dashes in sight (3500 units of 40),
  // or, where a dash is below what the numbers can place, a solid line.
  const struct {
    const char* scale;
    const char* element;
    long lowest, highest;
  } cases[] = {
      {"        9.E+307", "CI     0     0   100     0   100     0", 0, 0},
      {"        9.E+307", "EL     0.00000E+00    0.00000E+00    0.10000E+03    0.50000E+02", 0, 0},
      {"           1.E9", "LI  -100     0   100     0 D", 85, 92},
      {"          1.E20", "LI  -100     0   100     0 D", 1, 1},
      // Beyond what the kernel's floats hold: nothing there to draw to.
      {"         1.E300", "LI  -100     0   100     0 S", 0, 4},
      {"         1.E300", "RF  -100  -100   100   100  0", 0, 4},
      {"         1.E300", "QF  -100  -100   100  -100   100   100  -100   100", 0, 4},
      {"         1.E300", "CH     1     1 12 S 0 FAR", 0, 40},
  };
  for (const auto& c : cases) {
    write_file(dir.file("big.plv"), kHeader + "LA  1" + c.scale + "             0.             0.\n" + c.element + "\n");
    for (const char* fit : {" --no-fit", ""}) {
      const ToolRun r = run_shell(dir, "timeout 60 " + kTool + " render " + dir.file("big.plv") + " --primitives" + fit);
      EXPECT_EQ(r.status, 0) << c.element << fit << r.err;
      if (*fit) {
        EXPECT_GE(lines_drawn(r.out), c.lowest) << c.element;
        EXPECT_LE(lines_drawn(r.out), c.highest) << c.element;
      }
    }
  }
}

TEST(PlvtoolBadInput, OutputThatCannotBeWrittenIsAFailure) {
  TempDir dir;
  write_file(dir.file("a.plv"), kHeader + "LI     0     0   100   100 S\n");
  for (const std::string command : {" load ", " render --primitives "}) {
    const ToolRun r = run_shell(dir, kTool + command + dir.file("a.plv") + " >/dev/full");
    EXPECT_EQ(r.status, 1) << command;
    EXPECT_NE(r.err.find("cannot write the output: No space left on device"), std::string::npos) << r.err;
  }
}

TEST(PlvtoolBadInput, OnlyRegularFilesAreReadOrReplaced) {
  TempDir dir;
  write_file(dir.file("a.plv"), kHeader + "LI     0     0   100   100 S\n");
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
  for (const std::string& in : {std::string("/dev/zero"), dir.file("fifo")}) {
    const ToolRun r = run_shell(dir, "timeout 20 " + kTool + " load " + in);
    EXPECT_EQ(r.status, 1) << in;
    EXPECT_NE(r.err.find("is not a regular file"), std::string::npos) << r.err;
  }
  const ToolRun onto_fifo = run_shell(dir, "timeout 20 " + kTool + " save " + dir.file("a.plv") + " " + dir.file("fifo"));
  EXPECT_EQ(onto_fifo.status, 1) << onto_fifo.err;
  if (::geteuid() == 0) {
    // Root may make a device node: saving onto it must not replace it.
    ASSERT_EQ(::mknod(dir.file("null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    EXPECT_EQ(plvtool(dir, "save " + dir.file("a.plv") + " " + dir.file("null")).status, 1);
    EXPECT_TRUE(std::filesystem::is_character_file(dir.file("null")));
  }
}

TEST(PlvtoolBadInput, AFailedPictureLeavesTheOldOneAndNoSharedSettingsAreRead) {
  TempDir dir;
  write_file(dir.file("a.plv"), kHeader + "LI     0     0   100   100 S\n");
  // Too large for the file size limit (as a full disc would be): the old
  // picture stays whole, and the error names the file and the reason.
  write_file(dir.file("b.plv"), kHeader + "LI  -100     0   100     0 D\nCI     0     0   300     0   300     0\n" +
                                    "CH     0  -200 12 S 0 A LINE OF LETTERS TO FILL MORE THAN A KILOBYTE\n");
  for (const std::string& out : {dir.file("a.png"), dir.file("a.pdf")}) {
    ASSERT_EQ(plvtool(dir, "render " + dir.file("a.plv") + " -o " + out).status, 0);
    const std::string old = read_file(out);
    ASSERT_GT(old.size(), out.ends_with(".png") ? 1024u : 0u);
    const ToolRun limited = run_shell(dir, "ulimit -f 1; " + kTool + " render " + dir.file("b.plv") + " -o " + out);
    EXPECT_EQ(limited.status, 1);
    EXPECT_NE(limited.err.find(out + ": cannot write: File too large"), std::string::npos) << limited.err;
    EXPECT_EQ(read_file(out), old);
  }

  // Settings left in the temporary folder or the configuration change nothing.
  write_file(dir.file("plvtool-render-no-settings.ini"), "[Window]\nBlackBG=1\nColorWindow=0\n");
  write_file(dir.file("orvlab.ini"), "[Window]\nBlackBG=1\nColorWindow=0\n");
  const std::string env = "TMPDIR=" + dir.path().string() + " PLIVET_HOST_SETTINGS=" + dir.file("orvlab.ini") + " ";
  ASSERT_EQ(run_shell(dir, env + kTool + " render " + dir.file("a.plv") + " -o " + dir.file("c.png")).status, 0);
  EXPECT_EQ(read_file(dir.file("c.png")), read_file(dir.file("a.png")));
}

TEST(PlvtoolBadInput, RunningOutOfMemoryIsAnError) {
  if (PLIVET_SANITIZED) GTEST_SKIP() << "the sanitizers cannot run under an address-space limit";
  TempDir dir;
  // Every line, blank ones too, is a record: 20 million of them are more
  // than the limit holds.
  write_file(dir.file("blank.plv"), kHeader + std::string(20'000'000, '\n'));
  const ToolRun r = run_shell(dir, "prlimit --as=250000000 " + kTool + " load " + dir.file("blank.plv"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("not enough memory"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace plv
