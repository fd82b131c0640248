#pragma once
// Conversions between a record's file form (graphics command files, whole
// units) and its stored form (drawing and buffer stores, reals).

#include <string>
#include <string_view>

#include "drawing/record.h"

namespace plv {

// Why a record could not be converted.
enum class ConversionProblem {
  kNone,
  kUnreadable,  // a numeric field holds something that is not a number
  kDoesNotFit,  // a value is too large for the field of the file form
};

struct StoredConversion {
  Record record;
  std::string problem;  // empty when the line was read; otherwise why not
  bool ok() const { return problem.empty(); }
};

// One file line (cut or padded to 122 columns) to its stored record. Codes
// outside the drawing's vocabulary give a blank record. A line whose values
// could not be written back to the file form is refused too, so that what
// is read can always be written.
StoredConversion to_stored_form(std::string_view file_line);

struct FileConversion {
  Record line;  // blank: the record is not written
  ConversionProblem kind = ConversionProblem::kNone;
  std::string problem;  // what went wrong, naming the columns
  bool ok() const { return kind == ConversionProblem::kNone; }
};

// One stored record to its file line, padded to 122 columns.
FileConversion to_file_form(const Record& stored);

}  // namespace plv
