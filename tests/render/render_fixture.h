#pragma once
// Rendering records through a real kernel and host, read back from the
// plot buffer; colour messages are collected instead of shown.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "kinds/colour_problem.h"
#include "render/redraw.h"
#include "host/host.h"
#include "host/plot_listing.h"
#include "host/program_exit.h"
#include "host/scripted/scripted_window_system.h"
#include "kernel/kernel.h"
#include "support/temp_dir.h"

namespace plv {

class CollectedMessages final : public ColourProblems {
 public:
  void met(const ColourProblem& p) override {
    using Telling = ColourProblem::Telling;
    if (p.telling == Telling::kError) shown.push_back("error: " + p.first);
    if (p.telling == Telling::kNote) shown.push_back("note: " + p.first);
    if (p.telling == Telling::kTwoLines || p.telling == Telling::kFatal)
      shown.push_back("two: " + p.first + "|" + p.second);
    if (p.telling == Telling::kFatal) throw ProgramExit{0};
  }
  std::vector<std::string> shown;
};

class RenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ws_ = std::make_unique<host::ScriptedWindowSystem>(std::vector<host::ScriptStep>{});
    host_ = std::make_unique<host::Host>(*ws_, dir_.file("orvlab.ini"));
    kernel_ = std::make_unique<kernel::Kernel>(*host_, dir_.path());
    kernel_->gkopen("plivet");
    kernel_->gkpage(kernel::PageStart::kErased);
  }

  RecordStore store_of(std::initializer_list<std::string> lines) {
    RecordStore store;
    for (const auto& l : lines) store.append(Record(l));
    return store;
  }
  // Redraws the records and returns the plot records they made.
  std::vector<std::string> redraw(const RecordStore& store) {
    const size_t before = records().size();
    redraw_all(store, state_, *kernel_, messages_);
    auto all = records();
    return {all.begin() + static_cast<long>(before), all.end()};
  }
  std::vector<std::string> lines_of(const std::vector<std::string>& records) {
    std::vector<std::string> out;
    for (const auto& r : records)
      if (r.rfind("line", 0) == 0) out.push_back(r);
    return out;
  }
  std::vector<std::string> records() const { return host::list_plot_records(host_->picture().buffer().bytes()); }

  testing::TempDir dir_;
  std::unique_ptr<host::ScriptedWindowSystem> ws_;
  std::unique_ptr<host::Host> host_;
  std::unique_ptr<kernel::Kernel> kernel_;
  RenderState state_;
  CollectedMessages messages_;
};

using Lines = std::vector<std::string>;

// Stored-form records built field by field.
std::string two_point(const char* code, double x1, double y1, double x2, double y2, const char* tail = "");

}  // namespace plv
