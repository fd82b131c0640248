#include "import.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "import/import_figure.h"

namespace plv::tool {
namespace {

constexpr int kUsageError = 2;

struct ImportArguments {
  std::string input, output;
  import::ImportRequest request;
  bool replace = false;
  std::string error;
};

ImportArguments parse(const std::vector<std::string>& args) {
  ImportArguments a;
  a.request.page = import::kEveryPage;  // unless one is named
  std::vector<std::string> operands;
  for (size_t i = 1; i < args.size() && a.error.empty(); ++i) {
    const std::string& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (arg == "-o" && has_value) a.output = args[++i];
    else if (arg == "--page" && has_value) {
      char* end = nullptr;
      const long page = std::strtol(args[++i].c_str(), &end, 10);
      if (*end != '\0' || page < 1 || page > 1000000) a.error = "--page takes a page number from 1";
      else a.request.page = static_cast<int>(page);
    } else if (arg == "--colour-mode" && has_value) {
      const std::string& mode = args[++i];
      if (mode == "rgb") a.request.colours = import::ImportColours::kRgb;
      else if (mode == "bar") a.request.colours = import::ImportColours::kPalette;
      else a.error = "--colour-mode takes bar or rgb";
    } else if (arg == "--date" && has_value) a.request.date = args[++i];
    else if (arg == "--replace") a.replace = true;
    else if (arg.starts_with("-")) a.error = "unknown option " + arg;
    else operands.push_back(arg);
  }
  if (a.error.empty() && (operands.size() != 1 || a.output.empty())) a.error = "import takes one figure and -o OUT";
  if (a.error.empty()) a.input = operands[0];
  return a;
}

}  // namespace

int import_command(const std::vector<std::string>& args) {
  const ImportArguments a = parse(args);
  if (!a.error.empty()) {
    std::cerr << "plvtool: " << a.error << "\n";
    return kUsageError;
  }
  const import::FigureFile figure = import::read_figure_file(a.input);
  if (!figure.error.empty()) {
    std::cerr << figure.error << "\n";
    return 1;
  }
  const auto may_write = [&a](const std::string& drawing) {
    std::error_code ignored;
    return a.replace || !std::filesystem::exists(drawing, ignored);
  };
  const import::ImportedFile done = import::import_figure_bytes(figure.bytes, a.input, a.output, a.request, may_write);
  // A document of several pages tells of each drawing under its name.
  std::string drawing = a.output;
  for (const std::string& line : done.summary) {
    if (line.ends_with(":")) drawing = line.substr(0, line.size() - 1);
    else std::cout << drawing << ": " << line << "\n";
  }
  if (!done.error.empty()) {
    std::cerr << done.error << (done.error.ends_with("already there") ? "; give --replace to replace it" : "") << "\n";
    return 1;
  }
  return 0;
}

}  // namespace plv::tool
