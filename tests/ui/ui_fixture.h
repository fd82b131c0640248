#pragma once
// A toolkit on a kernel and host driven by a script of keys and presses,
// and the text screen readable row by row.

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "host/host.h"
#include "host/scripted/scripted_window_system.h"
#include "kernel/kernel.h"
#include "support/temp_dir.h"
#include "ui/toolkit.h"

namespace plv::ui {

inline void PrintTo(const TextCell& cell, std::ostream* os) { *os << "(" << cell.row << ", " << cell.column << ")"; }

class UiTest : public ::testing::Test {
 protected:
  Toolkit& open(const std::string& script_text = "") {
    const host::Script script = host::parse_script(script_text);
    EXPECT_FALSE(script.error) << script.error->message;
    ws_ = std::make_unique<host::ScriptedWindowSystem>(script.steps);
    host_ = std::make_unique<host::Host>(*ws_, dir_.file("orvlab.ini"));
    kernel_ = std::make_unique<kernel::Kernel>(*host_, dir_.path());
    kernel_->gkopen("plivet");
    toolkit_ = std::make_unique<Toolkit>(*kernel_);
    toolkit_->screen().initialise();
    return *toolkit_;
  }

  // One-based row of the text screen, trailing blanks removed.
  std::string row(int r) const { return host_->text().line(r - 1); }
  // `n` characters from a one-based cell.
  std::string cells(int r, int column, int n) const {
    return std::string(host_->text().row_text(r - 1).substr(static_cast<std::size_t>(column - 1),
                                                            static_cast<std::size_t>(n)));
  }
  int attribute(int r, int column) const { return host_->text().attribute(r - 1, column - 1); }
  // The host caret, one-based.
  TextCell caret() const { return {host_->text().row() + 1, host_->text().column() + 1}; }

  testing::TempDir dir_;
  std::unique_ptr<host::ScriptedWindowSystem> ws_;
  std::unique_ptr<host::Host> host_;
  std::unique_ptr<kernel::Kernel> kernel_;
  std::unique_ptr<Toolkit> toolkit_;
};

}  // namespace plv::ui
