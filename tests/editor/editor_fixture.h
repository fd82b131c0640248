#pragma once
// A whole editor on a kernel, toolkit and host driven by a script, its
// files in a fresh folder, with the text screen, the screens shown at
// every wait and the plot buffer readable, and screens compared whole with
// tests/golden/NAME.txt (PLIVET_REWRITE_GOLDEN=1 writes the file instead).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "render/render_fixture.h"
#include "host/host.h"
#include "host/plot_listing.h"
#include "host/scripted/scripted_window_system.h"
#include "kernel/kernel.h"
#include "support/script.h"
#include "support/temp_dir.h"
#include "ui/toolkit.h"

namespace plv {

using testing::Script;

inline void expect_golden(const std::string& screen, const std::string& name) {
  const std::string path = std::string(PLIVET_SOURCE_DIR) + "/tests/golden/" + name + ".txt";
  if (std::getenv("PLIVET_REWRITE_GOLDEN")) testing::write_file(path, screen);
  EXPECT_EQ(screen, testing::read_file(path)) << name;
}

class EditorTest : public ::testing::Test {
 protected:
  Editor& open(const Script& input = {}) { return open(input.text()); }
  Editor& open(const std::string& script_text) {
    const host::Script script = host::parse_script(script_text);
    EXPECT_FALSE(script.error) << script.error->message;
    ws_ = std::make_unique<host::ScriptedWindowSystem>(script.steps);
    ws_->set_wait_observer([this](const host::Frame& frame) {
      if (frame.text) screens_.push_back(host::screen_text(*frame.text));
    });
    host_ = std::make_unique<host::Host>(*ws_, dir_.file("orvlab.ini"));
    kernel_ = std::make_unique<kernel::Kernel>(*host_, dir_.path());
    kernel_->gkopen("plivet");
    toolkit_ = std::make_unique<ui::Toolkit>(*kernel_);
    toolkit_->screen().initialise();
    editor_ = std::make_unique<Editor>(*kernel_, *toolkit_, dir_.path());
    return *editor_;
  }
  // The editor with `drawing` in its drawing.
  Editor& open(const Script& input, std::initializer_list<Record> drawing) {
    open(input);
    for (const Record& r : drawing) editor_->drawing.append(r);
    return *editor_;
  }
  static std::vector<Record> records_in(const RecordStore& store) {
    std::vector<Record> out;
    for (long n = 1; n <= store.count(); ++n) out.push_back(store.read(n));
    return out;
  }

  std::string base() const { return dir_.path().string(); }
  // One-based row of the text screen, trailing blanks removed.
  std::string row(int r) const { return host_->text().line(r - 1); }
  void expect_screen(const std::string& golden_name) const {
    expect_golden(host::screen_text(host_->text()), golden_name);
  }
  // The first screen shown at a wait that holds `text`.
  std::optional<std::string> screen_with(const std::string& text) const {
    const auto it = std::find_if(screens_.begin(), screens_.end(),
                                 [&](const std::string& s) { return s.find(text) != std::string::npos; });
    if (it == screens_.end()) return std::nullopt;
    return *it;
  }
  // Row `r` (one-based) of a kept screen.
  static std::string row_of(const std::string& screen, int r) {
    std::size_t start = 0;
    for (int i = 1; i < r; ++i) start = screen.find('\n', start) + 1;
    return screen.substr(start, screen.find('\n', start) - start);
  }
  std::vector<std::string> lines_only() const {
    std::vector<std::string> out;
    for (const auto& r : host::list_plot_records(host_->picture().buffer().bytes()))
      if (r.rfind("line", 0) == 0) out.push_back(r);
    return out;
  }

  testing::TempDir dir_;
  std::unique_ptr<host::ScriptedWindowSystem> ws_;
  std::unique_ptr<host::Host> host_;
  std::unique_ptr<kernel::Kernel> kernel_;
  std::unique_ptr<ui::Toolkit> toolkit_;
  std::unique_ptr<Editor> editor_;
  std::vector<std::string> screens_;
  CollectedMessages messages_;
};

}  // namespace plv
