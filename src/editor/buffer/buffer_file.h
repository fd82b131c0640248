#pragma once
// Buffer files on disc: the file's own path as an 80-character first line,
// then one file-form record a line without trailing blanks. There are no
// setup or date lines; a graphics command file read as one brings its own
// in as records that convert to nothing.

#include <string>
#include <string_view>

#include "drawing/command_file.h"
#include "drawing/record_forms.h"
#include "drawing/record_store.h"
#include "text/file_result.h"
#include "text/line_reader.h"
#include "text/safe_file_writer.h"

namespace plv::buffer {

inline constexpr int kPathLineWidth = 80;

// ok() when the whole file was read; `records` then holds one record for
// every line after the first, blank and header lines included, and the
// caller puts them in place of the buffer.
struct BufferFileRead : FileResult {
  RecordStore records;
  LineTally unreadable;  // lines whose fields do not read: kept as blank records
  // Lines choosing a colour mode: the drawing pasted into has its own, and
  // a second one would end its every redraw. Kept as blank records.
  LineTally colour_modes;
};

// Reads from a reader already opened (check its ok() first: the user is
// asked for another name when nothing opens).
BufferFileRead read_buffer_file(LineReader& in, const RecordForms& forms);

// ok() when the file was written and committed; the error says why not.
struct BufferFileWrite : FileResult {
  WriteOutcome outcome = WriteOutcome::kCannotOpen;
  WriteProblems problems;  // numbered by buffer record
};

// Writes the buffer through `out`, opened by the caller. A buffer holding
// a value the file form cannot hold is not written at all (the old file
// stays): the next reading would lose the record.
BufferFileWrite write_buffer_file(SafeFileWriter& out, std::string_view path_line, const RecordStore& buffer,
                                  const RecordForms& forms);

}  // namespace plv::buffer
