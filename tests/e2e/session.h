#pragma once
// A whole editor session: plivet run headless on a script in a fresh
// directory, with its snapshots and the files it leaves behind.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace plv::e2e {

class Session {
 public:
  // Runs the script; `arguments` go after the options (a drawing, say).
  int run(const std::string& script, const std::string& arguments = "") {
    testing::write_file(dir_.file("script.txt"), script);
    const std::string command = "cd " + dir_.path().string() + " && " + shell_prefix_ + "PLIVET_STATE_DIR=" +
                                dir_.file("state") + " PLIVET_HOST_SETTINGS=" +
                                host_settings_ + " timeout 120 " + user_prefix_ + PLIVET_PATH +
                                " --headless --play script.txt --snapshots snaps " + arguments +
                                " >stdout.txt 2>stderr.txt";
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }

  // Runs the editor as an ordinary user when the tests run as root, so that
  // file permissions bind it as they bind a user. Files the test puts in
  // the folder stay root's unless handed over with give_away().
  void as_ordinary_user() {
    if (::geteuid() != 0) return;
    give_away(".");
    user_prefix_ = "setpriv --reuid=" + std::to_string(kOrdinaryUser) + " --regid=" + std::to_string(kOrdinaryUser) +
                   " --clear-groups ";
  }
  void give_away(const std::string& name) const {
    if (::geteuid() == 0 && ::chown(dir_.file(name).c_str(), kOrdinaryUser, kOrdinaryUser) != 0) std::abort();
  }
  // Shell commands run before the editor, such as a file size limit.
  void before_running(const std::string& shell_commands) { shell_prefix_ = shell_commands + "; "; }
  void host_settings_at(const std::string& path) { host_settings_ = path; }

  std::string file(const std::string& name) const { return testing::read_file(dir_.file(name)); }
  bool exists(const std::string& name) const { return std::filesystem::exists(dir_.path() / name); }
  std::string path(const std::string& name) const { return dir_.file(name); }
  void put(const std::string& name, const std::string& bytes) const { testing::write_file(dir_.file(name), bytes); }

  // The text screens shown at each wait, in order (pictures are skipped).
  std::vector<std::string> screens() const {
    std::vector<std::string> out;
    for (int n = 1;; ++n) {
      char name[32];
      std::snprintf(name, sizeof name, "snaps/%04d", n);
      if (exists(std::string(name) + ".txt")) out.push_back(file(std::string(name) + ".txt"));
      else if (!exists(std::string(name) + ".png")) return out;
    }
  }
  int pictures() const {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.path() / "snaps"))
      count += entry.path().extension() == ".png";
    return count;
  }
  // Row `row` (1-based) of a screen, trailing blanks removed.
  static std::string row(const std::string& screen, int row) {
    size_t start = 0;
    for (int r = 1; r < row; ++r) start = screen.find('\n', start) + 1;
    return screen.substr(start, screen.find('\n', start) - start);
  }

 private:
  static constexpr unsigned kOrdinaryUser = 65534;
  testing::TempDir dir_;
  std::string host_settings_ = dir_.file("orvlab.ini");
  std::string shell_prefix_, user_prefix_;
};

// Script lines: a new drawing named `name` on the start-up menu.
inline std::string new_drawing(const std::string& name) { return "key ENTER\ntype " + name + "\nkey F10\n"; }

}  // namespace plv::e2e
