// plvtool's commands on drawings, and both programs' command lines. This
// file runs first in test_tools: in a coverage build, a program stopped by a
// memory limit leaves counters that later programs complain of on stderr.

#include <gtest/gtest.h>

#include <string>

#include "tools/tool_run.h"

namespace plv {
namespace {

using namespace testing;

TEST(Plvtool, SaveIsAFixedPointAndPurgeDropsDeletedGraphics) {
  TempDir dir;
  const std::string a = dir.file("a.plv"), b = dir.file("b.plv");
  ASSERT_EQ(plvtool(dir, "save " + kExample + " " + a + " --date ' 8-DEC-26'").status, 0);
  const std::string first = read_file(a);
  EXPECT_EQ(first.substr(0, 80), a + std::string(80 - a.size(), ' '));
  EXPECT_NE(first.find("\nDATE:  8-DEC-26\n"), std::string::npos);
  EXPECT_NE(first.find("\nCH   200  -850 12 E 0 OLD STYLE LABEL\n"), std::string::npos);

  ASSERT_EQ(plvtool(dir, "save " + a + " " + a + " --date ' 8-DEC-26'").status, 0);
  EXPECT_EQ(read_file(a), first);

  ASSERT_EQ(plvtool(dir, "purge " + a + " " + b + " --date ' 8-DEC-26'").status, 0);
  const std::string purged = read_file(b);
  EXPECT_NE(first.find("\nDELI"), std::string::npos);
  EXPECT_EQ(purged.find("\nDELI"), std::string::npos);
}

TEST(Plvtool, LoadPrintsStoredRecordsAndTheSetupLine) {
  TempDir dir;
  const std::string in = dir.file("in.plv");
  write_file(in, "x\nGLIMPT PR      10.00      2.000 H C L\nDATE:  1-MAR- 5\nLI     1     2     3     4 S\n\nCM\n");
  const ToolRun run = plvtool(dir, "load " + in);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "LI0.100000E+010.200000E+010.300000E+010.400000E+01 S\n\nCM\n"
            "SETUP:GLIMPT PR      10.00      2.000 H C L   \n");

  write_file(in, "");
  EXPECT_EQ(plvtool(dir, "load " + in).out, "SETUP:GLIMPT EP      17.36      1.000 D M P   \n");
}

TEST(Plvtool, ErrorsNameTheFileAndLine) {
  TempDir dir;
  const ToolRun missing = plvtool(dir, "load " + dir.file("absent.plv"));
  EXPECT_NE(missing.status, 0);
  EXPECT_NE(missing.err.find("absent.plv"), std::string::npos) << missing.err;

  const std::string in = dir.file("bad.plv");
  write_file(in, "x\nGLIMPT\nDATE:\nCM ONE\nLI    1x     2     3     4\nCM TWO\n");
  // A line that cannot be read is told, and kept: nothing is lost.
  const ToolRun bad = plvtool(dir, "save " + in + " " + dir.file("out.plv"));
  EXPECT_EQ(bad.status, 0);
  EXPECT_NE(bad.err.find("bad.plv:5: line kept unread"), std::string::npos) << bad.err;
  const std::string out = read_file(dir.file("out.plv"));
  EXPECT_NE(out.find("CM ONE\nLI    1x     2     3     4\nCM TWO\n"), std::string::npos);

  const ToolRun unwritable = plvtool(dir, "save " + in + " " + dir.path().string());
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find("directory"), std::string::npos) << unwritable.err;
}

// Both programs' command lines: --help and --version on standard output
// with status 0, usage errors with status 2 and the usage on standard error.
TEST(CommandLine, HelpAndVersionForBothProgramsAndUsageErrorsEndWithTwo) {
  TempDir dir;
  for (const std::string program : {PLIVET_PATH, PLVTOOL_PATH}) {
    const std::string name = program.substr(program.rfind('/') + 1);
    const ToolRun version = run_shell(dir, program + " --version");
    EXPECT_EQ(version.status, 0) << name;
    EXPECT_EQ(version.out, name + " " + PLIVET_VERSION_TEXT + "\n");
    const ToolRun help = run_shell(dir, program + " --help");
    EXPECT_EQ(help.status, 0) << name;
    EXPECT_NE(help.out.find("usage: " + name), std::string::npos) << help.out;
    EXPECT_TRUE(help.err.empty()) << help.err;
    const ToolRun wrong = run_shell(dir, program + " --no-such-option");
    EXPECT_EQ(wrong.status, 2) << name;
    EXPECT_NE(wrong.err.find("usage: " + name), std::string::npos) << wrong.err;
    EXPECT_TRUE(wrong.out.empty());
  }
  EXPECT_NE(run_shell(dir, std::string(PLIVET_PATH) + " --help").out.find("PLIVET_STATE_DIR"), std::string::npos);
  for (const std::string args : {"", "frobnicate", "save onlyone"}) {
    const ToolRun wrong = plvtool(dir, args);
    EXPECT_EQ(wrong.status, 2) << args;
    EXPECT_NE(wrong.err.find("usage: plvtool"), std::string::npos) << wrong.err;
  }
}

}  // namespace
}  // namespace plv
