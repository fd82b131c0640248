#pragma once
// Graphics command files: three header lines (the file's own path, the
// translation-setup line, the date) and one file-form record a line.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/record_forms.h"
#include "drawing/record_store.h"
#include "text/file_result.h"
#include "text/line_reader.h"
#include "text/safe_file_writer.h"

namespace plv {

// A line or record singled out, with where it stood and why.
struct SkippedLine {
  long number;  // line number in the file, or record number in the store
  std::string text;
  std::string problem;
};

// Lines of one sort met while reading: how many, and the first of them.
struct LineTally {
  long count = 0;
  long first = 0;
  void add(long line_number) {
    if (count++ == 0) first = line_number;
  }
};

enum class ReadOutcome {
  kRead,              // the drawing holds the whole file
  kCannotOpen,        // nothing was read
  kReadFailed,        // the file could not be read to its end
  kNotACommandFile,   // the bytes are not those of a graphics command file
  kOutOfMemory,
};

// ok() when the drawing holds the whole file; the error says why not.
struct CommandFileRead : FileResult {
  ReadOutcome outcome = ReadOutcome::kCannotOpen;
  std::optional<std::string> setup_line;  // 40 characters, from the header
  std::vector<SkippedLine> unread;        // lines kept as they stood, not drawn
  LineTally unknown;                      // lines with codes the drawing does not keep
  LineTally cut;                          // lines with characters past the record's last column
};

// Replaces the store's contents with the records of the file at `path`.
// Unless the outcome is kRead the store is left empty: a drawing is only
// ever held whole.
// `forms` knows each code's conversions.
CommandFileRead read_command_file(const std::string& path, RecordStore& drawing, const RecordForms& forms);
CommandFileRead read_command_file(LineReader& in, RecordStore& drawing, const RecordForms& forms);

struct CommandFileHeader {
  std::string path_line;   // written as 80 characters
  std::string setup_line;  // written as 40 characters
  std::string date;        // 9 characters, after "DATE: "
};

// What writing found in the drawing.
struct WriteProblems {
  std::vector<SkippedLine> skipped;    // stored fields that cannot be read: left out
  std::vector<SkippedLine> too_large;  // values the file form cannot hold
};

// Where each of the drawing's records went in a file written: for record n,
// of_record[n - 1] is the number of the record it reads back as (the
// records after the header counted from 1), or 0 when it is not written or
// would read back as another record.
struct FilePlaces {
  std::vector<long> of_record;
  long file_records = 0;  // the records the file reads back as
};

// The header lines and the drawing's lines as they go to the file, without
// line ends: colour and layer runs reduced to the record in force, repeats
// and dropped records left out, trailing blanks removed, unread lines as
// they were read.
void command_file_lines(const CommandFileHeader& header, const RecordStore& drawing, const RecordForms& forms,
                        const std::function<void(std::string_view)>& emit, WriteProblems& problems,
                        FilePlaces* places = nullptr);

enum class WriteOutcome {
  kWritten,
  kCannotOpen,      // nothing was written (permissions, folder, not a file)
  kCannotWrite,     // the write failed part-way (a full disc, say)
  kValuesTooLarge,  // records hold values the file form cannot hold
};

// ok() when the file was written; the error says why not.
struct CommandFileWrite : FileResult {
  WriteOutcome outcome = WriteOutcome::kCannotOpen;
  WriteProblems problems;
};

// Writes the drawing to `path`. The previous file survives any failure, and
// a drawing holding a value the file could not hold is not written at all.
CommandFileWrite write_command_file(const std::string& path, const CommandFileHeader& header,
                                    const RecordStore& drawing, const RecordForms& forms,
                                    FilePlaces* places = nullptr);

}  // namespace plv
