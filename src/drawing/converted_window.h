#pragma once
// The file lines of stored records, converted ahead a window at a time on
// every core, so that writing a large drawing is not one core's work. The
// writer still decides, record by record and in order, what is written.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/record_forms.h"
#include "drawing/record_store.h"

namespace plv {

struct ConvertedLine {
  ConversionProblem kind = ConversionProblem::kNone;
  std::string_view text;  // trailing blanks removed; empty when the record is not written
  std::string problem;
  bool reads_back = false;  // read again, the line gives the record (when asked to look)
};

class ConvertedWindow {
 public:
  static constexpr long kRecords = 1 << 16;

  // Only records `wanted` says the writer converts are converted.
  // With `reread`, each line is also read back, to say whether it gives
  // its record again.
  ConvertedWindow(const RecordStore& store, const RecordForms& forms, std::function<bool(const Record&)> wanted,
                  bool reread = false)
      : store_(store), forms_(forms), wanted_(std::move(wanted)), reread_(reread) {}

  // The conversion of record n, which `wanted` took; the window moves on
  // to start at n when n lies outside it.
  const ConvertedLine& at(long n);

 private:
  struct Part;
  void convert_from(long first);

  const RecordStore& store_;
  const RecordForms& forms_;
  std::function<bool(const Record&)> wanted_;
  bool reread_;
  long first_ = 0, end_ = 0;  // records first_ .. end_ - 1 are converted
  std::vector<ConvertedLine> lines_;
  std::vector<std::string> texts_;  // one for each part, which lines_ point into
};

}  // namespace plv
