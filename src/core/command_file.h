#pragma once
// Graphics command files: three header lines (the file's own path, the
// translation-setup line, the date) and one file-form record a line.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/record_store.h"

namespace plv {

// A line or record left out, with where it stood and why.
struct SkippedLine {
  long number;  // line number in the file, or record number in the store
  std::string text;
  std::string problem;
};

struct CommandFileRead {
  bool opened = false;
  std::string error;                      // why the file could not be read
  std::optional<std::string> setup_line;  // 40 characters, from the header
  std::vector<SkippedLine> skipped;       // unreadable records, left out
};

// Replaces the store's contents with the records of the file at `path`.
CommandFileRead read_command_file(const std::string& path, RecordStore& drawing);

struct CommandFileHeader {
  std::string path_line;   // written as 80 characters
  std::string setup_line;  // written as 40 characters
  std::string date;        // 9 characters, after "DATE: "
};

// The header lines and the drawing's lines as they go to the file, without
// line ends: colour and layer runs reduced to the record in force, repeats
// and dropped records left out, trailing blanks removed. `skipped` collects
// records whose fields could not be read.
void command_file_lines(const CommandFileHeader& header, const RecordStore& drawing,
                        const std::function<void(std::string_view)>& emit,
                        std::vector<SkippedLine>& skipped);

struct CommandFileWrite {
  bool written = false;
  std::string error;
  std::vector<SkippedLine> skipped;
};

// Writes the drawing to `path`; the previous file survives any failure.
CommandFileWrite write_command_file(const std::string& path, const CommandFileHeader& header,
                                    const RecordStore& drawing);

}  // namespace plv
