// Graphics command files: whatever the bytes, reading ends with a drawing
// held whole or refused; a drawing read and written reads back, and draws
// the same elements in the same colours and layers.

#include "drawing/command_file.h"
#include "drawing/translation_setup.h"
#include "fuzz_input.h"
#include "kinds/registry.h"

namespace {

using namespace plv;

// The file's lines as the editor writes them; nothing when it would
// refuse or leave records out.
std::optional<std::string> written(const RecordStore& drawing, const std::string& setup_line) {
  const CommandFileHeader header{"fuzz.plv", setup_line, " 8-DEC-26"};
  std::string text;
  WriteProblems problems;
  command_file_lines(header, drawing, kinds(), [&text](std::string_view line) {
    text += line;
    text += '\n';
  }, problems);
  if (!problems.too_large.empty() || !problems.skipped.empty()) return std::nullopt;
  return text;
}

// Reads `text` and writes it again; nothing when it does not read or the
// writer refuses.
std::optional<std::string> round_trip(std::string_view text) {
  RecordStore drawing;
  LineReader in = fuzz::lines_of(text);
  const CommandFileRead read = read_command_file(in, drawing, kinds());
  if (!read.ok()) {
    PLV_FUZZ_CHECK(drawing.count() == 0);  // a drawing not read whole is never held
    return std::nullopt;
  }
  return written(drawing, read.setup_line.value_or(std::string(kDefaultSetupLine)));
}

// What a file draws: every line but the colour and layer records, each
// with the colour and layer records in force before it. Colour and layer
// records that nothing follows are not written, so a file may lose such
// records each time it is written; what it draws never changes.
std::string drawn(std::string_view text) {
  std::string out, colour, layer;
  int header = 3;
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (header > 0) {
      --header;
      continue;
    }
    // A colour record with M in its fourth column selects the mode and is
    // written where it stands, as the writer has it; it is drawn, not state.
    const bool mode = line.size() > 3 && line[3] == 'M';
    if (line.starts_with("SC") && !mode) colour = line;
    else if (line.starts_with("LA")) layer = line;
    else out.append(colour).append("|").append(layer).append("|").append(line).append("\n");
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto first = round_trip(fuzz::as_text(data, size));
  if (!first) return 0;
  const auto second = round_trip(*first);
  PLV_FUZZ_CHECK(second);  // what we write, we read back
  PLV_FUZZ_CHECK(drawn(*second) == drawn(*first));
  return 0;
}
