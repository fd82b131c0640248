#pragma once
// plvtool run through the shell in a test's folder, with what it printed.

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/temp_dir.h"

namespace plv::testing {

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
  return run_shell(dir, std::string(PLVTOOL_PATH) + " " + args);
}

}  // namespace plv::testing
