#pragma once
// Rendering records through a real kernel and host, read back from the
// plot buffer; colour messages are collected instead of shown.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/program_exit.h"
#include "kernel/kernel_fixture.h"
#include "kinds/colour_problem.h"
#include "render/redraw.h"

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

// The records of one kind, by the word they start with.
inline std::vector<std::string> lines_of(const std::vector<std::string>& records, std::string_view kind = "line") {
  std::vector<std::string> out;
  for (const auto& r : records)
    if (r.starts_with(kind)) out.push_back(r);
  return out;
}

class RenderTest : public kernel::KernelTest {
 protected:
  void SetUp() override { open().gkpage(kernel::PageStart::kErased); }

  RecordStore store_of(std::initializer_list<std::string> lines) {
    RecordStore store;
    for (const auto& l : lines) store.append(Record(l));
    return store;
  }
  // Redraws the records and returns the plot records they made.
  std::vector<std::string> redraw(const RecordStore& store) {
    const size_t before = records().size();
    redraw_all(store, state_, *kernel_, messages_);
    return records_after(before);
  }
  RenderState state_;
  CollectedMessages messages_;
};

using Lines = std::vector<std::string>;

// Stored-form records built field by field.
std::string two_point(const char* code, double x1, double y1, double x2, double y2, const char* tail = "");

}  // namespace plv
