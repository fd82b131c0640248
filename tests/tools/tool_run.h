#pragma once
// plvtool run through the shell in a test's folder, with what it printed.

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/temp_dir.h"

namespace plv::testing {

inline const std::string kTool = PLVTOOL_PATH;
inline const std::string kExample = std::string(PLIVET_SOURCE_DIR) + "/examples/example.plv";
// The three lines a drawing file starts with.
inline const std::string kHeader = "p\nGLIMPT EP      17.36      1.000 D M P\nDATE:  8-DEC-26\n";

struct ToolRun {
  int status;
  std::string out, err;
};

// `command` is a shell command line; its output goes to files in `dir`.
inline ToolRun run_shell(const TempDir& dir, const std::string& command) {
  const std::string out = dir.file("stdout.txt"), err = dir.file("stderr.txt");
  const int raw = std::system(("(" + command + ") >" + out + " 2>" + err).c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read_file(out), read_file(err)};
}

inline ToolRun plvtool(const TempDir& dir, const std::string& args) {
  return run_shell(dir, kTool + " " + args);
}

}  // namespace plv::testing
