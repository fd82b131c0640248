// plvtool: batch operations on graphics command files, with the editor's
// own reading and writing code.

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "core/command_file.h"
#include "core/record_store.h"
#include "core/translation_setup.h"
#include "files/today.h"

namespace {

constexpr int kUsageError = 2;

void usage() {
  std::cerr << "usage: plvtool load FILE\n"
               "       plvtool save IN OUT [--date D]\n"
               "       plvtool purge IN OUT [--date D]\n";
}

void report(const std::string& file, const std::vector<plv::SkippedLine>& skipped, const char* unit) {
  for (const auto& s : skipped)
    std::cerr << file << ":" << s.number << ": " << unit << " left out, " << s.problem << ": " << s.text << "\n";
}

// Opens IN as the editor does; nothing when it cannot be read at all.
std::optional<plv::CommandFileRead> open_drawing(const std::string& path, plv::RecordStore& drawing) {
  plv::CommandFileRead read = plv::read_command_file(path, drawing);
  if (!read.opened || !read.error.empty()) {
    std::cerr << path << ": cannot read: " << read.error << "\n";
    return std::nullopt;
  }
  report(path, read.skipped, "line");
  return read;
}

int load(const std::string& path) {
  plv::RecordStore drawing;
  const auto read = open_drawing(path, drawing);
  if (!read) return 1;
  std::string out;
  for (long n = 1; n <= drawing.count(); ++n) {
    out += drawing.read(n).trimmed();
    out += '\n';
  }
  out += "SETUP:" + read->setup_line.value_or(std::string(plv::kDefaultSetupLine)) + "\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
  return read->skipped.empty() ? 0 : 1;
}

int save(const std::string& in, const std::string& out, const std::string& date, bool purge) {
  plv::RecordStore drawing;
  const auto read = open_drawing(in, drawing);
  if (!read) return 1;
  if (purge) plv::remove_deleted_graphics(drawing);
  const plv::CommandFileHeader header{out, read->setup_line.value_or(std::string(plv::kDefaultSetupLine)), date};
  const plv::CommandFileWrite written = plv::write_command_file(out, header, drawing);
  report(in, written.skipped, "record");
  if (!written.written) {
    std::cerr << written.error << "\n";
    return 1;
  }
  return read->skipped.empty() && written.skipped.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    usage();
    return kUsageError;
  }
  const std::string command = args[0];
  std::optional<std::string> date;
  std::vector<std::string> operands;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--date" && i + 1 < args.size()) date = args[++i];
    else if (args[i].starts_with("--")) {
      std::cerr << "plvtool: unknown option " << args[i] << "\n";
      return kUsageError;
    } else operands.push_back(args[i]);
  }
  if (command == "load" && operands.size() == 1 && !date) return load(operands[0]);
  if ((command == "save" || command == "purge") && operands.size() == 2)
    return save(operands[0], operands[1], date.value_or(plv::today_date_text()), command == "purge");
  usage();
  return kUsageError;
}
