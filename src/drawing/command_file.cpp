#include "drawing/command_file.h"

#include <new>

#include "drawing/batch_conversion.h"
#include "drawing/converted_window.h"

#include "drawing/record_layout.h"
#include "drawing/translation_setup.h"
#include "text/fixed_text.h"

namespace plv {
namespace {

inline constexpr int kPathLineLength = 80;
inline constexpr int kDateLength = 9;
inline constexpr std::string_view kDatePrefix = "DATE: ";
inline constexpr std::string_view kSetupKey = "GLIMPT";
inline constexpr std::string_view kSetupKeyInHeader = "GLIM";  // the header check looks at four letters
inline constexpr std::string_view kDateKey = "DATE";

// Header lines that found their way into the records are never written.
bool header_line(const Record& r) {
  const std::string_view text = r.text();
  return text.starts_with(kSetupKey) || text.starts_with(kDateKey);
}

// A byte-order mark of UTF-16 (or UTF-32): a text of wide characters.
bool starts_wide(std::string_view line) {
  return line.starts_with("\xFF\xFE") || line.starts_with("\xFE\xFF");
}

// What reading learns of the file as it goes.
struct ReadState {
  bool has_content = false;  // a non-blank line after the path line
  bool looks_right = false;  // a record the drawing keeps, or a header line
  BatchConverter converter;
};

// Converts the gathered lines into the drawing and takes note of them.
void convert_lines(LineBatch& batch, RecordStore& drawing, const RecordForms& forms, CommandFileRead& result,
                   ReadState& state) {
  BatchConversion converted = state.converter.convert(batch, drawing, forms);
  size_t next_problem = 0;
  for (size_t i = 0; i < batch.size(); ++i) {
    switch (converted.outcomes[i]) {
      case LineOutcome::kRecord:
        state.has_content = state.looks_right = true;
        break;
      case LineOutcome::kBlank:
        break;
      case LineOutcome::kUnknown:  // dropped when written, by rule
        state.has_content = true;
        result.unknown.add(batch.number(i));
        break;
      case LineOutcome::kUnread:  // kept as it stood, so that writing the drawing back loses nothing
        state.has_content = state.looks_right = true;
        drawing.make_unread(converted.first + static_cast<long>(i), batch.line(i));
        result.unread.push_back({batch.number(i), std::string(batch.line(i)), converted.problems[next_problem++]});
        break;
    }
  }
  batch.clear();
}

void refuse(CommandFileRead& result, ReadOutcome outcome, std::string why) {
  result.outcome = outcome;
  result.error = why.empty() ? "the file cannot be read" : std::move(why);
}

void read_lines(LineReader& in, RecordStore& drawing, const RecordForms& forms, CommandFileRead& result) {
  ReadState state;
  LineBatch batch;
  std::string_view line;
  while (in.next(line)) {
    const long number = in.line_number();
    if (number == 1 && starts_wide(line)) return refuse(result, ReadOutcome::kNotACommandFile, "it is in UTF-16");
    if (line.find('\0') != std::string_view::npos)
      return refuse(result, ReadOutcome::kNotACommandFile, "line " + std::to_string(number) + " holds NUL bytes");
    if (number == 1) continue;  // the path the file was written under
    if (number <= 3) {
      if (line.starts_with(kDateKey)) {
        state.looks_right = true;
        continue;
      }
      if (line.starts_with(kSetupKeyInHeader)) {
        if (!result.setup_line) result.setup_line = text::padded(line, kSetupLineLength);
        state.looks_right = true;
        continue;
      }
    } else if (line.starts_with(kSetupKey) || line.starts_with(kDateKey)) {
      continue;
    }
    // A record holds 122 columns: what stands past them cannot be kept.
    if (line.size() > static_cast<size_t>(kRecordLength) && !text::trimmed_right(line.substr(kRecordLength)).empty()) result.cut.add(number);
    batch.add(line, number);
    if (batch.full()) convert_lines(batch, drawing, forms, result, state);
  }
  if (batch.size() > 0) convert_lines(batch, drawing, forms, result, state);
  if (in.line_too_long()) return refuse(result, ReadOutcome::kNotACommandFile, in.error());
  if (!in.error().empty()) return refuse(result, ReadOutcome::kReadFailed, in.error());
  if (state.has_content && !state.looks_right)
    return refuse(result, ReadOutcome::kNotACommandFile, "no line of it is a graphics command record");
  result.outcome = ReadOutcome::kRead;
}

}  // namespace

CommandFileRead read_command_file(LineReader& in, RecordStore& drawing, const RecordForms& forms) {
  CommandFileRead result;
  drawing.clear();
  if (!in.ok()) {
    refuse(result, ReadOutcome::kCannotOpen, in.error());
    return result;
  }
  try {
    read_lines(in, drawing, forms, result);
  } catch (const std::bad_alloc&) {
    refuse(result, ReadOutcome::kOutOfMemory, "there is not enough memory to hold the drawing");
  }
  if (!result.ok()) {
    drawing.release();  // nothing of a drawing read in part, and its memory back
    result.unread.clear();
    result.unknown = {};
    result.cut = {};
  }
  return result;
}

CommandFileRead read_command_file(const std::string& path, RecordStore& drawing, const RecordForms& forms) {
  LineReader in(path);
  return read_command_file(in, drawing, forms);
}

namespace {

// The number of the last of the colour records first..last that sets a
// colour in the drawing's mode; 0 when none does. A record the mode
// rejects sets nothing, so the one before it stays in force.
long colour_in_force(const RecordStore& drawing, long first, long last, const RecordForms& forms,
                     ColourTrack& colours) {
  long in_force = 0;
  for (long n = first; n <= last; ++n)
    if (forms.sets_colour(drawing.read(n), colours)) in_force = n;
  return in_force;
}

// Notes where the records go as their lines are written.
class PlaceNotes {
 public:
  PlaceNotes(FilePlaces* places, long records, const RecordForms& forms) : places_(places), forms_(forms) {
    if (places_) places_->of_record.assign(static_cast<size_t>(records), 0);
  }
  bool wanted() const { return places_ != nullptr; }
  // Record n went out as the next line, which reads back as it.
  void went(long n, bool reads_back) {
    ++lines_;
    if (!places_) return;
    places_->file_records = lines_;
    if (reads_back) places_->of_record[static_cast<size_t>(n - 1)] = lines_;
  }
  // The same, for a line whose reading is yet to be tried.
  void went(long n, const Record& record, std::string_view line) {
    went(n, places_ && forms_.to_stored(line).record == record);
  }

