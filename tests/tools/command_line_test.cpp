// Both programs' command lines: --help and --version on standard output
// with status 0, usage errors with status 2 and the usage on standard error.

#include <gtest/gtest.h>

#include "tools/tool_run.h"

namespace plv {
namespace {

using testing::run_shell;
using testing::TempDir;
using testing::ToolRun;

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
  EXPECT_EQ(run_shell(dir, std::string(PLVTOOL_PATH)).status, 2);
}

}  // namespace
}  // namespace plv
