#include "editor/buffer/buffer_file.h"

#include <new>

#include "text/fixed_text.h"

namespace plv::buffer {
namespace {

constexpr Columns kCode{1, 2};

}  // namespace

BufferFileRead read_buffer_file(LineReader& in, const RecordForms& forms) {
  BufferFileRead result;
  if (!in.ok()) {
    result.error = in.error();
    return result;
  }
  std::string_view line;
  try {
    while (in.next(line)) {
      if (in.line_number() == 1) continue;  // the path the file was written under
      if (line.find('\0') != std::string_view::npos) {
        // Not a text file: nothing of it may reach a drawing.
        result.error = "line " + std::to_string(in.line_number()) + " holds NUL bytes";
        break;
      }
      const StoredConversion stored = forms.to_stored(line);
      if (!stored.ok()) result.unreadable.add(in.line_number());
      if (stored.ok() && forms.file_role(stored.record) == FileRole::kColourMode) {
        result.colour_modes.add(in.line_number());
        result.records.append(Record());
        continue;
      }
      result.records.append(stored.record);  // blank when it did not read: the lines keep their places
    }
  } catch (const std::bad_alloc&) {
    result.error = "there is not enough memory to hold the file";
  }
  if (result.ok() && !in.error().empty()) result.error = in.error();
  if (!result.ok()) result.records = RecordStore();
  return result;
}

BufferFileWrite write_buffer_file(SafeFileWriter& out, std::string_view path_line, const RecordStore& buffer,
                                  const RecordForms& forms) {
  BufferFileWrite result;
  out.write_line(text::padded(path_line, kPathLineWidth));
  for (long n = 1; n <= buffer.count(); ++n) {
    const Record& record = buffer.read(n);
    if (record.blank_in(kCode)) continue;
    const FileConversion line = forms.to_file(record);
    if (line.ok()) {
      if (!line.line.is_blank()) out.write_line(line.line.trimmed());
      continue;
    }
    auto& list = line.kind == ConversionProblem::kDoesNotFit ? result.problems.too_large : result.problems.skipped;
    list.push_back({n, std::string(record.trimmed()), line.problem});
  }
  if (!result.problems.too_large.empty()) {
    // Asterisks would be written in its place.
    result.outcome = WriteOutcome::kValuesTooLarge;
    const SkippedLine& first = result.problems.too_large.front();
    result.error = "record " + std::to_string(first.number) + ": " + first.problem;
    return result;  // never committed: the old file stays
  }
  if (out.commit()) {
    result.outcome = WriteOutcome::kWritten;
  } else {
    result.outcome =
        out.failure() == WriteFailure::kCannotWrite ? WriteOutcome::kCannotWrite : WriteOutcome::kCannotOpen;
    result.error = out.error();
  }
  return result;
}

}  // namespace plv::buffer