 private:
  FilePlaces* places_;
  const RecordForms& forms_;
  long lines_ = 0;
};

}  // namespace

void command_file_lines(const CommandFileHeader& header, const RecordStore& drawing, const RecordForms& forms,
                        const std::function<void(std::string_view)>& emit, WriteProblems& problems,
                        FilePlaces* places) {
  emit(text::padded(header.path_line, kPathLineLength));
  emit(text::padded(header.setup_line, kSetupLineLength));
  emit(std::string(kDatePrefix) + text::padded(header.date, kDateLength));

  const long count = drawing.count();
  PlaceNotes notes(places, count, forms);
  // What the loop below converts, converted ahead on every core.
  ConvertedWindow converted(drawing, forms, [&](const Record& r) {
    if (drawing.unread_line(r) || header_line(r)) return false;
    const FileRole role = forms.file_role(r);
    return role == FileRole::kConverted || role == FileRole::kColourMode;
  }, notes.wanted());
  Record last_colour, last_layer;
  ColourTrack colours;
  for (long n = 1; n <= count; ++n) {
    const Record& record = drawing.read(n);
    if (const auto kept = drawing.unread_line(record)) {
      emit(*kept);
      notes.went(n, true);  // read again, it is kept unread again
      continue;
    }
    if (header_line(record)) continue;
    const FileRole role = forms.file_role(record);
    if (role == FileRole::kNotWritten) continue;
    if (role == FileRole::kColourMode) forms.sets_colour(record, colours);
    if (role == FileRole::kColourRun || role == FileRole::kLayerRun) {
      // Only the last of a run of colour (or layer) records is in force;
      // of colours, the last that sets one in the drawing's mode.
      Record& last_written = role == FileRole::kColourRun ? last_colour : last_layer;
      if (record == last_written) continue;
      long run_end = n;
      while (run_end < count && forms.file_role(drawing.read(run_end + 1)) == role) ++run_end;
      if (run_end == count) break;  // nothing follows for it to apply to
      const long pending = role == FileRole::kColourRun ? colour_in_force(drawing, n, run_end, forms, colours) : run_end;
      if (pending && !(drawing.read(pending) == last_written)) {
        last_written = drawing.read(pending);
        emit(last_written.trimmed());
        notes.went(pending, last_written, last_written.trimmed());
      }
      n = run_end;
      continue;
    }
    const ConvertedLine& line = converted.at(n);
    if (line.kind == ConversionProblem::kNone) {
      if (!line.text.empty()) {
        emit(line.text);
        notes.went(n, line.reads_back);
      }
    } else {
      auto& list = line.kind == ConversionProblem::kDoesNotFit ? problems.too_large : problems.skipped;
      list.push_back({n, std::string(record.trimmed()), line.problem});
    }
  }
}

CommandFileWrite write_command_file(const std::string& path, const CommandFileHeader& header,
                                    const RecordStore& drawing, const RecordForms& forms, FilePlaces* places) {
  CommandFileWrite result;
  SafeFileWriter out(path);
  command_file_lines(header, drawing, forms, [&out](std::string_view line) { out.write_line(line); }, result.problems,
                     places);
  if (!result.problems.too_large.empty()) {
    // Asterisks would be written, and the next reading would lose the record.
    result.outcome = WriteOutcome::kValuesTooLarge;
    const SkippedLine& first = result.problems.too_large.front();
    result.error = path + ": record " + std::to_string(first.number) + ": " + first.problem;
    return result;  // the writer is dropped unused: the old file stays
  }
  if (out.commit()) {
    result.outcome = WriteOutcome::kWritten;
  } else {
    result.outcome = out.failure() == WriteFailure::kCannotWrite ? WriteOutcome::kCannotWrite : WriteOutcome::kCannotOpen;
    result.error = out.error();
  }
  return result;
}

}  // namespace plv
