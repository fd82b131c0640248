// plvtool: batch operations on graphics command files, with the editor's
// own reading and writing code.

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "drawing/command_file.h"
#include "kinds/deleted.h"
#include "kinds/registry.h"
#include "drawing/record_store.h"
#include "drawing/translation_setup.h"
#include "drawing/today.h"
#include "import.h"
#include "render.h"
#include "translate.h"
#include "text/fixed_text.h"

namespace {

constexpr int kUsageError = 2;

void usage(std::ostream& out = std::cerr) {
  out << "usage: plvtool load FILE\n"
               "       plvtool save IN OUT [--date D]\n"
               "       plvtool purge IN OUT [--date D]\n"
               "       plvtool render IN -o OUT [--no-fit] [--size WxH]\n"
               "       plvtool render IN --primitives [--no-fit] [--size WxH]\n"
               "       plvtool translate IN -o OUT.(pdf|eps|ps|svg) [--width-cm W] [--line-width F]\n"
               "                         [--font D|C|H|T] [--mono|--colour] [--landscape|--portrait]\n"
               "       plvtool import FIGURE.(svg|pdf|eps|ps) -o OUT.plv [--page N] [--colour-mode bar|rgb]\n"
               "                      [--date D] [--replace]\n"
               "       plvtool --help | --version\n";
}

void report(const std::string& file, const std::vector<plv::SkippedLine>& lines, const char* what) {
  for (const auto& s : lines) std::cerr << file << ":" << s.number << ": " << what << ", " << s.problem << ": " << s.text << "\n";
}

// Opens IN as the editor does; nothing unless it was read whole.
std::optional<plv::CommandFileRead> open_drawing(const std::string& path, plv::RecordStore& drawing) {
  plv::CommandFileRead read = plv::read_command_file(path, drawing, plv::kinds());
  if (!read.ok()) {
    const char* why = read.outcome == plv::ReadOutcome::kNotACommandFile ? "not a graphics command file" : "cannot read";
    std::cerr << path << ": " << why << ": " << read.error << "\n";
    return std::nullopt;
  }
  report(path, read.unread, "line kept unread (not drawn, written back as it stands)");
  if (read.unknown.count > 0)
    std::cerr << path << ":" << read.unknown.first << ": " << read.unknown.count
              << " line(s) with codes the editor does not know; they are not written back\n";
  if (read.cut.count > 0)
    std::cerr << path << ":" << read.cut.first << ": " << read.cut.count
              << " line(s) run past column 122; what stands there is not written back\n";
  return read;
}

// Standard output that could not take everything is a failure.
int finish_output() {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::cerr << "plvtool: cannot write the output: " << std::strerror(errno) << "\n";
    return 1;
  }
  return 0;
}

int load(const std::string& path) {
  plv::RecordStore drawing;
  const auto read = open_drawing(path, drawing);
  if (!read) return 1;
  // Printed a block at a time: the drawing is in memory once, not twice.
  constexpr size_t kBlock = 1 << 20;
  std::string out;
  out.reserve(kBlock + 256);
  for (long n = 1; n <= drawing.count(); ++n) {
    const plv::Record& record = drawing.read(n);
    const auto kept = drawing.unread_line(record);
    std::string_view text = kept ? *kept : record.trimmed();
    out += plv::text::trimmed_right(text);
    out += '\n';
    if (out.size() >= kBlock) {
      std::fwrite(out.data(), 1, out.size(), stdout);
      out.clear();
    }
  }
  out += "SETUP:" + read->setup_line.value_or(std::string(plv::kDefaultSetupLine)) + "\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
  return finish_output();
}

std::optional<std::pair<int, int>> parse_size(const std::string& text) {
  int w = 0, h = 0;
  char x = 0, extra = 0;
  if (std::sscanf(text.c_str(), "%d%c%d%c", &w, &x, &h, &extra) != 3 || x != 'x' || w < 16 || h < 16 || w > 8000 ||
      h > 8000)
    return std::nullopt;
  return std::pair{w, h};
}

int render_command(const std::vector<std::string>& args) {
  plv::tool::RenderRequest request;
  std::vector<std::string> operands;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size()) request.output = args[++i];
    else if (args[i] == "--no-fit") request.fit = false;
    else if (args[i] == "--primitives") request.primitives = true;
    else if (args[i] == "--size" && i + 1 < args.size()) {
      const auto size = parse_size(args[++i]);
      if (!size) {
        std::cerr << "plvtool: --size takes WIDTHxHEIGHT, such as 700x500\n";
        return kUsageError;
      }
      std::tie(request.width, request.height) = *size;
    } else if (args[i].starts_with("-")) {
      std::cerr << "plvtool: unknown option " << args[i] << "\n";
      return kUsageError;
    } else operands.push_back(args[i]);
  }
  if (operands.size() != 1 || request.primitives == !request.output.empty()) {
    usage();
    return kUsageError;
  }
  request.input = operands[0];
  return plv::tool::render(request);
}

int translate_command(const std::vector<std::string>& args) {
  const plv::tool::TranslateArguments parsed = plv::tool::parse_translate_arguments(args);
  if (!parsed.error.empty()) {
    std::cerr << "plvtool: " << parsed.error << "\n";
    usage();
    return kUsageError;
  }
  plv::RecordStore drawing;
  const auto read = open_drawing(parsed.request.input, drawing);
  if (!read) return 1;
  return plv::tool::translate(parsed.request, drawing, read->setup_line.value_or(std::string(plv::kDefaultSetupLine)));
}

int save(const std::string& in, const std::string& out, const std::string& date, bool purge) {
  plv::RecordStore drawing;
  const auto read = open_drawing(in, drawing);
  if (!read) return 1;
  if (purge) plv::remove_deleted_graphics(drawing);
  const plv::CommandFileHeader header{out, read->setup_line.value_or(std::string(plv::kDefaultSetupLine)), date};
  const plv::CommandFileWrite written = plv::write_command_file(out, header, drawing, plv::kinds());
  report(in, written.problems.skipped, "record left out");
  if (written.outcome == plv::WriteOutcome::kValuesTooLarge) {
    report(in, written.problems.too_large, "record holds a value the file form cannot hold");
    std::cerr << out << ": not written\n";
    return 1;
  }
  if (!written.ok()) {
    std::cerr << written.error << "\n";
    return 1;
  }
  return written.problems.skipped.empty() ? 0 : 1;
}

}  // namespace

int run(int argc, char** argv) {
  // A file grown past its size limit is a write error to report, not a
  // reason for the process to die.
  std::signal(SIGXFSZ, SIG_IGN);
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    usage();
    return kUsageError;
  }
  const std::string command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    std::cerr.flush();
    std::cout << "plvtool: batch operations on plivet's graphics command files (.plv).\n\n";
    usage(std::cout);
    return finish_output();
  }
  if (command == "--version") {
    std::cout << "plvtool " << PLIVET_VERSION << "\n";
    return finish_output();
  }
  if (command == "render") return render_command(args);
  if (command == "translate") return translate_command(args);
  if (command == "import") return plv::tool::import_command(args);
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

int main(int argc, char** argv) {
  try {
    return run(argc, argv);
  } catch (const std::bad_alloc&) {
    std::cerr << "plvtool: not enough memory\n";
    return 1;
  }
}
