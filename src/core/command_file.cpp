#include "core/command_file.h"

#include "core/line_reader.h"
#include "core/record_convert.h"
#include "core/record_layout.h"
#include "core/safe_file_writer.h"
#include "core/translation_setup.h"

namespace plv {
namespace {

inline constexpr int kPathLineLength = 80;
inline constexpr int kDateLength = 9;
inline constexpr std::string_view kDatePrefix = "DATE: ";
inline constexpr std::string_view kSetupKey = "GLIMPT";
inline constexpr std::string_view kSetupKeyInHeader = "GLIM";  // the header check looks at four letters
inline constexpr std::string_view kDateKey = "DATE";

std::string fixed_width(std::string_view text, size_t width) {
  std::string s(text.substr(0, width));
  s.resize(width, ' ');
  return s;
}

bool is_mode_record(const Record& r) { return r.has_code("SC") && r.text(layout::stored::colour::kModeMark) == "M"; }
bool is_plain_colour_record(const Record& r) { return r.has_code("SC") && !is_mode_record(r); }
bool is_layer_record(const Record& r) { return r.has_code("LA"); }

bool never_written(const Record& r) {
  const std::string_view text = r.text();
  return text.starts_with(kSetupKey) || text.starts_with(kDateKey) || r.has_code("  ") || r.has_code("XX");
}

void append_converted(std::string_view line, long line_number, RecordStore& drawing, CommandFileRead& result) {
  StoredConversion converted = to_stored_form(line);
  if (converted.ok()) drawing.append(converted.record);
  else result.skipped.push_back({line_number, std::string(line), converted.problem});
}

}  // namespace

CommandFileRead read_command_file(const std::string& path, RecordStore& drawing) {
  CommandFileRead result;
  LineReader in(path);
  if (!in.ok()) {
    result.error = in.error();
    return result;
  }
  result.opened = true;
  drawing.clear();
  std::string_view line;
  while (in.next(line)) {
    const long number = in.line_number();
    if (number == 1) continue;  // the path the file was written under
    if (number <= 3) {
      if (line.starts_with(kDateKey)) continue;
      if (line.starts_with(kSetupKeyInHeader)) {
        if (!result.setup_line) result.setup_line = fixed_width(line, kSetupLineLength);
        continue;
      }
    } else if (line.starts_with(kSetupKey) || line.starts_with(kDateKey)) {
      continue;
    }
    append_converted(line, number, drawing, result);
  }
  if (!in.error().empty()) result.error = in.error();
  return result;
}

void command_file_lines(const CommandFileHeader& header, const RecordStore& drawing,
                        const std::function<void(std::string_view)>& emit,
                        std::vector<SkippedLine>& skipped) {
  emit(fixed_width(header.path_line, kPathLineLength));
  emit(fixed_width(header.setup_line, kSetupLineLength));
  emit(std::string(kDatePrefix) + fixed_width(header.date, kDateLength));

  Record last_colour, last_layer;
  const long count = drawing.count();
  for (long n = 1; n <= count; ++n) {
    const Record& record = drawing.read(n);
    if (never_written(record)) continue;
    if (is_mode_record(record)) {
      emit(record.trimmed());
      continue;
    }
    const bool colour = is_plain_colour_record(record);
    if (colour || is_layer_record(record)) {
      // Only the last of a run of colour (or layer) records is in force.
      Record& last_written = colour ? last_colour : last_layer;
      if (record == last_written) continue;
      const auto same_kind = colour ? is_plain_colour_record : is_layer_record;
      long run_end = n;
      while (run_end < count && same_kind(drawing.read(run_end + 1))) ++run_end;
      if (run_end == count) break;  // nothing follows for it to apply to
      const Record& pending = drawing.read(run_end);
      if (!(pending == last_written)) {
        emit(pending.trimmed());
        last_written = pending;
      }
      n = run_end;
      continue;
    }
    const FileConversion converted = to_file_form(record);
    if (!converted.ok()) skipped.push_back({n, std::string(record.trimmed()), converted.problem});
    else if (!converted.line.is_blank()) emit(converted.line.trimmed());
  }
}

CommandFileWrite write_command_file(const std::string& path, const CommandFileHeader& header,
                                    const RecordStore& drawing) {
  CommandFileWrite result;
  SafeFileWriter out(path);
  command_file_lines(header, drawing, [&out](std::string_view line) { out.write_line(line); }, result.skipped);
  result.written = out.commit();
  if (!result.written) result.error = out.error();
  return result;
}

}  // namespace plv
