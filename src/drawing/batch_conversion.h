#pragma once
// File lines converted to records many at a time, on every core: reading a
// large drawing is mostly this conversion, which divides well. The
// records then go into the store in order.

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/record_forms.h"
#include "drawing/record_store.h"

namespace plv {

// Lines gathered in order, each with its number in the file.
class LineBatch {
 public:
  static constexpr size_t kFull = 1 << 16;

  void add(std::string_view line, long number);
  size_t size() const { return numbers_.size(); }
  bool full() const { return size() >= kFull; }
  std::string_view line(size_t i) const;
  long number(size_t i) const { return numbers_[i]; }
  void clear();

 private:
  std::string bytes_;
  std::vector<size_t> ends_;
  std::vector<long> numbers_;
};

// What converting one line came to.
enum class LineOutcome : std::uint8_t {
  kRecord,   // a record the drawing keeps
  kBlank,    // a blank line: an empty record
  kUnknown,  // a code the drawing does not keep: an empty record
  kUnread,   // could not be converted: left for the caller to keep as it stood
};

struct BatchConversion {
  long first = 0;  // the store's number for the batch's first line
  std::vector<LineOutcome> outcomes;
  std::vector<std::string> problems;  // of the unread lines, in order
};

// Converts batch after batch, keeping its working room from one to the
// next so that a large file does not touch fresh memory for each.
class BatchConverter {
 public:
  // Appends one record for every line of the batch; an unread line's
  // record is blank until the caller keeps the line. Running out of memory
  // on any core throws std::bad_alloc here.
  BatchConversion convert(const LineBatch& batch, RecordStore& store, const RecordForms& forms);

  // One core's share of a batch.
  struct Part {
    size_t from = 0, to = 0;
    std::string kept;                 // the lines' records, in order, as the store keeps them
    std::vector<std::string> unread;  // problems, in order
    std::exception_ptr failure;
  };

 private:
  std::vector<Part> parts_;
};

}  // namespace plv
