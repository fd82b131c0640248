#include "render.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>

#include "drawing/command_file.h"
#include "kinds/registry.h"
#include "render/redraw.h"
#include "host/host.h"
#include "host/pdf_print_job.h"
#include "host/window_menu.h"
#include "host/plot_listing.h"
#include "image/png_writer.h"
#include "host/program_exit.h"
#include "host/scripted/scripted_window_system.h"
#include "text/whole_file.h"
#include "kernel/kernel.h"

namespace plv::tool {
namespace {

// What the editor would show on its text screen goes to standard error.
class StderrMessages final : public ColourProblems {
 public:
  explicit StderrMessages(std::string file) : file_(std::move(file)) {}
  void met(const ColourProblem& p) override {
    say(p.first);
    if (!p.second.empty()) say(p.second);
    if (p.telling == ColourProblem::Telling::kFatal) throw ProgramExit{1};
  }

 private:
  void say(std::string_view text) { std::cerr << file_ << ": " << text << "\n"; }
  std::string file_;
};

bool ends_with(const std::string& s, const std::string& suffix) {
  if (s.size() < suffix.size()) return false;
  std::string tail = s.substr(s.size() - suffix.size());
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == suffix;
}

// Primitives are printed as they are drawn, a block at a time, so that a
// drawing of any size is listed in bounded memory.
void stream_primitives(host::Picture& picture) {
  constexpr std::size_t kBlockBytes = 1 << 20;
  picture.stream_records(
      [](std::span<const std::uint8_t> bytes) {
        host::for_each_plot_record(bytes, [](const std::string& line) { std::cout << line << '\n'; });
      },
      kBlockBytes);
}

// TIFF and metafile leave as the window's own commands write them, with
// the file dialog answered by the output's name.
std::optional<host::Command> window_command_for(const std::string& output) {
  if (ends_with(output, ".tif") || ends_with(output, ".tiff")) return host::Command::kWriteTiff;
  if (ends_with(output, ".emf")) return host::Command::kWriteMetafile;
  return std::nullopt;
}

// What the window told the user about the output goes to standard error.
int told_by_window(std::string_view prefix, const host::ScriptedWindowSystem& window, size_t told) {
  if (window.messages().size() == told) return 0;
  for (size_t i = told; i < window.messages().size(); ++i)
    std::cerr << prefix << ": " << window.messages()[i].text << "\n";
  return 1;
}

int export_through_window(const std::string& output, host::Command command, host::ScriptedWindowSystem& window,
                          host::Host& host) {
  window.save_file_answers.push_back(output);
  const size_t told = window.messages().size();
  host.menu_command(command);
  return told_by_window(output, window, told);
}

// A PDF file stands for the printer, and the page is printed as the
// drawing is drawn, as the window's Print command would print it, but
// without holding the whole picture first.
int print_as_drawn(const std::string& output, host::ScriptedWindowSystem& window, host::Host& host,
                   const std::function<void()>& draw) {
  window.printer_available = true;
  window.print_jobs = [&output] { return std::make_unique<host::PdfPrintJob>(output, "plivet"); };
  const size_t told = window.messages().size();
  host.print_as_drawn(draw);
  // A failed page names its file in the message.
  return told_by_window("plvtool", window, told);
}

int write_output(const RenderRequest& request, host::ScriptedWindowSystem& window, host::Host& host,
                 const kernel::Kernel& kernel) {
  if (!request.primitives) {
    if (const auto command = window_command_for(request.output)) return export_through_window(request.output, *command, window, host);
  }
  if (request.primitives) {
    if (!std::cout.flush()) {
      std::cerr << "plvtool: cannot write the output: " << std::strerror(errno) << "\n";
      return 1;
    }
    return 0;
  }
  FileResult written{request.output + ": the picture can be written as .png, .pcx, .tif, .emf or .pdf"};
  if (ends_with(request.output, ".png")) {
    written = image::write_png(host.picture().bitmap().image(), request.output);
  } else if (ends_with(request.output, ".pcx")) {
    const auto bytes = kernel.pcx_image();
    written = write_whole_file(request.output, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  }
  if (written.ok()) return 0;
  std::cerr << written.error << "\n";
  return 1;
}

}  // namespace

int render(const RenderRequest& request) {
  RecordStore drawing;
  const CommandFileRead read = read_command_file(request.input, drawing, kinds());
  if (!read.ok()) {
    std::cerr << request.input << ": cannot read: " << read.error << "\n";
    return 1;
  }
  for (const auto& s : read.unread)
    std::cerr << request.input << ":" << s.number << ": line not drawn, " << s.problem << ": " << s.text << "\n";

  host::ScriptedWindowSystem window({}, request.width, request.height);
  host::Host host(window, host::kNoHostSettings);  // the picture as the defaults draw it
  kernel::Kernel kernel(host, std::filesystem::current_path());
  StderrMessages messages(request.input);
  const bool pdf = !request.primitives && ends_with(request.output, ".pdf");
  int status = 0;
  try {
    kernel.gkopen("plivet");
    kernel.gkclipon(1);
    kernel.gkclip(-1750, 1750, -1250, 1250);
    RenderState state;
    if (request.fit) state.view = fit_view(drawing_extent(drawing, state));
    kernel.gkpage(kernel::PageStart::kErased);
    if (request.primitives) stream_primitives(host.picture());
    const auto draw = [&] { redraw_all(drawing, state, kernel, messages); };
    if (pdf) status = print_as_drawn(request.output, window, host, draw);
    else draw();
    host.picture().flush_stream();
  } catch (const ProgramExit& end) {
    return end.code == 0 ? 1 : end.code;
  }
  if (!pdf) status = write_output(request, window, host, kernel);
  return status != 0 ? status : (read.unread.empty() ? 0 : 1);
}

}  // namespace plv::tool
