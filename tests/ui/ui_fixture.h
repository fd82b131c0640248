#pragma once
// A toolkit on the kernel fixture's kernel, driven by its script of keys
// and presses, and the text screen readable row by row.

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "kernel/kernel_fixture.h"
#include "support/script.h"
#include "ui/toolkit.h"

namespace plv::ui {

using testing::Script;
using Rows = std::vector<std::string>;

inline void PrintTo(const TextCell& cell, std::ostream* os) { *os << "(" << cell.row << ", " << cell.column << ")"; }

class UiTest : public kernel::KernelTest {
 protected:
  Toolkit& open(const std::string& script_text = "") {
    toolkit_ = std::make_unique<Toolkit>(KernelTest::open(script_text));
    toolkit_->screen().initialise();
    return *toolkit_;
  }
  Toolkit& open(const testing::Script& script) { return open(script.text()); }

  // One-based row of the text screen, trailing blanks removed.
  std::string row(int r) const { return host_->text().line(r - 1); }
  // Rows `first` to `last`, as row() gives them.
  Rows rows(int first, int last) const {
    Rows out;
    for (int r = first; r <= last; ++r) out.push_back(row(r));
    return out;
  }
  // `n` characters from a one-based cell.
  std::string cells(int r, int column, int n) const {
    return std::string(host_->text().row_text(r - 1).substr(static_cast<std::size_t>(column - 1),
                                                            static_cast<std::size_t>(n)));
  }
  int attribute(int r, int column) const { return host_->text().attribute(r - 1, column - 1); }
  // The host caret, one-based.
  TextCell caret() const { return {host_->text().row() + 1, host_->text().column() + 1}; }

  std::unique_ptr<Toolkit> toolkit_;
};

}  // namespace plv::ui
