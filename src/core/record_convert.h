#pragma once
// Conversions between a record's file form (graphics command files, whole
// units) and its stored form (drawing and buffer stores, reals).

#include <string>
#include <string_view>

#include "core/record.h"

namespace plv {

struct StoredConversion {
  Record record;
  std::string problem;  // empty when the line was read; otherwise why not
  bool ok() const { return problem.empty(); }
};

// One file line (cut or padded to 122 columns) to its stored record. Codes
// outside the drawing's vocabulary give a blank record.
StoredConversion to_stored_form(std::string_view file_line);

struct FileConversion {
  Record line;          // blank: the record is not written
  std::string problem;  // empty unless a stored field could not be read
  bool ok() const { return problem.empty(); }
};

// One stored record to its file line, padded to 122 columns.
FileConversion to_file_form(const Record& stored);

}  // namespace plv
