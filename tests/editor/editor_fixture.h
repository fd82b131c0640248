#pragma once
// A whole editor on a kernel, toolkit and host driven by a script, its
// files in a fresh folder, with the text screen and plot buffer readable.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "render/render_fixture.h"
#include "host/host.h"
#include "host/plot_listing.h"
#include "host/scripted/scripted_window_system.h"
#include "kernel/kernel.h"
#include "support/temp_dir.h"
#include "ui/toolkit.h"

namespace plv {

class EditorTest : public ::testing::Test {
 protected:
  Editor& open(const std::string& script_text = "") {
    const host::Script script = host::parse_script(script_text);
    EXPECT_FALSE(script.error) << script.error->message;
    ws_ = std::make_unique<host::ScriptedWindowSystem>(script.steps);
    host_ = std::make_unique<host::Host>(*ws_, dir_.file("orvlab.ini"));
    kernel_ = std::make_unique<kernel::Kernel>(*host_, dir_.path());
    kernel_->gkopen("plivet");
    toolkit_ = std::make_unique<ui::Toolkit>(*kernel_);
    toolkit_->screen().initialise();
    editor_ = std::make_unique<Editor>(*kernel_, *toolkit_, dir_.path());
    return *editor_;
  }

  // One-based row of the text screen, trailing blanks removed.
  std::string row(int r) const { return host_->text().line(r - 1); }
  std::string cells(int r, int column, int n) const {
    return std::string(host_->text().row_text(r - 1).substr(static_cast<size_t>(column - 1), static_cast<size_t>(n)));
  }
  std::vector<std::string> records() const { return host::list_plot_records(host_->picture().buffer().bytes()); }
  std::vector<std::string> lines_only() const {
    std::vector<std::string> out;
    for (const auto& r : records())
      if (r.rfind("line", 0) == 0) out.push_back(r);
    return out;
  }

  testing::TempDir dir_;
  std::unique_ptr<host::ScriptedWindowSystem> ws_;
  std::unique_ptr<host::Host> host_;
  std::unique_ptr<kernel::Kernel> kernel_;
  std::unique_ptr<ui::Toolkit> toolkit_;
  std::unique_ptr<Editor> editor_;
  CollectedMessages messages_;
};

}  // namespace plv
