#pragma once
// A whole program run as a user starts it, its output to /dev/null: whether
// it ended well and its peak resident memory.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace plv::bench {

struct ChildRun {
  bool ok = false;
  long peak_kb = 0;
};

// `program` is looked up on PATH when it holds no '/'.
inline ChildRun run_program(const std::string& program, const std::vector<std::string>& args) {
  const pid_t child = fork();
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execvp(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  return {WIFEXITED(status) && WEXITSTATUS(status) == 0, usage.ru_maxrss};
}

}  // namespace plv::bench
