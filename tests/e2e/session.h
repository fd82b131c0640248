#pragma once
// A whole editor session: plivet run headless on a script in a fresh
// directory, with its snapshots and the files it leaves behind; and the
// menus' common walks the scripts are made of.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "support/script.h"
#include "support/temp_dir.h"

namespace plv::e2e {

using testing::Script;
using Lines = std::vector<std::string>;

// A drawing file of `body` under the header lines the tests' drawings share.
inline std::string drawing(const std::string& body, const std::string& path_line = "d.plv") {
  return path_line + "\nGLIMPT EP      17.36      1.000 D M P\nDATE:  1-JAN-26\n" + body;
}

// A new drawing is in colour 7 and the create menu starts with colour 6,
// so the first element comes after the colour it was shown in.
inline const std::string kShownColour = "SC BAR   6";
inline const std::string kIdentityLayer = "LA  0  0.1000000E+01  0.0000000E+00  0.0000000E+00";

inline Lines lines_of(const std::string& text) {
  Lines lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The last `n` of `lines` (all of them when there are fewer).
inline Lines last(const Lines& lines, size_t n) {
  return {lines.end() - static_cast<long>(std::min(n, lines.size())), lines.end()};
}

// `written` after `own`, or all of it when it does not start so.
inline Lines after(const Lines& written, const Lines& own) {
  if (written.size() < own.size() || !std::equal(own.begin(), own.end(), written.begin())) return written;
  return {written.begin() + static_cast<long>(own.size()), written.end()};
}

// Row `row` (1-based) of a screen, trailing blanks removed.
inline std::string row(const std::string& screen, int row) {
  size_t start = 0;
  for (int r = 1; r < row; ++r) start = screen.find('\n', start) + 1;
  return screen.substr(start, screen.find('\n', start) - start);
}

// What was shown at a wait: a text screen, or the picture.
struct Snapshot {
  bool picture = false;
  std::string bytes;
};

class Session {
 public:
  // Runs the script; `arguments` go after the options (a drawing, say).
  int run(const Script& script, const std::string& arguments = "") {
    testing::write_file(dir_.file("script.txt"), script.text());
    const std::string command = "cd " + dir_.path().string() + " && " + shell_prefix_ + "PLIVET_STATE_DIR=" +
                                dir_.file("state") + " PLIVET_HOST_SETTINGS=" + host_settings_ + " timeout 120 " +
                                user_prefix_ + PLIVET_PATH + " --headless --play script.txt --snapshots snaps " +
                                arguments + " >stdout.txt 2>stderr.txt";
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  // Runs the script and answers whether the editor ended normally, with what it said if not.
  ::testing::AssertionResult ends(const Script& script, const std::string& arguments = "") {
    const int status = run(script, arguments);
    if (status == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "exit status " << status << ": " << file("stderr.txt");
  }

  // The drawing d.plv of `body` (under the tests' header lines) opened, and
  // the script run from its file name menu on.
  ::testing::AssertionResult ends_in(const std::string& body, const Script& script) {
    put("d.plv", drawing(body));
    return ends(script, "d.plv");
  }

  // Runs the editor as an ordinary user when the tests run as root, so that
  // file permissions bind it as they bind a user. What the test puts or
  // makes a folder of from then on is the user's; what else it makes, root's.
  void as_ordinary_user() {
    if (::geteuid() != 0) return;
    user_prefix_ = "setpriv --reuid=" + std::to_string(kOrdinaryUser) + " --regid=" + std::to_string(kOrdinaryUser) +
                   " --clear-groups ";
    give_away(".");
  }
  void folder(const std::string& name) const {
    std::filesystem::create_directory(dir_.file(name));
    give_away(name);
  }
  // Shell commands run before the editor, such as a file size limit.
  void before_running(const std::string& shell_commands) { shell_prefix_ = shell_commands + "; "; }
  void host_settings_at(const std::string& path) { host_settings_ = path; }

  std::string file(const std::string& name) const { return testing::read_file(dir_.file(name)); }
  bool exists(const std::string& name) const { return std::filesystem::exists(dir_.path() / name); }
  std::string path(const std::string& name) const { return dir_.file(name); }
  void put(const std::string& name, const std::string& bytes) const {
    testing::write_file(dir_.file(name), bytes);
    give_away(name);
  }

  // The records of a written drawing, after its path, setup and date lines.
  Lines records(const std::string& name = "d.plv") const {
    const Lines lines = lines_of(file(name));
    if (lines.size() < 3) return {"(no header)"};
    return {lines.begin() + 3, lines.end()};
  }

  // What was shown at each wait, in order.
  std::vector<Snapshot> snapshots() const {
    std::vector<Snapshot> out;
    for (int n = 1;; ++n) {
      char name[32];
      std::snprintf(name, sizeof name, "snaps/%04d", n);
      if (exists(name + std::string(".txt"))) out.push_back({false, file(name + std::string(".txt"))});
      else if (exists(name + std::string(".png"))) out.push_back({true, file(name + std::string(".png"))});
      else return out;
    }
  }
  // The text screens, in order.
  std::vector<std::string> screens() const {
    std::vector<std::string> out;
    for (const Snapshot& shot : snapshots())
      if (!shot.picture) out.push_back(shot.bytes);
    return out;
  }
  // The text screens whose row `at` reads `text`, in the order shown.
  std::vector<std::string> screens_with(int at, std::string_view text) const {
    std::vector<std::string> found;
    for (const std::string& screen : screens())
      if (row(screen, at) == text) found.push_back(screen);
    return found;
  }
  // Whether any screen shown holds `text`.
  bool told(std::string_view text) const {
    const auto all = screens();
    return std::any_of(all.begin(), all.end(), [&](const std::string& s) { return s.find(text) != std::string::npos; });
  }

 private:
  static constexpr unsigned kOrdinaryUser = 65534;
  void give_away(const std::string& name) const {
    if (!user_prefix_.empty() && ::chown(dir_.file(name).c_str(), kOrdinaryUser, kOrdinaryUser) != 0) std::abort();
  }
  testing::TempDir dir_;
  std::string host_settings_ = dir_.file("orvlab.ini");
  std::string shell_prefix_, user_prefix_;
};

// A test with a session of its own.
class SessionTest : public ::testing::Test {
 protected:
  Session s;
};

// The menus' common walks, as script steps: into a drawing, into the
// create menu, out again writing the drawing, and the boxes dragged.
namespace walk {

// On the start-up menu: a new drawing named `name`.
inline Script new_drawing(std::string_view name) { return Script().enter().type(name).f(10); }
// Past the file name menu, the drawing drawn in the unmoved view, where
// drawing units are plot units.
inline Script drawn() { return Script().f(10).f(3).enter(); }
// From the main menu into the create menu; its first opening shows the
// erased picture, which waits for a key.
inline Script create() { return Script().f(9).enter(); }
// From the main menu: the exit menu, write and end.
inline Script write_and_end() { return Script().f(10).f(1); }
// From a menu under the main menu: back to it, write and end.
inline Script leave_and_write() { return Script().f(10).then(write_and_end()); }
// In the create menu: a line with the menu's values, then the key its picture waits for.
inline Script line() { return Script().f(1).f(9).enter(); }
// Each field in turn cleared and typed, Enter moving on to the next.
inline Script fields(std::initializer_list<std::string_view> values) {
  Script s;
  for (const std::string_view v : values) s.field(v).enter();
  return s;
}
// The rubber box that starts on the whole view pulled to (x1, y1) (x2, y2), and taken.
inline Script box(int x1, int y1, int x2, int y2) { return Script().drag(-500, -350, x1, y1).drag(500, 350, x2, y2).enter(); }
// From the main menu: what lies in the box copied into the buffer.
inline Script copy_box(int x1, int y1, int x2, int y2) { return Script().f(7).f(3).then(box(x1, y1, x2, y2)); }
// The buffer file name menu: the name typed over the one shown, then F10.
inline Script buffer_name(std::string_view name) { return Script().tab().field(name).f(10); }

}  // namespace walk
}  // namespace plv::e2e
